// The safe writer when saves die: killed in the middle, a save leaves the
// old file or the whole new one, and nothing named beside it for long.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "base/SafeFile.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::vector<std::string> NamesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

using Writer = int (*)(const std::string&, std::span<const uint8_t>);

// Saves two versions in turn in a child process and kills it at a random
// moment, many times over. Returns how many kills left a file beside.
int KillSavesOf(Writer write, const std::string& dirPath, int rounds) {
  const std::string path = dirPath + "/p.orx";
  const std::vector<uint8_t> a(300000, 'a'), b(200000, 'b');
  EXPECT_EQ(write(path, a), 0);
  std::mt19937 rng(5);
  int leftovers = 0;
  for (int round = 0; round < rounds; ++round) {
    const pid_t child = fork();
    if (child < 0) {
      ADD_FAILURE() << "fork";
      return leftovers;
    }
    if (child == 0) {
      for (int i = 0; i < 100000; ++i) write(path, i % 2 ? a : b);
      _exit(0);
    }
    usleep(200 + rng() % 3000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const auto got = ReadBytes(path);
    EXPECT_TRUE(got == a || got == b) << "round " << round << ": " << got.size() << " bytes";
    // A leftover of an earlier kill goes with the next save that gets far
    // enough to look (on a busy machine a child may be killed before that).
    const size_t beside = NamesIn(dirPath).size() - 1;
    EXPECT_LE(beside, static_cast<size_t>(round + 1)) << "round " << round;
    leftovers += beside > 0;
  }
  // One more save cleans up what the last kill left.
  EXPECT_EQ(write(path, b), 0);
  EXPECT_EQ(NamesIn(dirPath), std::vector<std::string>{"p.orx"});
  return leftovers;
}

TEST(SafeFile, KilledSavesLeaveTheTargetWholeAndNothingNamed) {
  TempDir dir;
  const int leftovers = KillSavesOf(WriteFileSafely, dir.path, 150);
  // The new file has a name of its own only between two system calls.
  EXPECT_LE(leftovers, 15);
  RecordProperty("leftovers", leftovers);
}

TEST(SafeFile, KilledNamedSavesAreCleanedUpByTheNextSave) {
  // Where the file system has no nameless files, most kills land while the
  // hidden file is written; the next save removes it.
  TempDir dir;
  const int leftovers = KillSavesOf(WriteFileSafelyNamed, dir.path, 60);
  EXPECT_GT(leftovers, 0);
  RecordProperty("leftovers", leftovers);
}

TEST(SafeFile, OnlyUnlockedLeftoversOfTheSameFileAreRemoved) {
  for (Writer write : {WriteFileSafely, WriteFileSafelyNamed}) {
    TempDir dir;
    const std::vector<uint8_t> data = {1, 2, 3};
    const std::vector<std::string> kept = {
        ".other.orx.tmp123",  // another file's
        ".p.orx.tmp12x",      // not a save's name
        ".p.orx.tmp1234567",  // too many digits
        ".p.orx.tmp555",      // held by a save that is running
        "p.orx.tmp123",       // not hidden
    };
    for (const auto& name : kept) WriteBytes(dir.File(name), data);
    WriteBytes(dir.File(".p.orx.tmp42"), data);      // a dead save's
    WriteBytes(dir.File(".p.orx.tmp999999"), data);  // a dead save's
    const int held = open(dir.File(".p.orx.tmp555").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    ASSERT_EQ(write(dir.File("p.orx"), data), 0);
    close(held);
    auto want = kept;
    want.push_back("p.orx");
    std::sort(want.begin(), want.end());
    EXPECT_EQ(NamesIn(dir.path), want);
    EXPECT_EQ(ReadBytes(dir.File("p.orx")), data);
  }
}

TEST(SafeFile, BothWaysReplaceOrCreateTheFile) {
  for (Writer write : {WriteFileSafely, WriteFileSafelyNamed}) {
    TempDir dir;
    const std::string path = dir.File("p.orx");
    const std::vector<uint8_t> one = {1}, two(5000, 2);
    ASSERT_EQ(write(path, one), 0);
    EXPECT_EQ(ReadBytes(path), one);
    ASSERT_EQ(chmod(path.c_str(), 0604), 0);
    ASSERT_EQ(write(path, two), 0);
    EXPECT_EQ(ReadBytes(path), two);
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0604u);
    ASSERT_EQ(write(path, {}), 0);
    EXPECT_TRUE(ReadBytes(path).empty());
    EXPECT_EQ(NamesIn(dir.path), std::vector<std::string>{"p.orx"});
  }
}

}  // namespace
}  // namespace tavo
