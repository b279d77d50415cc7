#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "elements/UpLoadPic.h"
#include "model/Archive.h"
#include "model/ElementFactory.h"
#include "model/Gbk.h"
#include "model/JsonReader.h"
#include "model/ProjectFields.h"
#include "model/ProjectTextForm.h"

// Reading the project's text form: every value is checked against the field
// it fills (type, width, GBK), with the JSON path of the first refused value.
namespace tavo {

namespace {

struct Refusal {
  std::string path;
  std::string reason;
};

[[noreturn]] void Refuse(std::string path, std::string reason) {
  throw Refusal{std::move(path), std::move(reason)};
}

std::string Join(const std::string& path, std::string_view name) {
  return path.empty() ? std::string(name) : path + "." + std::string(name);
}
// A name taken from the file (a member name, a class) as a message shows it:
// at most 60 bytes, cut where a character starts, and control characters as
// '?', so that a huge or odd name cannot flood the message box.
std::string Shown(std::string_view name) {
  constexpr size_t kMax = 60;
  size_t n = name.size();
  if (n > kMax) {
    n = kMax;
    while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
  }
  std::string out(name.substr(0, n));
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  if (n < name.size()) out += "...";
  return out;
}

std::string Index(const std::string& path, size_t i) {
  return path + "[" + std::to_string(i) + "]";
}

void Expect(const JsonValue& v, JsonValue::Type type, const std::string& path) {
  if (v.type != type)
    Refuse(path, std::string("expected ") + JsonTypeName(type) + ", found " + JsonTypeName(v.type));
}

int64_t Integer(const JsonValue& v, const std::string& path, int64_t min, int64_t max) {
  Expect(v, JsonValue::Type::Integer, path);
  if (v.integer < min || v.integer > max)
    Refuse(path, "value " + std::to_string(v.integer) + " is outside " + std::to_string(min) +
                     ".." + std::to_string(max));
  return v.integer;
}

// One JSON object whose members are taken by name: duplicates are refused at
// once, members never taken are refused by Finish().
class Members {
 public:
  Members(const JsonValue& v, std::string path) : m_value(v), m_path(std::move(path)) {
    Expect(v, JsonValue::Type::Object, m_path);
    m_used.assign(v.members.size(), false);
    for (size_t i = 0; i < v.members.size(); ++i)
      if (!m_index.emplace(v.members[i].first, i).second)
        Refuse(PathOf(Shown(v.members[i].first)), "duplicate field");
  }
  const JsonValue* Find(std::string_view name) {
    const auto it = m_index.find(name);
    if (it == m_index.end()) return nullptr;
    m_used[it->second] = true;
    return &m_value.members[it->second].second;
  }
  const JsonValue& Need(std::string_view name) {
    const JsonValue* v = Find(name);
    if (!v) Refuse(PathOf(name), "missing field");
    return *v;
  }
  void Finish() const {
    for (size_t i = 0; i < m_used.size(); ++i)
      if (!m_used[i]) Refuse(PathOf(Shown(m_value.members[i].first)), "unknown field");
  }
  std::string PathOf(std::string_view name) const { return Join(m_path, name); }

 private:
  const JsonValue& m_value;
  std::string m_path;
  std::vector<bool> m_used;
  std::map<std::string_view, size_t, std::less<>> m_index;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::vector<uint8_t> Hex(const JsonValue& v, const std::string& path) {
  Expect(v, JsonValue::Type::String, path);
  const std::string& s = v.string;
  if (s.size() % 2 != 0) Refuse(path, "hex bytes need two digits each");
  std::vector<uint8_t> out(s.size() / 2);
  for (size_t i = 0; i < out.size(); ++i) {
    const int hi = HexDigit(s[2 * i]), lo = HexDigit(s[2 * i + 1]);
    if (hi < 0 || lo < 0) Refuse(path, "'" + s.substr(2 * i, 2) + "' is not a hex byte");
    out[i] = static_cast<uint8_t>(hi * 16 + lo);
  }
  return out;
}

// The first character of a UTF-8 text that GBK cannot hold, for the message.
std::string FirstUnencodable(const std::string& utf8) {
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    const std::string ch = utf8.substr(i, n);
    std::string gbk;
    if (!Utf8ToGbk(ch, gbk, true)) return ch;
    i += n;
  }
  return {};
}

std::string Text(const JsonValue& v, const std::string& path) {
  if (v.type == JsonValue::Type::Object) {
    Members m(v, path);
    const std::vector<uint8_t> bytes = Hex(m.Need("gbk"), m.PathOf("gbk"));
    m.Finish();
    return std::string(bytes.begin(), bytes.end());
  }
  if (v.type != JsonValue::Type::String)
    Refuse(path, std::string("expected a text or {\"gbk\": HEX}, found ") + JsonTypeName(v.type));
  std::string gbk;
  if (!Utf8ToGbk(v.string, gbk, true)) {
    const std::string ch = FirstUnencodable(v.string);
    Refuse(path, "the character \"" + ch + "\" has no GBK code");
  }
  return gbk;
}

uint32_t Get32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// Fills the visited fields from one JSON object.
class FillFields : public FieldVisitor {
 public:
  explicit FillFields(Members& members) : m_members(members) {}

