#include "model/OrxRecord.h"

namespace tavo {

namespace {

uint64_t StringSize(uint64_t n) {
  if (n <= 254) return 1 + n;
  if (n <= 65533) return 3 + n;
  return 7 + n;
}

}  // namespace

uint64_t OrxRecord::Size() const {
  uint64_t size = 0;
  for (const auto& f : fields) {
    switch (f.type) {
      case OrxField::kByte:
        size += 1;
        break;
      case OrxField::kWord:
        size += 2;
        break;
      case OrxField::kInt32:
        size += 4;
        break;
      case OrxField::kCount:
        size += f.value < 0xFFFF ? 2 : 6;
        break;
      case OrxField::kReserved:
        size += f.value;
        break;
      case OrxField::kString:
        size += StringSize(f.bytes.size());
        break;
      case OrxField::kRaw:
        size += f.bytes.size();
        break;
    }
  }
  return size;
}

void OrxWriter::Word(uint16_t v) {
  m_out.push_back(static_cast<uint8_t>(v));
  m_out.push_back(static_cast<uint8_t>(v >> 8));
}

void OrxWriter::Int32(uint32_t v) {
  for (int i = 0; i < 4; ++i) m_out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void OrxWriter::String(std::string_view s) {
  size_t n = s.size();
  if (n <= 254) {
    Byte(static_cast<uint8_t>(n));
  } else if (n <= 65533) {
    Byte(0xFF);
    Word(static_cast<uint16_t>(n));
  } else {
    Byte(0xFF);
    Word(0xFFFF);
    Int32(static_cast<uint32_t>(n));
  }
  Raw(s);
}

void OrxWriter::Count(uint32_t n) {
  if (n < 0xFFFF) {
    Word(static_cast<uint16_t>(n));
  } else {
    Word(0xFFFF);
    Int32(n);
  }
}

void OrxWriter::Write(const OrxField& f) {
  switch (f.type) {
    case OrxField::kByte:
      Byte(static_cast<uint8_t>(f.value));
      break;
    case OrxField::kWord:
      Word(static_cast<uint16_t>(f.value));
      break;
    case OrxField::kInt32:
      Int32(f.value);
      break;
    case OrxField::kCount:
      Count(f.value);
      break;
    case OrxField::kReserved:
      Reserved(f.value);
      break;
    case OrxField::kString:
      String(f.bytes);
      break;
    case OrxField::kRaw:
      Raw(f.bytes);
      break;
  }
}

void OrxWriter::Write(const OrxRecord& r) {
  for (const auto& f : r.fields) Write(f);
}

void OrxWriter::BeginObject(std::string_view className) {
  auto it = m_classIndex.find(className);
  if (it == m_classIndex.end()) {
    Word(0xFFFF);
    Word(1);  // schema
    Word(static_cast<uint16_t>(className.size()));
    Raw(className);
    m_classIndex.emplace(std::string(className), m_nextIndex++);
  } else if (it->second < 0x7FFF) {
    Word(static_cast<uint16_t>(0x8000 | it->second));
  } else {
    // Class indices past 0x7FFE take the large tag with bit 31 set.
    Word(0x7FFF);
    Int32(0x80000000u | it->second);
  }
  ++m_nextIndex;  // the object itself
}

}  // namespace tavo
