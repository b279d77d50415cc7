#pragma once

#include <optional>

namespace tavo::app {

struct LockKeyStates {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

// The keyboard's lock indicators, where the platform reports them (X11);
// nullopt elsewhere.
std::optional<LockKeyStates> QueryLockKeys();

}  // namespace tavo::app