  void Field(const char* name, uint8_t& v) override { v = static_cast<uint8_t>(Int(name, 0, 255)); }
  void Field(const char* name, uint16_t& v) override {
    v = static_cast<uint16_t>(Int(name, 0, 65535));
  }
  void Field(const char* name, int32_t& v) override {
    v = static_cast<int32_t>(Int(name, INT32_MIN, INT32_MAX));
  }
  void Text(const char* name, std::string& gbk) override {
    gbk = tavo::Text(m_members.Need(name), m_members.PathOf(name));
  }
  void TextList(const char* name, std::vector<std::string>& list) override {
    const JsonValue& a = m_members.Need(name);
    const std::string path = m_members.PathOf(name);
    Expect(a, JsonValue::Type::Array, path);
    list.clear();
    for (size_t i = 0; i < a.items.size(); ++i)
      list.push_back(tavo::Text(a.items[i], Index(path, i)));
  }
  void IntList(const char* name, std::vector<int32_t>& values) override {
    const JsonValue& a = m_members.Need(name);
    const std::string path = m_members.PathOf(name);
    Expect(a, JsonValue::Type::Array, path);
    values.clear();
    for (size_t i = 0; i < a.items.size(); ++i)
      values.push_back(
          static_cast<int32_t>(Integer(a.items[i], Index(path, i), INT32_MIN, INT32_MAX)));
  }
  void Block(const char*, uint8_t* data, size_t size) override {
    m_block = data;
    m_blockSize = size;
  }
  // The picture: its header (stashed by Block) and pixels, from either form.
  void ByteList(const char* name, std::vector<uint8_t>& bytes) override {
    if (!m_block) Refuse(m_members.PathOf(name), "no picture header");
    if (m_members.Find("m_infoBlock")) {
      RawPicture(name, bytes);
    } else {
      RowPicture(name, bytes);
    }
    m_block = nullptr;
  }

 private:
  int64_t Int(const char* name, int64_t min, int64_t max) {
    return Integer(m_members.Need(name), m_members.PathOf(name), min, max);
  }

  void RawPicture(const char* name, std::vector<uint8_t>& bytes) {
    const std::string headPath = m_members.PathOf("m_infoBlock");
    const std::vector<uint8_t> head = Hex(m_members.Need("m_infoBlock"), headPath);
    if (head.size() != m_blockSize)
      Refuse(headPath, "holds " + std::to_string(head.size()) + " bytes, the picture header has " +
                           std::to_string(m_blockSize));
    std::memcpy(m_block, head.data(), m_blockSize);
    const std::string path = m_members.PathOf(name);
    bytes = Hex(m_members.Need(name), path);
    const uint32_t size = Get32(m_block + 20);
    if (bytes.size() != size)
      Refuse(path, "holds " + std::to_string(bytes.size()) + " bytes, the header's image size is " +
                       std::to_string(size));
  }

