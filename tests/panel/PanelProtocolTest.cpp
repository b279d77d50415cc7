#include <gtest/gtest.h>

#include "panel/PanelProtocol.h"

namespace tavo::panel {
namespace {

using namespace tavo::link;

const Bytes kAck = MakeFrame(kReplyAck, {});
const Bytes kNak = MakeFrame(kReplyNak, {});

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Challenge SomeChallenge() {
  Challenge c{};
  for (size_t i = 0; i < c.size(); ++i) c[i] = static_cast<uint8_t>(17 * i + 3);
  return c;
}

TEST(PanelProtocol, AnswersTheSequenceAndStoresUnscrambledWrites) {
  PanelConfig cfg;
  cfg.protocol = 12;
  cfg.driverVersion = 4;
  PanelProtocol panel(cfg);
  EXPECT_EQ(panel.Receive(HandshakeFrame()), kAck);
  Bytes answer = panel.Receive(QueryFrame());
  ASSERT_EQ(answer.size(), 10u);
  EXPECT_TRUE(FrameIsWhole(answer));
  EXPECT_EQ(answer[3], kReplyQuery);
  EXPECT_EQ(answer[5], 12);
  EXPECT_EQ(answer[6], 4);
  EXPECT_EQ(JudgeReply(answer), ReplyState::Good);

  const Challenge c = SomeChallenge();
  EXPECT_EQ(panel.Receive(ChallengeFrame(c)), kAck);
  const ScrambleKeys keys = DeriveKeys(c);
  const uint8_t data[] = {9, 8, 7};
  EXPECT_EQ(panel.Receive(WriteFrame(0x1234, data, keys)), kAck);
  // A write across the top of memory wraps to address 0.
  EXPECT_EQ(panel.Receive(WriteFrame(0xFFFF, data, keys)), kAck);
  EXPECT_EQ(panel.Receive(WriteFrame(0x8000, kValidityMark, keys)), kAck);
  const auto& mem = panel.Memory();
  EXPECT_EQ(mem[0x1234], 9);
  EXPECT_EQ(mem[0x1236], 7);
  EXPECT_EQ(mem[0xFFFF], 9);
  EXPECT_EQ(mem[0x0000], 8);
  EXPECT_EQ(mem[0x0001], 7);
  EXPECT_EQ(mem[0x0002], 0xFF);
  EXPECT_EQ(panel.Stats().marks, 1);
  EXPECT_EQ(panel.Stats().writes, 3);
}

TEST(PanelProtocol, FindsFramesInAnyCutOfTheStream) {
  PanelProtocol panel({});
  Bytes stream = Concat({{0x00, 0x55, 0x13, 0xAA, 0x55, 0x55, 0xAA, 0xFF},  // noise, a bad length
                         HandshakeFrame(),
                         {0x42},
                         QueryFrame()});
  Bytes replies;
  for (uint8_t b : stream) {
    Bytes r = panel.Receive(std::span(&b, 1));
    replies.insert(replies.end(), r.begin(), r.end());
  }
  EXPECT_EQ(panel.Stats().frames, 2);
  ASSERT_EQ(replies.size(), 5u + 10u);
  EXPECT_EQ(Bytes(replies.begin(), replies.begin() + 5), kAck);
  EXPECT_FALSE(panel.HasPartialFrame());
}

TEST(PanelProtocol, RefusesWhatItCannotTake) {
  struct Case {
    const char* name;
    Bytes frame;
  };
  Bytes badSum = HandshakeFrame();
  badSum.back() ^= 0x40;
  const uint8_t wrongWord[] = {'O', 'r', 'm', 'i', 'y'};
  const uint8_t data[] = {1};
  const Case cases[] = {
      {"bad checksum", badSum},
      {"wrong handshake word", MakeFrame(kCmdHandshake, wrongWord)},
      {"unknown command", MakeFrame(0x42, {})},
      {"query with a payload", MakeFrame(kCmdQuery, data)},
      {"write before any challenge", WriteFrame(0x8000, data, {1, 1})},
  };
  for (const Case& c : cases) {
    PanelProtocol panel({});
    EXPECT_EQ(panel.Receive(c.frame), kNak) << c.name;
    EXPECT_EQ(panel.Memory()[0x8000], 0xFF) << c.name;
  }
}

TEST(PanelProtocol, LoadsOnlyAWholeMemory) {
  PanelProtocol p({});
  EXPECT_FALSE(p.LoadMemory(Bytes(100)));
  EXPECT_TRUE(p.LoadMemory(Bytes(kPanelMemorySize, 3)));
  EXPECT_EQ(p.Memory()[0xFFFF], 3);
}

}  // namespace
}  // namespace tavo::panel
