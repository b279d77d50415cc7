#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Phrase.h"

namespace tavo {

// How much a finding of the project check matters.
enum class Severity : uint8_t {
  kError,    // the download would be refused or the panel would misbehave
  kWarning,  // likely a mistake
  kNote,     // worth knowing
};

// One thing the project check found. `code` is stable (scripts and the
// editor match on it); the message is the system's own text in UTF-8, as
// the JSON report holds it. `text` is the same message kept as template and
// arguments, to be shown in the user's language (ShownMessage).
struct Finding {
  Severity severity = Severity::kNote;
  std::string code;
  std::optional<uint16_t> screen;  // the screen's number; none: the project
  std::optional<size_t> element;   // position in the screen's element list
  std::string message;
  Phrase text;  // empty: the message is shown as it is

  bool operator==(const Finding&) const = default;
};

// The finding's message for a person to read.
std::string ShownMessage(const Finding& finding);

// "错误", "警告", "提示"
const char* SeverityName(Severity severity);
// The same in the user's language, for a person to read.
std::string ShownSeverityName(Severity severity);
// "error", "warning", "note" (JSON and scripts)
const char* SeverityKey(Severity severity);

size_t CountFindings(const std::vector<Finding>& findings, Severity severity);

// One finding a line: "错误 jump-target 画面3 元件2: message".
std::string FindingsToText(const std::vector<Finding>& findings);
// {"errors": n, "warnings": n, "notes": n, "findings": [...]}
std::string FindingsToJson(const std::vector<Finding>& findings);

}  // namespace tavo
