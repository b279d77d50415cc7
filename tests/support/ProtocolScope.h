#pragma once

#include <cstdint>

#include "plc/Protocol.h"

namespace tavo::test {

// Selects a protocol for the lifetime of the scope and restores the previous one.
class ProtocolScope {
 public:
  explicit ProtocolScope(uint8_t protocol) : saved_(CurrentProtocol()) {
    SetCurrentProtocol(protocol);
  }
  ~ProtocolScope() { SetCurrentProtocol(saved_); }
  ProtocolScope(const ProtocolScope&) = delete;
  ProtocolScope& operator=(const ProtocolScope&) = delete;

 private:
  uint8_t saved_;
};

}  // namespace tavo::test
