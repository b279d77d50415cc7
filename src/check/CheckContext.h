#pragma once

// What the parts of the project check share while they walk a project.

#include <string>
#include <utility>
#include <vector>

#include "base/Phrase.h"
#include "base/Texts.h"
#include "check/Finding.h"

namespace tavo {

class CBase;
class CMainView;
class Project;
class PanelFont;
struct ProtocolProfile;

struct CheckContext {
  const Project& project;
  // The trial-compiled copy: its rectangles follow the stored positions and
  // its registers and graphs know whether the compiler corrected them.
  const Project& compiled;
  const ProtocolProfile& profile;
  const PanelFont* font;  // nullptr: no library to check glyphs against
  std::vector<Finding>& out;

  // The message as template and arguments; the finding holds its source
  // text as well.
  void Add(Severity severity, const char* code, const CMainView* screen, size_t element,
           Phrase message);
  void AddProject(Severity severity, const char* code, Phrase message);
};

// The finding texts are marked in this context.
inline constexpr const char* kCheckContext = "tavo::check::ProjectCheck";

// A finding's text: `pattern` marked in kCheckContext, its arguments for %1...
inline Phrase FindingText(const char* pattern, std::vector<Phrase> args = {}) {
  return Phrase(kCheckContext, pattern, std::move(args));
}

// "寄存器(24,16)": the element's kind and panel position, for messages.
Phrase Describe(const CBase& element);

void CheckScreens(CheckContext& c);    // numbers, key targets, counts, keys
void CheckGeometry(CheckContext& c);   // outside the display, hidden behind others
void CheckTexts(CheckContext& c);      // glyphs the libraries lack, bytes no glyph code takes
void CheckValues(CheckContext& c);     // digits and decimals, limits and scales
void CheckAddresses(CheckContext& c);  // station, address, sub-address, count, type
void CheckAlarmList(CheckContext& c);

}  // namespace tavo
