#include "check/Finding.h"

#include <algorithm>

#include "model/JsonWriter.h"

namespace tavo {

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::kError:
      return "错误";
    case Severity::kWarning:
      return "警告";
    case Severity::kNote:
      break;
  }
  return "提示";
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

size_t CountFindings(const std::vector<Finding>& findings, Severity severity) {
  return static_cast<size_t>(
      std::count_if(findings.begin(), findings.end(),
                    [severity](const Finding& f) { return f.severity == severity; }));
}

std::string FindingsToText(const std::vector<Finding>& findings) {
  std::string out;
  for (const Finding& f : findings) {
    out += SeverityName(f.severity);
    out += " ";
    out += f.code;
    if (f.screen) out += " 画面" + std::to_string(*f.screen);
    if (f.element) out += " 元件" + std::to_string(*f.element + 1);
    out += ": " + f.message + "\n";
  }
  out += std::to_string(CountFindings(findings, Severity::kError)) + " 个错误, " +
         std::to_string(CountFindings(findings, Severity::kWarning)) + " 个警告, " +
         std::to_string(CountFindings(findings, Severity::kNote)) + " 个提示\n";
  return out;
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
