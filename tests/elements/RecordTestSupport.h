#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "elements/ImageShared.h"
#include "model/Base.h"

namespace tavo::test {

using Bytes = std::vector<uint8_t>;

// The record an element compiles to on its own: size, then record, then its
// shared data collected into `shared`.
inline Bytes CompileRecord(CBase& e, ImageShared& shared) {
  e.CalcCodeSize();
  e.Compile();
  e.CollectShared(shared);
  EXPECT_EQ(e.m_code.size(), e.m_codeSize);
  return e.m_code;
}

inline Bytes CompileRecord(CBase& e) {
  ImageShared shared;
  return CompileRecord(e, shared);
}

inline std::string Hex(const Bytes& b) {
  std::string s;
  char buf[4];
  for (uint8_t v : b) {
    std::snprintf(buf, sizeof buf, "%02X ", v);
    s += buf;
  }
  if (!s.empty()) s.pop_back();
  return s;
}

}  // namespace tavo::test
