#pragma once

#include <cstdint>

namespace tavo {

// The selected PLC protocol, 1..36: one value for the whole program, set on
// the window thread (base/WindowThread.h). Element constructors take their
// protocol-dependent defaults from it.
uint8_t CurrentProtocol();
void SetCurrentProtocol(uint8_t protocol);

// Selects a protocol for the life of the scope and puts the previous one back
// on every way out of it, a return or an exception.
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

}  // namespace tavo
