#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace tavo {

// Writes all `size` bytes to `fd`, going on after partial writes and signals.
// On a non-blocking descriptor (a serial line, a pseudo-terminal) it waits
// for room; when no byte could be written for `stall`, the line is taken as
// stuck. Returns 0, or the errno value of the failure (ETIMEDOUT for a stuck
// line, EIO for a descriptor that takes no bytes).
int WriteAll(int fd, const uint8_t* data, size_t size,
             std::chrono::milliseconds stall = std::chrono::milliseconds::max());

}  // namespace tavo
