#pragma once

#include <cstdint>

#include "base/PanelSettings.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"

namespace tavo::test {

// Selects a protocol and rebuilds the program's profile for the lifetime of
// the scope (register-type codes come from the profile); restores both after.
class ProfileScope {
 public:
  explicit ProfileScope(uint8_t protocol) : saved_(CurrentProtocol()) {
    PanelSettings scratch;
    ApplyProtocol(protocol, scratch);
  }
  ~ProfileScope() {
    PanelSettings scratch;
    ApplyProtocol(saved_, scratch);
  }
  ProfileScope(const ProfileScope&) = delete;
  ProfileScope& operator=(const ProfileScope&) = delete;

 private:
  uint8_t saved_;
};

}  // namespace tavo::test
