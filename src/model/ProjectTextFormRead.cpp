#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

#include "base/Archive.h"
#include "base/Gbk.h"
#include "elements/UpLoadPic.h"
#include "model/ElementFactory.h"
#include "model/JsonReader.h"
#include "model/ProjectFields.h"
#include "model/ProjectTextForm.h"

// Reading the project's text form: every value is checked against the field
// it fills (type, width, GBK), with the JSON path of the first refused value.
namespace tavo {

namespace {

using Index = JsonDocument::Index;
constexpr Index kNone = UINT32_MAX;

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

std::string ItemPath(const std::string& path, size_t i) {
  return path + "[" + std::to_string(i) + "]";
}

// Where a value stands, made into its JSON path ("screens[2].elements[5].m_x")
// only when the value is refused: the member `name` or the item `item` of the
// value at `parent`; without a parent, the document itself.
struct Path {
  static constexpr size_t kNoItem = SIZE_MAX;
  const Path* parent = nullptr;
  std::string_view name = {};
  size_t item = kNoItem;
  std::string Text() const {
    if (!parent) return {};
    const std::string base = parent->Text();
    return item != kNoItem ? ItemPath(base, item) : Join(base, name);
  }
};

void Expect(const JsonDocument& doc, Index v, JsonType type, const Path& where) {
  if (doc.Type(v) != type)
    Refuse(where.Text(),
           std::string("expected ") + JsonTypeName(type) + ", found " + JsonTypeName(doc.Type(v)));
}

int64_t Integer(const JsonDocument& doc, Index v, const Path& where, int64_t min, int64_t max) {
  Expect(doc, v, JsonType::Integer, where);
  const int64_t value = doc.Integer(v);
  if (value < min || value > max)
    Refuse(where.Text(), "value " + std::to_string(value) + " is outside " + std::to_string(min) +
                             ".." + std::to_string(max));
  return value;
}

// One JSON object whose members are taken by name: duplicates are refused at
// once, members never taken are refused by Finish(). Names are looked up
// where the last one was found first, as the text form lists them in the
// order they are taken; otherwise in a small hash table, or for an object
// larger than any the program writes, in a tree, so that no set of names can
// make the lookups slow.
class Members {
 public:
  Members(const JsonDocument& doc, Index object, const Path& path) : m_doc(doc), m_path(path) {
    Expect(doc, object, JsonType::Object, m_path);
    const uint32_t count = doc.Count(object);
    m_members.reserve(count);
    if (count <= kHashedAtMost) m_slots.assign(kSlots, 0);
    Index k = JsonDocument::First(object);
    for (uint32_t i = 0; i < count; ++i) {
      const std::string_view name = doc.String(k);
      if (!Insert(name, i)) Refuse(PathOf(Shown(name)), "duplicate field");
      m_members.push_back({name, k + 1});
      k = doc.After(k + 1);
    }
  }
  Index Find(std::string_view name) {
    size_t i = m_next;
    if (i >= m_members.size() || m_members[i].name != name) {
      i = Lookup(name);
      if (i == m_members.size()) return kNone;
    }
    m_members[i].used = true;
    m_next = i + 1;
    return m_members[i].value;
  }
  Index Need(std::string_view name) {
    const Index v = Find(name);
    if (v == kNone) Refuse(PathOf(name), "missing field");
    return v;
  }
  void Finish() const {
    for (const Member& m : m_members)
      if (!m.used) Refuse(PathOf(Shown(m.name)), "unknown field");
  }
  std::string PathOf(std::string_view name) const { return Join(m_path.Text(), name); }
  Path At(std::string_view name) const { return {&m_path, name}; }
  const JsonDocument& Doc() const { return m_doc; }

 private:
  static constexpr uint32_t kHashedAtMost = 64;
  static constexpr size_t kSlots = 128;  // a power of two, twice kHashedAtMost

  static size_t Slot(std::string_view name) { return std::hash<std::string_view>{}(name); }

