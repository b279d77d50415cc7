#include <gtest/gtest.h>

#include <random>

#include "download/Frame.h"
#include "download/TransferPlan.h"

namespace tavo::link {
namespace {

TEST(Frame, EditorFramesHaveTheirLengthAndChecksum) {
  EXPECT_EQ(HandshakeFrame(), (Bytes{0x55, 0xAA, 0x0A, 0x88, 'O', 'r', 'm', 'i', 'x', 0xA0}));
  EXPECT_EQ(QueryFrame(), (Bytes{0x55, 0xAA, 0x05, 0x01, 0x05}));
  Challenge c{};
  c[15] = 0x10;
  Bytes ch = ChallengeFrame(c);
  ASSERT_EQ(ch.size(), 21u);
  EXPECT_EQ(ch[2], 21);
  EXPECT_EQ(ch[3], 0x83);
  EXPECT_EQ(ch[19], 0x10);
  EXPECT_EQ(ch[20], static_cast<uint8_t>(0x55 + 0xAA + 21 + 0x83 + 0x10));
}

TEST(Frame, KeysFollowTheChallengeArithmeticModuloTheirWidth) {
  Challenge c{};
  c[3] = 0x12, c[4] = 0x03, c[5] = 0x40, c[6] = 0x05;
  c[8] = 0x10, c[9] = 0x21, c[10] = 0x0F, c[11] = 0x06;
  ScrambleKeys k = DeriveKeys(c);
  EXPECT_EQ(k.address, 0x4E29);
  EXPECT_EQ(k.data, 0xD8);

  Challenge wrap{};
  wrap[3] = wrap[4] = wrap[6] = 0xFF;
  wrap[8] = wrap[9] = 0xFF;
  k = DeriveKeys(wrap);
  EXPECT_EQ(k.address, 0x395B);
  EXPECT_EQ(k.data, 0xA5);

  // Challenges whose keys come out zero are drawn again.
  Challenge zeroData{};
  zeroData[8] = 0x59;
  EXPECT_EQ(DeriveKeys(zeroData).data, 0);
  EXPECT_FALSE(DeriveKeys(zeroData).Usable());
  Challenge zeroAddress{};
  zeroAddress[3] = 0xC3, zeroAddress[4] = 0x02, zeroAddress[6] = 0x53;
  EXPECT_EQ(DeriveKeys(zeroAddress).address, 0);
  EXPECT_FALSE(DeriveKeys(zeroAddress).Usable());
}

TEST(Frame, AddressBitsMoveToTheirPermutedPositions) {
  const std::pair<uint16_t, uint16_t> cases[] = {
      {0x0001, 1u << 3},  {0x0002, 1u << 10}, {0x0004, 1u << 1}, {0x0080, 1u << 4},
      {0x8000, 1u << 12}, {0xFFFF, 0xFFFF},   {0x0000, 0x0000},
  };
  for (auto [in, out] : cases) {
    EXPECT_EQ(PermuteAddress(in), out) << std::hex << in;
    EXPECT_EQ(UnpermuteAddress(out), in) << std::hex << out;
  }
  for (unsigned v = 0; v < 0x10000; v += 7)
    ASSERT_EQ(UnpermuteAddress(PermuteAddress(static_cast<uint16_t>(v))), v);
}

TEST(Frame, WriteFrameScramblesAddressAndDataByPosition) {
  const uint8_t mark[] = {0x5A, 0xA5};
  Bytes f = WriteFrame(0x8000, mark, ScrambleKeys{0x4E29, 0xD8});
  EXPECT_EQ(f, (Bytes{0x55, 0xAA, 0x09, 0x81, 0xEC, 0x9A, 0x7C, 0xC6, 0x51}));
}

TEST(Frame, PanelReadsBackEveryWrite) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    ScrambleKeys keys{static_cast<uint16_t>(rng()), static_cast<uint8_t>(rng())};
    uint16_t address = static_cast<uint16_t>(rng());
    Bytes data(1 + rng() % kBlockSize);
    for (auto& b : data) b = static_cast<uint8_t>(rng());
    Bytes frame = WriteFrame(address, data, keys);
    ASSERT_EQ(frame.size(), data.size() + 7);
    auto back = ReadWriteFrame(frame, keys);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->address, address);
    EXPECT_EQ(back->data, data);
  }
}

