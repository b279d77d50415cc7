#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "check/Bindings.h"

namespace tavo {

class Project;
struct ProtocolProfile;

// One use of a PLC address: where it is used, and how.
struct XrefEntry {
  Binding binding;
  // The user: an element of a screen, the alarm list or the control register.
  std::optional<uint16_t> screen;
  std::optional<size_t> element;  // position in the screen's element list
  std::string user;  // "寄存器", "报警列表", "控制寄存器"; shown: ShownUserName
  int32_t x = 0, y = 0;
  std::string screenDescription;  // UTF-8
};

// Every PLC address the project uses, sorted by station, register type,
// address, sub-address and bit, then by screen and element.
std::vector<XrefEntry> BuildCrossReference(const Project& project, const ProtocolProfile& profile);

// True when the entry's texts hold `filter` (UTF-8; case-sensitive), as the
// editor's filter box matches: type and address ("D100"), user and access
// (as written or in the user's language), screen number, description.
bool XrefMatches(const XrefEntry& entry, const std::string& filter);
// The type name and address as the engineer writes them ("4x1", "D100.3").
std::string XrefAddress(const XrefEntry& entry);

// What the panel reads or writes, for a person: "位" (a coil) or "2字节".
std::string ShownWidth(const Binding& binding);

// RFC 4180 CSV in UTF-8 with a header line and "\r\n" line ends, and JSON:
// the same in every language.
std::string XrefToCsv(const std::vector<XrefEntry>& entries);
std::string XrefToJson(const std::vector<XrefEntry>& entries);
// A table for the terminal, in the user's language.
std::string XrefToText(const std::vector<XrefEntry>& entries);

}  // namespace tavo