  // False when the name is there already.
  bool Insert(std::string_view name, uint32_t i) {
    if (m_slots.empty()) return m_tree.emplace(name, i).second;
    for (size_t s = Slot(name) & (kSlots - 1);; s = (s + 1) & (kSlots - 1)) {
      if (m_slots[s] == 0) {
        m_slots[s] = static_cast<uint8_t>(i + 1);
        return true;
      }
      if (m_members[m_slots[s] - 1].name == name) return false;
    }
  }
  // The member's position, or m_members.size().
  size_t Lookup(std::string_view name) const {
    if (m_slots.empty()) {
      const auto it = m_tree.find(name);
      return it == m_tree.end() ? m_members.size() : it->second;
    }
    for (size_t s = Slot(name) & (kSlots - 1); m_slots[s] != 0; s = (s + 1) & (kSlots - 1))
      if (m_members[m_slots[s] - 1].name == name) return m_slots[s] - 1;
    return m_members.size();
  }

  struct Member {
    std::string_view name;
    Index value;
    bool used = false;
  };
  const JsonDocument& m_doc;
  const Path& m_path;
  std::vector<Member> m_members;  // in file order
  std::vector<uint8_t> m_slots;   // positions + 1 by name hash, 0 free; empty: m_tree
  std::map<std::string_view, uint32_t> m_tree;
  size_t m_next = 0;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::vector<uint8_t> Hex(const JsonDocument& doc, Index v, const Path& where) {
  Expect(doc, v, JsonType::String, where);
  const std::string_view s = doc.String(v);
  if (s.size() % 2 != 0) Refuse(where.Text(), "hex bytes need two digits each");
  std::vector<uint8_t> out(s.size() / 2);
  for (size_t i = 0; i < out.size(); ++i) {
    const int hi = HexDigit(s[2 * i]), lo = HexDigit(s[2 * i + 1]);
    if (hi < 0 || lo < 0)
      Refuse(where.Text(), "'" + std::string(s.substr(2 * i, 2)) + "' is not a hex byte");
    out[i] = static_cast<uint8_t>(hi * 16 + lo);
  }
  return out;
}

// The first character of a UTF-8 text that GBK cannot hold, for the message.
std::string FirstUnencodable(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    const std::string_view ch = utf8.substr(i, n);
    std::string gbk;
    if (!Utf8ToGbk(ch, gbk, true)) return std::string(ch);
    i += n;
  }
  return {};
}

std::string Text(const JsonDocument& doc, Index v, const Path& where) {
  if (doc.Type(v) == JsonType::Object) {
    Members m(doc, v, where);
    const std::vector<uint8_t> bytes = Hex(doc, m.Need("gbk"), m.At("gbk"));
    m.Finish();
    return std::string(bytes.begin(), bytes.end());
  }
  if (doc.Type(v) != JsonType::String)
    Refuse(where.Text(),
           std::string("expected a text or {\"gbk\": HEX}, found ") + JsonTypeName(doc.Type(v)));
  std::string gbk;
  if (!Utf8ToGbk(doc.String(v), gbk, true)) {
    const std::string ch = FirstUnencodable(doc.String(v));
    Refuse(where.Text(), "the character \"" + ch + "\" has no GBK code");
  }
  return gbk;
}

uint32_t Get32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// Lists are made room for up to this many items at once: enough for every
// list the program writes, and a huge list of wrong items in a hand-made file
// is refused at its first item without having taken memory for all.
constexpr size_t kReserveAtMost = 256;

// Fills the visited fields from one JSON object.
class FillFields : public FieldVisitor {
 public:
  explicit FillFields(Members& members) : m_members(members), m_doc(members.Doc()) {}