  void RowPicture(const char* name, std::vector<uint8_t>& bytes) {
    const int width = static_cast<int>(Int("m_width", 0, CUpLoadPic::kMaxWidth));
    const int height = static_cast<int>(Int("m_height", 0, CUpLoadPic::kMaxHeight));
    const std::string path = m_members.PathOf(name);
    const JsonValue& rows = m_members.Need(name);
    Expect(rows, JsonValue::Type::Array, path);
    if (rows.items.size() != static_cast<size_t>(height))
      Refuse(path, "has " + std::to_string(rows.items.size()) + " rows, m_height is " +
                       std::to_string(height));
    CUpLoadPic own;
    own.SetSize(width, height);
    const size_t rowBytes = static_cast<size_t>(CUpLoadPic::RowBytes(width));
    for (size_t y = 0; y < rows.items.size(); ++y) {
      const std::string rowPath = Index(path, y);
      Expect(rows.items[y], JsonValue::Type::String, rowPath);
      const std::string& row = rows.items[y].string;
      if (row.size() != static_cast<size_t>(width))
        Refuse(rowPath, "has " + std::to_string(row.size()) + " pixels, m_width is " +
                            std::to_string(width));
      uint8_t* out = own.m_bits.data() + (static_cast<size_t>(height) - 1 - y) * rowBytes;
      for (size_t x = 0; x < row.size(); ++x) {
        if (row[x] == '.')
          out[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        else if (row[x] != '#')
          Refuse(rowPath, "pixel " + std::to_string(x) + " is neither \"#\" nor \".\"");
      }
    }
    std::memcpy(m_block, own.m_infoBlock.data(), m_blockSize);
    bytes = std::move(own.m_bits);
  }

  Members& m_members;
  uint8_t* m_block = nullptr;
  size_t m_blockSize = 0;
};

std::unique_ptr<CBase> Element(const JsonValue& v, const std::string& path) {
  Members m(v, path);
  const JsonValue& cls = m.Need("class");
  Expect(cls, JsonValue::Type::String, m.PathOf("class"));
  auto e = CreateElementByClass(cls.string);
  if (!e) Refuse(m.PathOf("class"), "unknown element class \"" + Shown(cls.string) + "\"");
  // The class fixes the kind: the stored kind must agree with it.
  const uint8_t kind = e->m_kind;
  FillFields fields(m);
  VisitElementFields(*e, fields);
  if (e->m_kind != kind)
    Refuse(m.PathOf("m_kind"), "kind " + std::to_string(e->m_kind) + " is not the kind of " +
                                   cls.string + " (" + std::to_string(kind) + ")");
  m.Finish();
  return e;
}

std::unique_ptr<CMainView> Screen(const JsonValue& v, const std::string& path) {
  Members m(v, path);
  auto screen = std::make_unique<CMainView>();
  FillFields fields(m);
  VisitScreenFields(*screen, fields);
  const std::string listPath = m.PathOf("elements");
  const JsonValue& list = m.Need("elements");
  Expect(list, JsonValue::Type::Array, listPath);
  for (size_t i = 0; i < list.items.size(); ++i)
    screen->m_elements.push_back(Element(list.items[i], Index(listPath, i)));
  m.Finish();
  return screen;
}

void Fill(const JsonValue& doc, Project& project, uint8_t& protocol) {
  Members top(doc, "");
  const JsonValue& format = top.Need("format");
  if (format.type != JsonValue::Type::String || format.string != kTextFormName)
    Refuse("format", std::string("not a project text form (\"") + kTextFormName + "\" expected)");
  const int64_t version = Integer(top.Need("formatVersion"), "formatVersion", 1, INT32_MAX);
  if (version > kTextFormVersion)
    Refuse("formatVersion", "version " + std::to_string(version) +
                                " is newer than this program reads (" +
                                std::to_string(kTextFormVersion) + ")");
  protocol = static_cast<uint8_t>(Integer(top.Need("protocol"), "protocol", 0, 255));
  project.m_curScreen =
      static_cast<uint16_t>(Integer(top.Need("m_curScreen"), "m_curScreen", 0, 65535));
  {
    Members settings(top.Need("settings"), "settings");
    FillFields fields(settings);
    VisitSettingsFields(project.m_settings, fields);
    settings.Finish();
  }
  const JsonValue& screens = top.Need("screens");
  Expect(screens, JsonValue::Type::Array, "screens");
  if (screens.items.empty()) Refuse("screens", "a project has at least one screen");
  project.m_screens.clear();
  for (size_t i = 0; i < screens.items.size(); ++i)
    project.m_screens.push_back(Screen(screens.items[i], Index("screens", i)));
  if (project.m_curScreen >= project.m_screens.size())
    Refuse("m_curScreen", "there is no screen " + std::to_string(project.m_curScreen) + " (" +
                              std::to_string(project.m_screens.size()) + " screens)");
  {
    Members alarms(top.Need("alarmList"), "alarmList");
    FillFields fields(alarms);
    VisitAlarmListFields(project.m_alarmList, fields);
    alarms.Finish();
  }
  top.Finish();
}

}  // namespace

namespace {
TextFormError TooLarge() {
  return {"", "larger than " + std::to_string(kMaxTextFormBytes >> 20) + " MiB"};
}
}  // namespace

TextFileLoad LoadTextFormFile(const std::string& path, std::string& text, TextFormError& error) {
  std::vector<uint8_t> data;
  const int err = ReadWholeFile(path, data, kMaxTextFormBytes);
  if (err == EFBIG) {
    error = TooLarge();
    return TextFileLoad::TooLarge;
  }
  if (err != 0) return TextFileLoad::Unreadable;
  text.assign(data.begin(), data.end());
  return TextFileLoad::Loaded;
}

bool TextFormToOrxBytes(std::string_view text, std::vector<uint8_t>& orx, TextFormError& error) {
  if (text.size() > kMaxTextFormBytes) {
    error = TooLarge();
    return false;
  }
  // Editors on Windows may lead a UTF-8 file with a byte order mark.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  JsonValue doc;
  std::string syntax;
  if (!ParseJson(text, doc, syntax)) {
    error = {"", syntax};
    return false;
  }
  try {
    Project project;
    uint8_t protocol = 0;
    Fill(doc, project, protocol);
    orx = WriteProjectBytes(project, protocol);
  } catch (const Refusal& r) {
    error = {r.path, r.reason};
    return false;
  } catch (const ArchiveException& e) {
    error = {"", std::string("cannot be written as a project file: ") + e.what()};
    return false;
  } catch (const std::bad_alloc&) {
    error = {"", "too large to hold in memory"};
    return false;
  }
  return true;
}

bool ReadTextForm(std::string_view text, Project& out, ReadInfo& info, TextFormError& error) {
  std::vector<uint8_t> orx;
  if (!TextFormToOrxBytes(text, orx, error)) return false;
  // Reading the bytes it describes gives the project exactly what opening
  // the project file would (positions, picture state, derived fields).
  if (ReadProjectBytes(orx, out, info) != ProjectFileError::None) {
    error = {"", "the project it describes does not read back"};
    return false;
  }
  return true;
}

}  // namespace tavo
