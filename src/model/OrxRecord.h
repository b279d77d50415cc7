#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Records of a project file as plain lists of typed fields. The old-project
// converter builds its records this way instead of building element objects.
namespace tavo {

class CArchive;

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

// Writes the fields through the project file's archive (CArchive in write
// mode), so the encodings are the project writer's own.
void WriteRecord(CArchive& ar, const OrxRecord& record);

}  // namespace tavo
