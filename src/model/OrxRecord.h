#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Records of a project file as plain lists of typed fields, and a writer that
// puts them, with the tagged-object framing, into the file's byte stream. The
// old-project converter builds its records this way instead of building
// element objects.
namespace tavo {

struct OrxField {
  enum Type : uint8_t { kByte, kWord, kInt32, kString, kCount, kReserved, kRaw };
  Type type = kByte;
  uint32_t value = 0;  // the number; for kReserved the byte count
  std::string bytes;   // kString: the GBK text; kRaw: bytes written as they are

  bool operator==(const OrxField&) const = default;
};

class OrxRecord {
 public:
  OrxRecord& Byte(uint32_t v) { return Add(OrxField::kByte, v & 0xFF); }
  OrxRecord& Word(uint32_t v) { return Add(OrxField::kWord, v & 0xFFFF); }
  OrxRecord& Int32(uint32_t v) { return Add(OrxField::kInt32, v); }
  OrxRecord& Count(uint32_t n) { return Add(OrxField::kCount, n); }
  OrxRecord& Reserved(uint32_t n) { return Add(OrxField::kReserved, n); }
  OrxRecord& String(std::string_view s) { return Add(OrxField::kString, 0, s); }
  OrxRecord& Raw(std::string_view s) { return Add(OrxField::kRaw, 0, s); }
  OrxRecord& Append(const OrxRecord& other) {
    fields.insert(fields.end(), other.fields.begin(), other.fields.end());
    return *this;
  }

  // Encoded size in bytes.
  uint64_t Size() const;

  std::vector<OrxField> fields;

 private:
  OrxRecord& Add(OrxField::Type t, uint32_t v, std::string_view s = {}) {
    fields.push_back({t, v, std::string(s)});
    return *this;
  }
};

// Writes project-file values little-endian into a byte buffer, with the
// string and count encodings and the object tags of the file. One running
// index counts class descriptions and objects across the whole file.
class OrxWriter {
 public:
  void Byte(uint8_t v) { m_out.push_back(v); }
  void Word(uint16_t v);
  void Int32(uint32_t v);
  void String(std::string_view s);
  void Count(uint32_t n);
  void Reserved(uint32_t n) { m_out.insert(m_out.end(), n, 0); }
  void Raw(std::string_view s) { m_out.insert(m_out.end(), s.begin(), s.end()); }
  void Write(const OrxField& f);
  void Write(const OrxRecord& r);

  // Starts a tagged object of the class: a new-class tag with schema 1 and
  // the name the first time, a class reference afterwards. Advances the
  // running index for the description (first time) and for the object.
  void BeginObject(std::string_view className);

  // The index the next class description or object would take.
  uint32_t NextIndex() const { return m_nextIndex; }

  const std::vector<uint8_t>& Bytes() const { return m_out; }
  std::vector<uint8_t> Take() { return std::move(m_out); }

 private:
  std::vector<uint8_t> m_out;
  std::map<std::string, uint32_t, std::less<>> m_classIndex;
  uint32_t m_nextIndex = 1;  // 0 means "no object"
};

}  // namespace tavo
