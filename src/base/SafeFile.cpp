#include "base/SafeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

#include "base/WriteAll.h"

namespace tavo {

namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
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

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The hidden name a save gives its new file beside the target while it is
// put in place: ".NAME.tmp" and up to six digits.
std::string TempPrefix(const std::string& base) {
  return "." + base + ".tmp";
}

bool IsTempName(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.size() > prefix.size() + 6) return false;
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  for (size_t i = prefix.size(); i < name.size(); ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  return true;
}

// Removes what saves of the same file that were killed left beside it. A
// save holds a lock on its new file for as long as that file has a name of
// its own, and the lock goes with the process: a temporary file nobody holds
// locked belongs to a save that died.
void RemoveLeftovers(const std::string& dir, const std::string& base) {
  DIR* d = opendir(dir.c_str());
  if (!d) return;
  const std::string prefix = TempPrefix(base);
  while (const dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (!IsTempName(name, prefix)) continue;
    const std::string path = dir + "/" + name;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat held, named;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        lstat(path.c_str(), &named) == 0 && SameFile(held, named))
      unlink(path.c_str());
    close(fd);
  }
  closedir(d);
}

// Opens a new locked file under a fresh hidden name beside the target. The
// lock is checked to be on the file still named so: a save cleaning up
// leftovers may have taken the name away between the create and the lock.
int CreateNamedTemp(const std::string& dir, const std::string& base, std::string& temp) {
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = dir + "/" + TempPrefix(base) + std::to_string(rd() % 1000000u);
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno != EEXIST) return -errno;
      continue;
    }
    struct stat held, named;
    if (flock(fd, LOCK_EX) == 0 && fstat(fd, &held) == 0 && lstat(temp.c_str(), &named) == 0 &&
        SameFile(held, named))
      return fd;
    close(fd);
  }
  return -EEXIST;
}

// Gives the nameless file `fd` the name `name`; fails with EEXIST when the
// name is taken.
int LinkNameless(int fd, const std::string& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno == EEXIST) return EEXIST;
  // Without /proc, a link from the descriptor itself (needs privilege).
  if (linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return 0;
  return errno;
}

void SyncDirectory(const std::string& dir) {
  const int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd < 0) return;
  fsync(dfd);
  close(dfd);
}

// Fills the new file: the old file's permission bits, the bytes, flushed.
int Fill(int fd, const struct stat* old, std::span<const uint8_t> data) {
  if (old && fchmod(fd, old->st_mode & 07777) != 0) return errno;
  if (const int err = WriteAll(fd, data.data(), data.size())) return err;
  if (fsync(fd) != 0) return errno;
  return 0;
}

enum class Nameless { Done, Failed, Unavailable };

// The new file has no name while it is written (O_TMPFILE), so a save killed
// then leaves nothing. It gets the target's name at once when there is no
// file there, else a hidden name that is at once renamed over the target.
Nameless SaveNameless(const std::string& dir, const std::string& target, const std::string& base,
                      const struct stat* old, std::span<const uint8_t> data, int& err) {
  const int fd = open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) {
    // EOPNOTSUPP: the file system has no nameless files; EISDIR, EINVAL:
    // the kernel does not know the flag.
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return Nameless::Unavailable;
    err = errno;
    return Nameless::Failed;
  }
  // Locked before it has a name, so that no other save takes it for a leftover.
  flock(fd, LOCK_EX);
  err = Fill(fd, old, data);
  if (err) {
    close(fd);
    return Nameless::Failed;
  }
  int linked = old ? EEXIST : LinkNameless(fd, target);
  if (linked == EEXIST) {
    std::random_device rd;
    std::string temp;
    for (int attempt = 0; attempt < 100 && linked == EEXIST; ++attempt) {
      temp = dir + "/" + TempPrefix(base) + std::to_string(rd() % 1000000u);
      linked = LinkNameless(fd, temp);
    }
    if (linked == 0 && rename(temp.c_str(), target.c_str()) != 0) {
      err = errno;
      unlink(temp.c_str());
      close(fd);
      return Nameless::Failed;
    }
  }
  if (linked != 0) {
    close(fd);
    // No way to give the file a name here (no /proc, no privilege): the
    // named way still works.
    if (linked == ENOENT || linked == EPERM || linked == EACCES || linked == EXDEV)
      return Nameless::Unavailable;
    err = linked;
    return Nameless::Failed;
  }
  // Its bytes are on the disk and it is in place: nothing a close could
  // report is lost.
  close(fd);
  return Nameless::Done;
}

int SaveNamed(const std::string& dir, const std::string& target, const std::string& base,
              const struct stat* old, std::span<const uint8_t> data) {
  std::string temp;
  const int fd = CreateNamedTemp(dir, base, temp);
  if (fd < 0) return -fd;
  int err = Fill(fd, old, data);
  if (!err && rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) unlink(temp.c_str());
  if (close(fd) != 0 && !err) err = errno;
  return err;
}

int Write(const std::string& path, std::span<const uint8_t> data, bool nameless) {
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

  // The new file is made beside the target, so that it moves into place on
  // one file system.
  const std::string dir = DirectoryOf(target);
  const std::string base = BaseOf(target);
  RemoveLeftovers(dir, base);
  int err = 0;
  const Nameless way = nameless
                           ? SaveNameless(dir, target, base, exists ? &old : nullptr, data, err)
                           : Nameless::Unavailable;
  if (way == Nameless::Failed) return err;
  if (way == Nameless::Unavailable) {
    err = SaveNamed(dir, target, base, exists ? &old : nullptr, data);
    if (err) return err;
  }
  // Make the new name itself durable; a failure here leaves a complete file.
  SyncDirectory(dir);
  return 0;
}

}  // namespace

int WriteFileSafely(const std::string& path, std::span<const uint8_t> data) {
  return Write(path, data, true);
}

int WriteFileSafelyNamed(const std::string& path, std::span<const uint8_t> data) {
  return Write(path, data, false);
}

}  // namespace tavo
