#include "model/OrxRecord.h"

#include "base/Archive.h"

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

void WriteRecord(CArchive& ar, const OrxRecord& record) {
  for (const auto& f : record.fields) {
    switch (f.type) {
      case OrxField::kByte:
        ar.WriteByte(static_cast<uint8_t>(f.value));
        break;
      case OrxField::kWord:
        ar.WriteWord(static_cast<uint16_t>(f.value));
        break;
      case OrxField::kInt32:
        ar.WriteInt32(static_cast<int32_t>(f.value));
        break;
      case OrxField::kCount:
        ar.WriteCount(f.value);
        break;
      case OrxField::kReserved:
        ar.WriteReserved(f.value);
        break;
      case OrxField::kString:
        ar.WriteString(f.bytes);
        break;
      case OrxField::kRaw:
        ar.WriteBytes(reinterpret_cast<const uint8_t*>(f.bytes.data()), f.bytes.size());
        break;
    }
  }
}

}  // namespace tavo