  void Field(const char* name, uint8_t& v) override { v = static_cast<uint8_t>(Int(name, 0, 255)); }
  void Field(const char* name, uint16_t& v) override {
    v = static_cast<uint16_t>(Int(name, 0, 65535));
  }
  void Field(const char* name, int32_t& v) override {
    v = static_cast<int32_t>(Int(name, INT32_MIN, INT32_MAX));
  }
  void Text(const char* name, std::string& gbk) override {
    gbk = tavo::Text(m_doc, m_members.Need(name), m_members.At(name));
  }
  void TextList(const char* name, std::vector<std::string>& list) override {
    const Index a = m_members.Need(name);
    const Path path = m_members.At(name);
    Expect(m_doc, a, JsonType::Array, path);
    list.clear();
    list.reserve(std::min<size_t>(m_doc.Count(a), kReserveAtMost));
    Index k = JsonDocument::First(a);
    for (size_t i = 0; i < m_doc.Count(a); ++i, k = m_doc.After(k))
      list.push_back(tavo::Text(m_doc, k, {&path, {}, i}));
  }
  void IntList(const char* name, std::vector<int32_t>& values) override {
    const Index a = m_members.Need(name);
    const Path path = m_members.At(name);
    Expect(m_doc, a, JsonType::Array, path);
    values.clear();
    values.reserve(std::min<size_t>(m_doc.Count(a), kReserveAtMost));
    Index k = JsonDocument::First(a);
    for (size_t i = 0; i < m_doc.Count(a); ++i, k = m_doc.After(k))
      values.push_back(
          static_cast<int32_t>(Integer(m_doc, k, {&path, {}, i}, INT32_MIN, INT32_MAX)));
  }
  void Block(const char*, uint8_t* data, size_t size) override {
    m_block = data;
    m_blockSize = size;
  }
  // The picture: its header (stashed by Block) and pixels, from either form.
  void ByteList(const char* name, std::vector<uint8_t>& bytes) override {
    if (!m_block) Refuse(m_members.PathOf(name), "no picture header");
    if (m_members.Find("m_infoBlock") != kNone) {
      RawPicture(name, bytes);
    } else {
      RowPicture(name, bytes);
    }
    m_block = nullptr;
  }

 private:
  int64_t Int(const char* name, int64_t min, int64_t max) {
    return Integer(m_doc, m_members.Need(name), m_members.At(name), min, max);
  }

  void RawPicture(const char* name, std::vector<uint8_t>& bytes) {
    const std::vector<uint8_t> head =
        Hex(m_doc, m_members.Need("m_infoBlock"), m_members.At("m_infoBlock"));
    if (head.size() != m_blockSize)
      Refuse(m_members.PathOf("m_infoBlock"), "holds " + std::to_string(head.size()) +
                                                  " bytes, the picture header has " +
                                                  std::to_string(m_blockSize));
    std::memcpy(m_block, head.data(), m_blockSize);
    bytes = Hex(m_doc, m_members.Need(name), m_members.At(name));
    const uint32_t size = Get32(m_block + 20);
    if (bytes.size() != size)
      Refuse(m_members.PathOf(name), "holds " + std::to_string(bytes.size()) +
                                         " bytes, the header's image size is " +
                                         std::to_string(size));
  }

