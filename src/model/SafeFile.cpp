#include "model/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

namespace tavo {

namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Follows a symbolic link at `path` so that the file it names is replaced,
// not the link. A dangling link names its target path.
std::string ResolveTarget(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char buf[PATH_MAX];
  std::string cur = path;
  for (int hops = 0; hops < 16; ++hops) {
    const ssize_t n = readlink(cur.c_str(), buf, sizeof buf - 1);
    if (n < 0) return cur;
    std::string next(buf, static_cast<size_t>(n));
    if (next.empty() || next[0] != '/') next = DirectoryOf(cur) + "/" + next;
    cur = next;
    if (lstat(cur.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return cur;
  }
  return cur;
}

int WriteAll(int fd, const uint8_t* p, size_t n) {
  while (n > 0) {
    const ssize_t w = write(fd, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (w == 0) return EIO;
    p += w;
    n -= static_cast<size_t>(w);
  }
  return 0;
}

// Writes into an existing device or pipe as it is. A pipe nobody reads is
// refused (ENXIO) rather than waited on; the writes themselves may wait.
int WriteInPlace(const std::string& path, std::span<const uint8_t> data) {
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return errno;
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int err = errno;
    close(fd);
    return err;
  }
  int err = WriteAll(fd, data.data(), data.size());
  if (close(fd) != 0 && !err) err = errno;
  return err;
}

}  // namespace

int WriteFileSafely(const std::string& path, std::span<const uint8_t> data) {
  // A device or a pipe ("-o /dev/null", "-o /dev/stdout") takes the bytes;
  // renaming a file over it would put a file in the device's place.
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
    return WriteInPlace(path, data);
  const std::string target = ResolveTarget(path);
  struct stat old;
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists) {
    if (S_ISDIR(old.st_mode)) return EISDIR;
    if (access(target.c_str(), W_OK) != 0) return errno;
  }

  // A fresh name beside the target, so the rename stays on one file system.
  const std::string dir = DirectoryOf(target);
  const auto slash = target.rfind('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::random_device rd;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = dir + "/." + base + ".tmp" + std::to_string(rd() % 1000000u);
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return errno;
  }
  if (fd < 0) return EEXIST;

  int err = 0;
  if (exists && fchmod(fd, old.st_mode & 07777) != 0) err = errno;
  if (!err) err = WriteAll(fd, data.data(), data.size());
  if (!err && fsync(fd) != 0) err = errno;
  if (close(fd) != 0 && !err) err = errno;
  if (!err && rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    unlink(temp.c_str());
    return err;
  }
  // Make the rename itself durable; a failure here leaves a complete file.
  const int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    fsync(dfd);
    close(dfd);
  }
  return 0;
}

}  // namespace tavo