TEST(Frame, PanelRefusesDamagedWrites) {
  const uint8_t data[] = {1, 2, 3};
  ScrambleKeys keys{0x1234, 0x56};
  Bytes good = WriteFrame(0x8000, data, keys);
  Bytes badSum = good;
  badSum[badSum.size() - 1] ^= 1;
  Bytes badLength = good;
  badLength[2] = 9;
  Bytes noData = MakeFrame(kCmdWrite, std::vector<uint8_t>{0, 0});
  Bytes notWrite = good;
  notWrite[3] = kCmdChallenge;
  notWrite.back() = Checksum(std::span(notWrite).first(notWrite.size() - 1));
  for (const Bytes& f : {badSum, badLength, noData, notWrite, Bytes{0x55, 0xAA}})
    EXPECT_FALSE(ReadWriteFrame(f, keys));
  EXPECT_TRUE(ReadWriteFrame(good, keys));
}

struct JudgeCase {
  const char* name;
  Bytes received;
  ReplyState expected;
};

TEST(Frame, RepliesAreJudgedByLengthCommandAndChecksum) {
  const Bytes ack = MakeFrame(kReplyAck, {});
  const Bytes nak = MakeFrame(kReplyNak, {});
  const uint8_t body[] = {0, 3, 7, 0, 0};
  const Bytes answer = MakeFrame(kReplyQuery, body);
  auto with = [](Bytes b, size_t i, uint8_t v) {
    b[i] = v;
    return b;
  };
  const Bytes ackBadSum = with(ack, 4, 0);
  const Bytes answerBadSum = with(answer, 9, 0);
  // A 10-byte answer announcing 9 bytes with the checksum at byte 8.
  Bytes shortAnswer = with(answer, 2, 9);
  shortAnswer[8] = Checksum(std::span(shortAnswer).first(8));
  const JudgeCase cases[] = {
      {"ack", ack, ReplyState::Good},
      {"nak", nak, ReplyState::Error},
      {"ack with a wrong checksum", ackBadSum, ReplyState::Error},
      {"other 5-byte reply", MakeFrame(0x07, {}), ReplyState::None},
      {"nak with a wrong checksum", with(nak, 4, 0), ReplyState::Error},
      {"query answer", answer, ReplyState::Good},
      {"query answer with a wrong checksum", answerBadSum, ReplyState::None},
      {"10 bytes of another reply", with(answer, 3, 0x05), ReplyState::Error},
      {"answer announcing fewer bytes", shortAnswer, ReplyState::Good},
      {"answer announcing more bytes", with(answer, 2, 12), ReplyState::None},
      {"first half of an answer", Bytes(answer.begin(), answer.begin() + 5), ReplyState::None},
      {"no sync", with(ack, 0, 0x54), ReplyState::None},
      {"length byte below a frame", with(ack, 2, 1), ReplyState::Error},
      {"ack and one byte more", Bytes{0x55, 0xAA, 5, 5, 9, 0}, ReplyState::None},
      {"nothing", Bytes{}, ReplyState::None},
      {"four bytes", Bytes(ack.begin(), ack.begin() + 4), ReplyState::None},
  };
  for (const auto& c : cases) EXPECT_EQ(JudgeReply(c.received), c.expected) << c.name;
}

TEST(TransferPlan, BlocksOf128FromTheBase) {
  Bytes image(300);
  auto blocks = SplitIntoBlocks(kImageBase, image);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0].address, 0x8000);
  EXPECT_EQ(blocks[1].address, 0x8080);
  EXPECT_EQ(blocks[2].address, 0x8100);
  EXPECT_EQ(blocks[2].data.size(), 44u);
  EXPECT_EQ(WriteFrame(blocks[2].address, blocks[2].data, {1, 1}).size(), 51u);
  EXPECT_TRUE(SplitIntoBlocks(kDriverBase, {}).empty());
  // A full area ends exactly at the top of memory.
  Bytes full(kImageAreaSize);
  EXPECT_EQ(SplitIntoBlocks(kImageBase, full).back().address, 0xFF80);
}

TEST(TransferPlan, ProgressArithmetic) {
  EXPECT_EQ(ProgressBlocks(1000, false, 300), 4);  // driver not sent: image / 128 + 2
  EXPECT_EQ(ProgressBlocks(1000, true, 300), 11);
  EXPECT_EQ(ProgressBlocks(127, true, 127), 2);
  const std::pair<int, int> steps[] = {{98, 102}, {1, 10000}, {2, 5000}, {3, 3333},
                                       {6, 1667}, {16, 625},  {32, 313}, {20000, 1}};
  for (auto [blocks, step] : steps) EXPECT_EQ(ProgressStep(blocks), step) << blocks;
}

}  // namespace
}  // namespace tavo::link