  void RowPicture(const char* name, std::vector<uint8_t>& bytes) {
    const int width = static_cast<int>(Int("m_width", 0, CUpLoadPic::kMaxWidth));
    const int height = static_cast<int>(Int("m_height", 0, CUpLoadPic::kMaxHeight));
    const Index rows = m_members.Need(name);
    const Path path = m_members.At(name);
    Expect(m_doc, rows, JsonType::Array, path);
    if (m_doc.Count(rows) != static_cast<size_t>(height))
      Refuse(path.Text(), "has " + std::to_string(m_doc.Count(rows)) + " rows, m_height is " +
                              std::to_string(height));
    CUpLoadPic own;
    own.SetSize(width, height);
    const size_t rowBytes = static_cast<size_t>(CUpLoadPic::RowBytes(width));
    Index k = JsonDocument::First(rows);
    for (size_t y = 0; y < m_doc.Count(rows); ++y, k = m_doc.After(k)) {
      const Path rowPath{&path, {}, y};
      Expect(m_doc, k, JsonType::String, rowPath);
      const std::string_view row = m_doc.String(k);
      if (row.size() != static_cast<size_t>(width))
        Refuse(rowPath.Text(), "has " + std::to_string(row.size()) + " pixels, m_width is " +
                                   std::to_string(width));
      uint8_t* out = own.m_bits.data() + (static_cast<size_t>(height) - 1 - y) * rowBytes;
      for (size_t x = 0; x < row.size(); ++x) {
        if (row[x] == '.')
          out[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        else if (row[x] != '#')
          Refuse(rowPath.Text(), "pixel " + std::to_string(x) + " is neither \"#\" nor \".\"");
      }
    }
    std::memcpy(m_block, own.m_infoBlock.data(), m_blockSize);
    bytes = std::move(own.m_bits);
  }

  Members& m_members;
  const JsonDocument& m_doc;
  uint8_t* m_block = nullptr;
  size_t m_blockSize = 0;
};

std::unique_ptr<CBase> Element(const JsonDocument& doc, Index v, const Path& path) {
  Members m(doc, v, path);
  const Index cls = m.Need("class");
  Expect(doc, cls, JsonType::String, m.At("class"));
  const std::string className(doc.String(cls));
  auto e = CreateElementByClass(className);
  if (!e) Refuse(m.PathOf("class"), "unknown element class \"" + Shown(className) + "\"");
  // The class fixes the kind: the stored kind must agree with it.
  const uint8_t kind = e->m_kind;
  FillFields fields(m);
  VisitElementFields(*e, fields);
  if (e->m_kind != kind)
    Refuse(m.PathOf("m_kind"), "kind " + std::to_string(e->m_kind) + " is not the kind of " +
                                   className + " (" + std::to_string(kind) + ")");
  m.Finish();
  return e;
}

std::unique_ptr<CMainView> Screen(const JsonDocument& doc, Index v, const Path& path) {
  Members m(doc, v, path);
  auto screen = std::make_unique<CMainView>();
  FillFields fields(m);
  VisitScreenFields(*screen, fields);
  const Path listPath = m.At("elements");
  const Index list = m.Need("elements");
  Expect(doc, list, JsonType::Array, listPath);
  Index k = JsonDocument::First(list);
  for (size_t i = 0; i < doc.Count(list); ++i, k = doc.After(k))
    screen->m_elements.push_back(Element(doc, k, {&listPath, {}, i}));
  m.Finish();
  return screen;
}

void Fill(const JsonDocument& doc, Project& project, uint8_t& protocol) {
  const Path root;
  Members top(doc, JsonDocument::kRoot, root);
  const Index format = top.Need("format");
  if (doc.Type(format) != JsonType::String || doc.String(format) != kTextFormName)
    Refuse("format", std::string("not a project text form (\"") + kTextFormName + "\" expected)");
  const int64_t version =
      Integer(doc, top.Need("formatVersion"), top.At("formatVersion"), 1, INT32_MAX);
  if (version > kTextFormVersion)
    Refuse("formatVersion", "version " + std::to_string(version) +
                                " is newer than this program reads (" +
                                std::to_string(kTextFormVersion) + ")");
  protocol = static_cast<uint8_t>(Integer(doc, top.Need("protocol"), top.At("protocol"), 0, 255));
  project.m_curScreen =
      static_cast<uint16_t>(Integer(doc, top.Need("m_curScreen"), top.At("m_curScreen"), 0, 65535));
  {
    const Path path = top.At("settings");
    Members settings(doc, top.Need("settings"), path);
    FillFields fields(settings);
    VisitSettingsFields(project.m_settings, fields);
    settings.Finish();
  }
  const Index screens = top.Need("screens");
  Expect(doc, screens, JsonType::Array, top.At("screens"));
  if (doc.Count(screens) == 0) Refuse("screens", "a project has at least one screen");
  project.m_screens.clear();
  Index k = JsonDocument::First(screens);
  const Path screensPath = top.At("screens");
  for (size_t i = 0; i < doc.Count(screens); ++i, k = doc.After(k))
    project.m_screens.push_back(Screen(doc, k, {&screensPath, {}, i}));
  if (project.m_curScreen >= project.m_screens.size())
    Refuse("m_curScreen", "there is no screen " + std::to_string(project.m_curScreen) + " (" +
                              std::to_string(project.m_screens.size()) + " screens)");
  {
    const Path path = top.At("alarmList");
    Members alarms(doc, top.Need("alarmList"), path);
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
  try {
    Project project;
    uint8_t protocol = 0;
    {
      JsonDocument doc;
      std::string syntax;
      if (!ParseJson(text, doc, syntax)) {
        error = {"", syntax};
        return false;
      }
      Fill(doc, project, protocol);
    }  // the document is let go before the file is made
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
