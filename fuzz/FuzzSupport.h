#pragma once

// Shared by the fuzz targets: readers that take a path get the fuzzer's
// bytes through an in-memory file, so that no run touches the disk.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace tavo::fuzz {

// A regular file in memory holding the bytes; Path() names it for open().
class MemoryFile {
 public:
  MemoryFile(const uint8_t* data, size_t size) {
    fd_ = memfd_create("tavo-fuzz", MFD_CLOEXEC);
    if (fd_ < 0) std::abort();
    size_t done = 0;
    while (done < size) {
      const ssize_t n = write(fd_, data + done, size - done);
      if (n <= 0) std::abort();
      done += static_cast<size_t>(n);
    }
  }
  ~MemoryFile() { close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

 private:
  int fd_ = -1;
};

// A property the reader promises was broken: stop with the input kept.
inline void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace tavo::fuzz
