#include "check/CrossReference.h"

#include <algorithm>
#include <tuple>

#include "base/Gbk.h"
#include "base/Substitute.h"
#include "base/Texts.h"
#include "model/JsonWriter.h"
#include "model/Project.h"

namespace tavo {

namespace {

auto SortKey(const XrefEntry& e) {
  const Binding& b = e.binding;
  return std::make_tuple(b.station, b.typeName, b.address, b.subAddr, b.bitOffset.value_or(0),
                         e.screen.value_or(0), e.element.value_or(0));
}

XrefEntry ProjectEntry(const Binding& b, const char* user) {
  XrefEntry e;
  e.binding = b;
  e.user = user;
  return e;
}

// A CSV field: quoted when it holds a comma, a quote or a line break, its
// quotes doubled.
std::string CsvField(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string out = "\"";
  for (char ch : s) {
    if (ch == '"') out += '"';
    out += ch;
  }
  return out + "\"";
}

std::string Opt(const std::optional<uint16_t>& v) {
  return v ? std::to_string(*v) : "";
}

std::string ElementNumber(const std::optional<size_t>& v) {
  return v ? std::to_string(*v + 1) : "";
}

std::string Tr(const char* text) {
  return Translate("tavo::check::CrossReference", text);
}

}  // namespace

std::vector<XrefEntry> BuildCrossReference(const Project& project, const ProtocolProfile& profile) {
  std::vector<XrefEntry> out;
  if (auto ctrl = ControlRegisterBinding(project.m_settings, profile))
    out.push_back(ProjectEntry(*ctrl, kControlRegisterUser));
  for (const Binding& b : AlarmBindings(project.m_alarmList, profile))
    out.push_back(ProjectEntry(b, kAlarmListUser));
  for (const auto& screen : project.m_screens) {
    const std::string description = GbkToUtf8(screen->m_description);
    for (size_t i = 0; i < screen->m_elements.size(); ++i) {
      const CBase& e = *screen->m_elements[i];
      for (const Binding& b : ElementBindings(e, profile)) {
        XrefEntry entry;
        entry.binding = b;
        entry.screen = screen->m_number;
        entry.element = i;
        entry.user = KindName(e.m_kind);
        entry.x = e.m_x;
        entry.y = e.m_y;
        entry.screenDescription = description;
        out.push_back(std::move(entry));
      }
    }
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const XrefEntry& a, const XrefEntry& b) { return SortKey(a) < SortKey(b); });
  return out;
}

std::string XrefAddress(const XrefEntry& e) {
  const Binding& b = e.binding;
  std::string s = b.typeName + std::to_string(b.address);
  if (b.subAddr) s += ":" + std::to_string(b.subAddr);
  if (b.bitOffset && *b.bitOffset) s += "." + std::to_string(*b.bitOffset);
  return s;
}

bool XrefMatches(const XrefEntry& e, const std::string& filter) {
  if (filter.empty()) return true;
  // The user and the access as written and as shown: either finds them.
  for (const std::string& field :
       {XrefAddress(e), e.user, ShownUserName(e.user), e.screenDescription, Opt(e.screen),
        std::string(AccessName(e.binding.access)), ShownAccessName(e.binding.access)})
    if (field.find(filter) != std::string::npos) return true;
  return false;
}

std::string XrefToCsv(const std::vector<XrefEntry>& entries) {
  std::string out = "局号,类型,地址,子地址,位,读写,字节,个数,画面,画面说明,元件,序号,X,Y\r\n";
  for (const XrefEntry& e : entries) {
    const Binding& b = e.binding;
    const std::string fields[] = {std::to_string(b.station),
                                  b.typeName,
                                  std::to_string(b.address),
                                  std::to_string(b.subAddr),
                                  b.bitOffset ? std::to_string(*b.bitOffset) : "",
                                  AccessName(b.access),
                                  std::to_string(b.width),
                                  std::to_string(b.count),
                                  Opt(e.screen),
                                  e.screenDescription,
                                  e.user,
                                  ElementNumber(e.element),
                                  e.screen ? std::to_string(e.x) : "",
                                  e.screen ? std::to_string(e.y) : ""};
    bool first = true;
    for (const std::string& f : fields) {
      if (!first) out += ',';
      first = false;
      out += CsvField(f);
    }
    out += "\r\n";
  }
  return out;
}

std::string XrefToJson(const std::vector<XrefEntry>& entries) {
  JsonWriter w;
  w.BeginArray();
  for (const XrefEntry& e : entries) {
    const Binding& b = e.binding;
    w.BeginObject();
    w.Key("station");
    w.Int(b.station);
    w.Key("type");
    w.String(b.typeName);
    w.Key("address");
    w.Int(b.address);
    w.Key("subAddress");
    w.Int(b.subAddr);
    w.Key("bit");
    if (b.bitOffset)
      w.Int(*b.bitOffset);
    else
      w.Null();
    w.Key("coil");
    w.Bool(b.bit);
    w.Key("access");
    w.String(b.access == Access::kRead    ? "read"
             : b.access == Access::kWrite ? "write"
                                          : "readwrite");
    w.Key("width");
    w.Int(b.width);
    w.Key("count");
    w.Int(b.count);
    w.Key("screen");
    if (e.screen)
      w.Int(*e.screen);
    else
      w.Null();
    w.Key("screenDescription");
    w.String(e.screenDescription);
    w.Key("user");
    w.String(e.user);
    w.Key("element");
    if (e.element)
      w.Int(static_cast<int64_t>(*e.element));
    else
      w.Null();
    w.Key("x");
    w.Int(e.x);
    w.Key("y");
    w.Int(e.y);
    w.EndObject();
  }
  w.EndArray();
  return w.Take();
}

std::string ShownWidth(const Binding& b) {
  if (b.bit) return Tr(TAVO_TRANSLATE_NOOP("tavo::check::CrossReference", "位"));
  // Its own text, where English says "byte", not "bytes".
  if (b.width == 1) return Tr(TAVO_TRANSLATE_NOOP("tavo::check::CrossReference", "1字节"));
  // %1 the bytes the panel reads or writes.
  return Substitute(Tr(TAVO_TRANSLATE_NOOP("tavo::check::CrossReference", "%1字节")),
                    {std::to_string(b.width)});
}

std::string XrefToText(const std::vector<XrefEntry>& entries) {
  // %1 the station number.
  const std::string station = Tr(TAVO_TRANSLATE_NOOP("tavo::check::CrossReference", "局号%1"));
  const std::string screen = Tr(TAVO_TRANSLATE_NOOP("tavo::check::CrossReference", "画面%1"));
  const std::string elementAt = Translate(kBindingsContext, kElementAt);
  std::string out;
  for (const XrefEntry& e : entries) {
    const Binding& b = e.binding;
    out += Substitute(station, {std::to_string(b.station)}) + " " + XrefAddress(e) + " " +
           ShownAccessName(b.access) + " " + ShownWidth(b) + "  ";
    if (e.screen)
      out +=
          Substitute(screen, {std::to_string(*e.screen)}) + " " +
          Substitute(elementAt, {ShownUserName(e.user), std::to_string(e.x), std::to_string(e.y)});
    else
      out += ShownUserName(e.user);
    out += "\n";
  }
  return out;
}

}  // namespace tavo
