#include "check/Finding.h"

#include <algorithm>

#include "base/Substitute.h"
#include "base/Texts.h"
#include "model/JsonWriter.h"

namespace tavo {

namespace {
constexpr const char* kContext = "tavo::check::Finding";
}  // namespace

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::kError:
      return TAVO_TRANSLATE_NOOP("tavo::check::Finding", "错误");
    case Severity::kWarning:
      return TAVO_TRANSLATE_NOOP("tavo::check::Finding", "警告");
    case Severity::kNote:
      break;
  }
  return TAVO_TRANSLATE_NOOP("tavo::check::Finding", "提示");
}

std::string ShownSeverityName(Severity severity) {
  return Translate(kContext, SeverityName(severity));
}

const char* SeverityKey(Severity severity) {
  switch (severity) {
    case Severity::kError:
      return "error";
    case Severity::kWarning:
      return "warning";
    case Severity::kNote:
      break;
  }
  return "note";
}

std::string ShownMessage(const Finding& finding) {
  return finding.text.Empty() ? finding.message : finding.text.Shown();
}

size_t CountFindings(const std::vector<Finding>& findings, Severity severity) {
  return static_cast<size_t>(
      std::count_if(findings.begin(), findings.end(),
                    [severity](const Finding& f) { return f.severity == severity; }));
}

std::string FindingsToText(const std::vector<Finding>& findings) {
  std::string out;
  for (const Finding& f : findings) {
    out += ShownSeverityName(f.severity);
    out += " ";
    out += f.code;
    if (f.screen) {
      const char* screen = TAVO_TRANSLATE_NOOP("tavo::check::Finding", " 画面%1");
      out += Substitute(Translate(kContext, screen), {std::to_string(*f.screen)});
    }
    if (f.element) {
      const char* element = TAVO_TRANSLATE_NOOP("tavo::check::Finding", " 元件%1");
      out += Substitute(Translate(kContext, element), {std::to_string(*f.element + 1)});
    }
    out += ": " + ShownMessage(f) + "\n";
  }
  const char* summary =
      TAVO_TRANSLATE_NOOP("tavo::check::Finding", "%1 个错误, %2 个警告, %3 个提示");
  out += Substitute(Translate(kContext, summary),
                    {std::to_string(CountFindings(findings, Severity::kError)),
                     std::to_string(CountFindings(findings, Severity::kWarning)),
                     std::to_string(CountFindings(findings, Severity::kNote))});
  return out + "\n";
}

std::string FindingsToJson(const std::vector<Finding>& findings) {
  JsonWriter w;
  w.BeginObject();
  w.Key("errors");
  w.Int(static_cast<int64_t>(CountFindings(findings, Severity::kError)));
  w.Key("warnings");
  w.Int(static_cast<int64_t>(CountFindings(findings, Severity::kWarning)));
  w.Key("notes");
  w.Int(static_cast<int64_t>(CountFindings(findings, Severity::kNote)));
  w.Key("findings");
  w.BeginArray();
  for (const Finding& f : findings) {
    w.BeginObject();
    w.Key("severity");
    w.String(SeverityKey(f.severity));
    w.Key("code");
    w.String(f.code);
    w.Key("screen");
    if (f.screen)
      w.Int(*f.screen);
    else
      w.Null();
    // The position in the screen's element list, from 0 (the text counts
    // from 1).
    w.Key("element");
    if (f.element)
      w.Int(static_cast<int64_t>(*f.element));
    else
      w.Null();
    w.Key("message");
    w.String(f.message);
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  return w.Take();
}

}  // namespace tavo
