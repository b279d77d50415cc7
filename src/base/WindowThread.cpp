#include "base/WindowThread.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace tavo {

void ExpectWindowThread(const char* setting) {
  static const std::thread::id owner = std::this_thread::get_id();
  if (std::this_thread::get_id() == owner) return;
  std::fprintf(stderr, "tavo: %s set outside the window thread\n", setting);
  std::abort();
}

}  // namespace tavo
