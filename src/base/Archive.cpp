#include "base/Archive.h"

#include <cstring>

#include "base/Gbk.h"

namespace tavo {

namespace {

// Tag words of the object stream.
constexpr uint16_t kNullTag = 0x0000;
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;      // + class index below kBigObjectTag
constexpr uint16_t kBigObjectTag = 0x7FFF;  // an int32 follows
constexpr uint32_t kBigClassFlag = 0x80000000u;
constexpr uint16_t kSchema = 1;
constexpr size_t kMaxClassName = 63;
// Marks an index that stands for an object, not a class.
constexpr uint8_t kObjectIndex = 0xFF;

constexpr const char* kClassNames[] = {"CBase",  "CMainView", "CChars",     "CRegister",
                                       "CLight", "CFunction", "CUpLoadPic", "CBar",
                                       "CTide",  "CDynamic"};
constexpr size_t kClassCount = sizeof kClassNames / sizeof kClassNames[0];

[[noreturn]] void Fail(ArchiveError e, const char* what) {
  throw ArchiveException(e, what);
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// UTF-16 code units to GBK; unpaired surrogates and characters GBK cannot
// hold become '?'.
std::string WideToGbk(const std::vector<uint16_t>& units) {
  std::string utf8;
  utf8.reserve(units.size() * 3);
  for (size_t i = 0; i < units.size(); ++i) {
    uint32_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      AppendUtf8(utf8, 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      AppendUtf8(utf8, 0xFFFD);
    } else {
      AppendUtf8(utf8, u);
    }
  }
  return Utf8ToGbk(utf8);
}

}  // namespace

const char* ArchiveClassName(ArchiveClass c) {
  const auto i = static_cast<size_t>(c);
  return i < kClassCount ? kClassNames[i] : "";
}

bool ArchiveClassByName(std::string_view name, ArchiveClass& out) {
  for (size_t i = 0; i < kClassCount; ++i)
    if (name == kClassNames[i]) {
      out = static_cast<ArchiveClass>(i);
      return true;
    }
  return false;
}

CArchive::CArchive() : m_loading(false), m_fileVersion(12) {}

CArchive::CArchive(std::span<const uint8_t> data) : m_loading(true), m_data(data) {
  m_indexKinds.push_back(kObjectIndex);  // index 0 is "no object"
}

// ---- reading ----

void CArchive::Need(size_t n) const {
  if (n > Remaining()) Fail(ArchiveError::EndOfFile, "end of file");
}

uint8_t CArchive::ReadByte() {
  Need(1);
  return m_data[m_pos++];
}

uint16_t CArchive::ReadWord() {
  Need(2);
  const uint16_t v = static_cast<uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
  m_pos += 2;
  return v;
}

int32_t CArchive::ReadInt32() {
  Need(4);
  const uint32_t v = uint32_t(m_data[m_pos]) | (uint32_t(m_data[m_pos + 1]) << 8) |
                     (uint32_t(m_data[m_pos + 2]) << 16) | (uint32_t(m_data[m_pos + 3]) << 24);
  m_pos += 4;
  return static_cast<int32_t>(v);
}

void CArchive::ReadBytes(uint8_t* out, size_t n) {
  Need(n);
  if (n) std::memcpy(out, m_data.data() + m_pos, n);
  m_pos += n;
}

std::vector<uint8_t> CArchive::ReadBlock(size_t n) {
  Need(n);
  std::vector<uint8_t> block(m_data.begin() + static_cast<long>(m_pos),
                             m_data.begin() + static_cast<long>(m_pos + n));
  m_pos += n;
  return block;
}

void CArchive::SkipReserved(size_t n) {
  Need(n);
  m_pos += n;
}

size_t CArchive::ReadLengthPrefix(bool allowWide, bool& wide) {
  const uint8_t b = ReadByte();
  if (b < 0xFF) return b;
  const uint16_t w = ReadWord();
  if (w == 0xFFFE && allowWide) {
    // A wide string: its own length prefix follows.
    wide = true;
    return ReadLengthPrefix(false, wide);
  }
  if (w < 0xFFFF) return w;
  return static_cast<uint32_t>(ReadInt32());
}

std::string CArchive::ReadString() {
  bool wide = false;
  const size_t len = ReadLengthPrefix(true, wide);
  if (!wide) {
    Need(len);
    std::string s(reinterpret_cast<const char*>(m_data.data() + m_pos), len);
    m_pos += len;
    return s;
  }
  if (len > Remaining() / 2) Fail(ArchiveError::EndOfFile, "end of file in a wide string");
  std::vector<uint16_t> units(len);
  for (auto& u : units) u = ReadWord();
  return WideToGbk(units);
}

size_t CArchive::ReadCount(size_t minItemBytes) {
  size_t n = ReadWord();
  if (n == 0xFFFF) n = static_cast<uint32_t>(ReadInt32());
  if (minItemBytes > 0 && n > Remaining() / minItemBytes)
    Fail(ArchiveError::EndOfFile, "count beyond the end of file");
  return n;
}

ArchiveClass CArchive::ClassAtIndex(uint32_t index) const {
  if (index >= m_indexKinds.size() || m_indexKinds[index] == kObjectIndex)
    Fail(ArchiveError::BadIndex, "class index never given out");
  return static_cast<ArchiveClass>(m_indexKinds[index]);
}

ArchiveClass CArchive::ReadObjectTag() {
  const uint16_t tag = ReadWord();
  ArchiveClass cls;
  if (tag == kNewClassTag) {
    const uint16_t schema = ReadWord();
    const uint16_t nameLen = ReadWord();
    if (nameLen > kMaxClassName) Fail(ArchiveError::BadClass, "class name too long");
    char name[kMaxClassName];
    ReadBytes(reinterpret_cast<uint8_t*>(name), nameLen);
    if (!ArchiveClassByName(std::string_view(name, nameLen), cls))
      Fail(ArchiveError::BadClass, "unknown class");
    if (schema != kSchema) Fail(ArchiveError::BadSchema, "schema mismatch");
    m_indexKinds.push_back(static_cast<uint8_t>(cls));
  } else if (tag & kClassTag) {
    cls = ClassAtIndex(tag & 0x7FFFu);
  } else if (tag == kBigObjectTag) {
    const auto big = static_cast<uint32_t>(ReadInt32());
    if (!(big & kBigClassFlag)) {
      if (big < m_indexKinds.size()) Fail(ArchiveError::BadClass, "reference to an object");
      Fail(ArchiveError::BadIndex, "object index never given out");
    }
    cls = ClassAtIndex(big & ~kBigClassFlag);
  } else if (tag == kNullTag) {
    Fail(ArchiveError::BadClass, "null object");
  } else {
    // A reference to an object already read: every object is stored once.
    if (tag < m_indexKinds.size()) Fail(ArchiveError::BadClass, "reference to an object");
    Fail(ArchiveError::BadIndex, "object index never given out");
  }
  m_indexKinds.push_back(kObjectIndex);  // the object that follows
  return cls;
}

// ---- writing ----

void CArchive::WriteByte(uint8_t v) {
  m_out.push_back(v);
}

void CArchive::WriteWord(uint16_t v) {
  m_out.push_back(static_cast<uint8_t>(v));
  m_out.push_back(static_cast<uint8_t>(v >> 8));
}

void CArchive::WriteInt32(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) m_out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

void CArchive::WriteBytes(const uint8_t* data, size_t n) {
  if (n) m_out.insert(m_out.end(), data, data + n);
}

void CArchive::WriteString(std::string_view gbk) {
  const size_t n = gbk.size();
  if (n < 0xFF) {
    WriteByte(static_cast<uint8_t>(n));
  } else if (n < 0xFFFE) {
    WriteByte(0xFF);
    WriteWord(static_cast<uint16_t>(n));
  } else {
    if (n > 0x7FFFFFFF) Fail(ArchiveError::Generic, "string too long");
    WriteByte(0xFF);
    WriteWord(0xFFFF);
    WriteInt32(static_cast<int32_t>(n));
  }
  WriteBytes(reinterpret_cast<const uint8_t*>(gbk.data()), n);
}

void CArchive::WriteCount(size_t count) {
  if (count < 0xFFFF) {
    WriteWord(static_cast<uint16_t>(count));
  } else {
    if (count > 0x7FFFFFFF) Fail(ArchiveError::Generic, "list too long");
    WriteWord(0xFFFF);
    WriteInt32(static_cast<int32_t>(count));
  }
}

void CArchive::WriteReserved(size_t n) {
  m_out.insert(m_out.end(), n, 0);
}

void CArchive::WriteObjectTag(ArchiveClass c) {
  const auto i = static_cast<size_t>(c);
  if (i >= kClassCount) Fail(ArchiveError::Generic, "unregistered class");
  if (m_nextIndex >= 0x7FFFFFFE) Fail(ArchiveError::Generic, "too many objects");
  uint32_t& classIndex = m_classIndex[i];
  if (classIndex == 0) {
    const std::string_view name = kClassNames[i];
    WriteWord(kNewClassTag);
    WriteWord(kSchema);
    WriteWord(static_cast<uint16_t>(name.size()));
    WriteBytes(reinterpret_cast<const uint8_t*>(name.data()), name.size());
    classIndex = m_nextIndex++;
  } else if (classIndex < kBigObjectTag) {
    WriteWord(static_cast<uint16_t>(kClassTag | classIndex));
  } else {
    WriteWord(kBigObjectTag);
    WriteInt32(static_cast<int32_t>(kBigClassFlag | classIndex));
  }
  ++m_nextIndex;  // the object itself
}

// ---- either direction ----

void CArchive::IoStringList(std::vector<std::string>& list) {
  if (IsStoring()) {
    WriteCount(list.size());
    for (auto& s : list) WriteString(s);
    return;
  }
  const size_t n = ReadCount(1);
  list.clear();
  for (size_t i = 0; i < n; ++i) list.push_back(ReadString());
}

void CArchive::IoInt32List(std::vector<int32_t>& list) {
  if (IsStoring()) {
    WriteCount(list.size());
    for (int32_t v : list) WriteInt32(v);
    return;
  }
  const size_t n = ReadCount(4);
  list.resize(n);
  for (auto& v : list) v = ReadInt32();
}

}  // namespace tavo
