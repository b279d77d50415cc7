#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::test {

// Assembles project-file bytes by hand, little-endian, so tests compare the
// program's reader and writer against files they did not produce.
struct Bytes {
  std::vector<uint8_t> v;

  Bytes& u8(unsigned b) {
    v.push_back(static_cast<uint8_t>(b));
    return *this;
  }
  Bytes& w(unsigned x) { return u8(x & 0xFF).u8((x >> 8) & 0xFF); }
  Bytes& i32(int64_t x) {
    const auto u = static_cast<uint32_t>(x);
    return w(u & 0xFFFF).w(u >> 16);
  }
  Bytes& raw(std::string_view s) {
    v.insert(v.end(), s.begin(), s.end());
    return *this;
  }
  Bytes& zeros(size_t n) {
    v.insert(v.end(), n, 0);
    return *this;
  }
  // Shortest string prefix, then the bytes.
  Bytes& str(std::string_view s) {
    if (s.size() < 255)
      u8(static_cast<unsigned>(s.size()));
    else if (s.size() < 0xFFFE)
      u8(0xFF).w(static_cast<unsigned>(s.size()));
    else
      u8(0xFF).w(0xFFFF).i32(static_cast<int64_t>(s.size()));
    return raw(s);
  }
  Bytes& newClass(std::string_view name) {
    return w(0xFFFF).w(1).w(static_cast<unsigned>(name.size())).raw(name);
  }
  Bytes& append(const Bytes& o) {
    v.insert(v.end(), o.v.begin(), o.v.end());
    return *this;
  }
  size_t size() const { return v.size(); }
};

// The panel settings block (fields 5-23) with distinct values, as a version
// 12 file holds them.
struct SettingsBytes {
  unsigned curScreen = 0, protocol = 3, password = 1234, startScreen = 7, ctrlStation = 4,
           ctrlRegAddr = 0x1122, ctrlRegType = 2, saverScreen = 9, saverDelay = 5, ctrlFlags = 5,
           baud = 3, dataBits = 1, stopBits = 1, parity = 2, commParam = 17, protoMode = 1,
           saverAction = 1, commOption = 1, e5Timeout = 300;
};

// Header (tag, magic, version, mark) and settings of the given version.
inline Bytes FileHead(unsigned version, const SettingsBytes& s = {}, unsigned mark = 1) {
  Bytes b;
  b.u8(0x08).raw("Ormix").u8(version).u8(mark);
  b.w(s.curScreen).u8(s.protocol).w(s.password).w(s.startScreen).u8(s.ctrlStation);
  b.w(s.ctrlRegAddr).u8(s.ctrlRegType).w(s.saverScreen).u8(s.saverDelay).u8(s.ctrlFlags);
  b.u8(s.baud).u8(s.dataBits);
  if (version == 1) return b;  // the caller writes the stop-bits byte and what follows
  b.u8(s.stopBits).u8(s.parity).u8(s.commParam).u8(s.protoMode).u8(s.saverAction);
  b.u8(s.commOption);
  if (version >= 12) b.w(s.e5Timeout);
  return b;
}

// A screen record without elements (the tag is the caller's).
inline Bytes EmptyScreen(unsigned number, std::string_view description = "") {
  Bytes b;
  b.w(number).str(description).w((number - 1) & 0xFFFF).w((number + 1) & 0xFFFF).zeros(20).w(0);
  return b;
}

// An alarm list record.
inline Bytes AlarmRecord(const std::vector<std::string>& texts = {}, unsigned station = 1,
                         unsigned begin = 0, unsigned sub = 0, unsigned type = 0,
                         unsigned bit = 0) {
  Bytes b;
  b.u8(station).w(begin).u8(sub).u8(type).u8(bit).zeros(100).w(static_cast<unsigned>(texts.size()));
  for (auto& t : texts) b.str(t);
  return b;
}

// The smallest project: one empty screen 1, empty alarm list.
inline Bytes MinimalFile(unsigned version = 12, const SettingsBytes& s = {}) {
  Bytes b = FileHead(version, s);
  b.zeros(98).w(1).newClass("CMainView").append(EmptyScreen(1)).append(AlarmRecord());
  return b;
}

}  // namespace tavo::test
