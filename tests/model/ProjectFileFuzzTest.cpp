#include <gtest/gtest.h>

#include <random>

#include "base/Gbk.h"
#include "model/OrxBytes.h"
#include "model/ProjectFile.h"
#include "support/TempDir.h"

// Damaged copies of real project files: every one is read without a crash
// and either refused with one of the reader's messages or read into a
// project that writes out and reads back to the same bytes. Runs under the
// sanitizers in CI.
namespace tavo {
namespace {

using test::Bytes;

std::vector<std::vector<uint8_t>> Seeds() {
  std::vector<std::vector<uint8_t>> seeds;
  for (const char* name : {"all-elements.orx", "ktc-variables.orx", "siemens-s7-200.orx"}) {
    auto bytes = test::ReadBytes(std::string(TAVO_SOURCE_DIR) + "/examples/" + name);
    EXPECT_FALSE(bytes.empty()) << name;
    seeds.push_back(std::move(bytes));
  }
  // Version 1 and 10 files with a text, a light and a dynamic text.
  for (unsigned version : {1u, 10u}) {
    Bytes f = test::FileHead(version);
    if (version == 1) f.u8(0x81).u8(2).u8(17).u8(1).u8(1).u8(1);
    f.zeros(98).w(1).newClass("CMainView").w(1).str(G("画面")).w(0).w(2).zeros(20).w(3);
    f.newClass("CChars").u8(1).i32(8).i32(16).u8(0).u8(1).str(G("文字")).zeros(50);
    f.newClass("CLight").u8(3).i32(0).i32(0).u8(0).u8(0).u8(0).u8(1).u8(1).u8(0).w(7).u8(2);
    f.zeros(50);
    f.newClass("CDynamic").u8(8).i32(0).i32(32).u8(0).u8(0).u8(1).u8(0).w(0).u8(1).u8(1);
    f.w(2).str("a").str("bb").w(2).i32(1).i32(2).w(2).str("1").str("2").u8(0).zeros(99);
    f.append(test::AlarmRecord({G("报警"), "x"}));
    seeds.push_back(f.v);
  }
  return seeds;
}

bool IsRefusal(ProjectFileError e) {
  switch (e) {
    case ProjectFileError::NotOrx:
    case ProjectFileError::VersionMismatch:
    case ProjectFileError::BadIndex:
    case ProjectFileError::BadClass:
    case ProjectFileError::BadSchema:
    case ProjectFileError::EndOfFile:
    case ProjectFileError::ReadFailed:
      return true;
    default:
      return false;
  }
}

// Reads `bytes`; a refusal is fine, a read must write back to a file that
// reads and writes again to the same bytes.
void Check(const std::vector<uint8_t>& bytes) {
  Project p;
  ReadInfo info;
  const ProjectFileError e = ReadProjectBytes(bytes, p, info);
  if (e != ProjectFileError::None) {
    ASSERT_TRUE(IsRefusal(e));
    ASSERT_FALSE(ProjectFileMessage(e, "f.orx").text.empty());
    return;
  }
  ASSERT_GE(p.ScreenCount(), 1u);
  ASSERT_NE(p.CurrentScreen(), nullptr);
  const auto once = WriteProjectBytes(p, info.protocol);
  Project q;
  ReadInfo info2;
  ASSERT_EQ(ReadProjectBytes(once, q, info2), ProjectFileError::None);
  ASSERT_EQ(WriteProjectBytes(q, info2.protocol), once);
}

TEST(ProjectFileFuzz, EveryTruncationIsRefused) {
  for (const auto& seed : Seeds()) {
    Check(seed);
    for (size_t n = 0; n < seed.size(); ++n) {
      Project p;
      ReadInfo info;
      const ProjectFileError e = ReadProjectBytes(std::span(seed.data(), n), p, info);
      const ProjectFileError expected = n < 6   ? ProjectFileError::NotOrx
                                        : n < 8 ? ProjectFileError::VersionMismatch
                                                : ProjectFileError::EndOfFile;
      ASSERT_EQ(e, expected) << n;
    }
  }
}

TEST(ProjectFileFuzz, MutatedFilesReadOrAreRefused) {
  std::mt19937 rng(20261208);
  const auto seeds = Seeds();
  const uint32_t interesting[] = {0,       1,          0x7F,       0x80,       0xFF,
                                  0x7FFF,  0x8000,     0x8001,     0xFFFE,     0xFFFF,
                                  0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x80000003};
  auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
  size_t refused = 0, read = 0;
  for (int iteration = 0; iteration < 15000; ++iteration) {
    std::vector<uint8_t> f = seeds[pick(seeds.size())];
    const int edits = 1 + static_cast<int>(pick(4));
    for (int k = 0; k < edits && !f.empty(); ++k) {
      // Past the header most of the time, where the structure lives.
      const size_t at = f.size() > 8 && pick(8) ? 8 + pick(f.size() - 8) : pick(f.size());
      switch (pick(6)) {
        case 0:
          f[at] = static_cast<uint8_t>(rng());
          break;
        case 1:
          f[at] ^= static_cast<uint8_t>(1u << pick(8));
          break;
        case 2: {  // an absurd word or int32 somewhere
          const uint32_t v = interesting[pick(std::size(interesting))];
          const size_t width = pick(2) ? 2 : 4;
          for (size_t i = 0; i < width && at + i < f.size(); ++i)
            f[at + i] = static_cast<uint8_t>(v >> (8 * i));
          break;
        }
        case 3:
          f.resize(at);
          break;
        case 4:
          f.erase(f.begin() + static_cast<long>(at),
                  f.begin() + static_cast<long>(std::min(f.size(), at + 1 + pick(16))));
          break;
        case 5: {  // repeat a stretch
          const size_t len = std::min(f.size() - at, 1 + pick(64));
          std::vector<uint8_t> copy(f.begin() + static_cast<long>(at),
                                    f.begin() + static_cast<long>(at + len));
          f.insert(f.begin() + static_cast<long>(at), copy.begin(), copy.end());
          break;
        }
      }
    }
    Project p;
    ReadInfo info;
    (ReadProjectBytes(f, p, info) == ProjectFileError::None ? read : refused)++;
    Check(f);
    if (HasFatalFailure()) {
      ADD_FAILURE() << "iteration " << iteration;
      return;
    }
  }
  // Both roads were taken often enough to mean something.
  EXPECT_GT(read, 1000u) << refused;
  EXPECT_GT(refused, 1000u) << read;
}

}  // namespace
}  // namespace tavo
