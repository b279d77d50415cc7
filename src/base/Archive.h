#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// Why reading a project file's stream stopped. Each maps to one of the
// messages the file reader shows.
enum class ArchiveError {
  EndOfFile,  // the file ends inside a value, or a length/count exceeds what is left
  BadIndex,   // an object tag names an index that was never given out
  BadClass,   // an unknown class, an overlong class name, a reference or null tag
  BadSchema,  // a class description with a schema other than 1
  Generic,    // anything else (a value the writer cannot encode)
};

class ArchiveException : public std::runtime_error {
 public:
  ArchiveException(ArchiveError error, const char* what)
      : std::runtime_error(what), m_error(error) {}
  ArchiveError Error() const { return m_error; }

 private:
  ArchiveError m_error;
};

// The serialisable classes a project file may name, with the index the
// reader reports for them.
enum class ArchiveClass : uint8_t {
  Base,  // CBase: registered, but never stored on its own
  Screen,
  Text,
  Register,
  Light,
  Key,
  Picture,
  Bar,
  Trend,
  Dynamic,
};
const char* ArchiveClassName(ArchiveClass c);
// The class of a registered name; false for any other name.
bool ArchiveClassByName(std::string_view name, ArchiveClass& out);

// The project file's little-endian value stream with its object tags. One
// archive either reads from a byte buffer (every read is bounded by what is
// left; running out throws ArchiveException EndOfFile) or writes into its own
// buffer. Records use the Io* helpers to read or write with one piece of code.
class CArchive {
 public:
  // Writing: starts with an empty buffer.
  CArchive();
  // Reading: the bytes must outlive the archive.
  explicit CArchive(std::span<const uint8_t> data);

  bool IsLoading() const { return m_loading; }
  bool IsStoring() const { return !m_loading; }
  // The format version of the file being read (records hold fewer fields in
  // older versions); the version being written when storing.
  uint8_t FileVersion() const { return m_fileVersion; }
  void SetFileVersion(uint8_t version) { m_fileVersion = version; }

  // ---- reading ----
  uint8_t ReadByte();
  uint16_t ReadWord();
  int32_t ReadInt32();
  void ReadBytes(uint8_t* out, size_t n);
  // n bytes; refused (EndOfFile) before allocating when fewer are left.
  std::vector<uint8_t> ReadBlock(size_t n);
  // A string in any of its encodings, as GBK bytes. The wide form is
  // converted; characters GBK cannot hold become '?'.
  std::string ReadString();
  // A list count; throws EndOfFile when `count * minItemBytes` exceeds what is
  // left, so no list is ever sized beyond what the file can hold.
  size_t ReadCount(size_t minItemBytes);
  void SkipReserved(size_t n);
  size_t Remaining() const { return m_data.size() - m_pos; }
  size_t Position() const { return m_pos; }

  // Reads an object tag and, for a new class, its description. Returns the
  // class of the object whose record follows. Null tags and references to
  // objects are refused (BadClass): this program writes every object once.
  ArchiveClass ReadObjectTag();

  // ---- writing ----
  void WriteByte(uint8_t v);
  void WriteWord(uint16_t v);
  void WriteInt32(int32_t v);
  void WriteBytes(const uint8_t* data, size_t n);
  // Shortest length prefix, then the bytes (no terminator).
  void WriteString(std::string_view gbk);
  void WriteCount(size_t count);
  void WriteReserved(size_t n);
  // Writes the tag of a new object of that class: a class description the
  // first time the class occurs, a class reference afterwards.
  void WriteObjectTag(ArchiveClass c);
  const std::vector<uint8_t>& Buffer() const { return m_out; }
  std::vector<uint8_t> TakeBuffer() { return std::move(m_out); }

  // ---- either direction ----
  void Io(uint8_t& v) { m_loading ? void(v = ReadByte()) : WriteByte(v); }
  void Io(uint16_t& v) { m_loading ? void(v = ReadWord()) : WriteWord(v); }
  void Io(int32_t& v) { m_loading ? void(v = ReadInt32()) : WriteInt32(v); }
  void IoString(std::string& v) { m_loading ? void(v = ReadString()) : WriteString(v); }
  void IoBytes(uint8_t* data, size_t n) { m_loading ? ReadBytes(data, n) : WriteBytes(data, n); }
  // Reserved block: zeros when writing, skipped when reading.
  void Reserved(size_t n) { m_loading ? SkipReserved(n) : WriteReserved(n); }
  // Count, then each string; reading replaces the list.
  void IoStringList(std::vector<std::string>& list);
  // Count, then each value as 4 bytes; reading replaces the list.
  void IoInt32List(std::vector<int32_t>& list);

 private:
  void Need(size_t n) const;
  size_t ReadLengthPrefix(bool allowWide, bool& wide);
  ArchiveClass ClassAtIndex(uint32_t index) const;

  bool m_loading;
  uint8_t m_fileVersion = 0;
  // Reading.
  std::span<const uint8_t> m_data;
  size_t m_pos = 0;
  // What each index given out so far stands for: a class, or an object.
  std::vector<uint8_t> m_indexKinds;
  // Writing.
  std::vector<uint8_t> m_out;
  uint32_t m_nextIndex = 1;
  uint32_t m_classIndex[16] = {};  // 0: class not yet written
};

}  // namespace tavo
