#include "download/Frame.h"

#include <cassert>

namespace tavo::link {

uint8_t Checksum(std::span<const uint8_t> bytes) {
  uint8_t sum = 0;
  for (uint8_t b : bytes) sum = static_cast<uint8_t>(sum + b);
  return sum;
}

Bytes MakeFrame(uint8_t command, std::span<const uint8_t> payload) {
  assert(payload.size() + kFrameOverhead <= 0xFF);
  Bytes frame;
  frame.reserve(payload.size() + kFrameOverhead);
  frame.push_back(kSync0);
  frame.push_back(kSync1);
  frame.push_back(static_cast<uint8_t>(payload.size() + kFrameOverhead));
  frame.push_back(command);
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(Checksum(frame));
  return frame;
}

Bytes HandshakeFrame() {
  return MakeFrame(kCmdHandshake, kHandshakeWord);
}

Bytes QueryFrame() {
  return MakeFrame(kCmdQuery, {});
}

Bytes ChallengeFrame(const Challenge& challenge) {
  return MakeFrame(kCmdChallenge, challenge);
}

ScrambleKeys DeriveKeys(const Challenge& c) {
  ScrambleKeys keys;
  keys.address = static_cast<uint16_t>(c[3] * 256 + kAddressKeyConstant - c[5] + c[4] * c[6]);
  keys.data = static_cast<uint8_t>(c[8] + kDataKeyConstant - (c[11] & c[10]) + (c[9] | c[11]));
  return keys;
}

uint16_t PermuteAddress(uint16_t value) {
  uint16_t out = 0;
  for (unsigned i = 0; i < 16; ++i)
    if (value & (1u << i)) out |= static_cast<uint16_t>(1u << AddressBitTarget(i));
  return out;
}

uint16_t UnpermuteAddress(uint16_t value) {
  uint16_t out = 0;
  for (unsigned i = 0; i < 16; ++i)
    if (value & (1u << AddressBitTarget(i))) out |= static_cast<uint16_t>(1u << i);
  return out;
}

Bytes WriteFrame(uint16_t address, std::span<const uint8_t> data, const ScrambleKeys& keys) {
  assert(!data.empty() && data.size() <= kBlockSize);
  uint16_t sent = PermuteAddress(static_cast<uint16_t>(address - keys.address));
  Bytes payload;
  payload.reserve(2 + data.size());
  payload.push_back(static_cast<uint8_t>(sent >> 8));
  payload.push_back(static_cast<uint8_t>(sent & 0xFF));
  // Each data byte is offset by the key and by its own position in the frame.
  for (size_t i = 0; i < data.size(); ++i) {
    size_t pos = kWriteDataIndex + i;
    payload.push_back(static_cast<uint8_t>(data[i] - keys.data - pos));
  }
  return MakeFrame(kCmdWrite, payload);
}

bool FrameIsWhole(std::span<const uint8_t> frame) {
  if (frame.size() < kFrameOverhead || frame[0] != kSync0 || frame[1] != kSync1) return false;
  if (frame[kLengthIndex] != frame.size()) return false;
  return Checksum(frame.first(frame.size() - 1)) == frame.back();
}

std::optional<PanelWrite> ReadWriteFrame(std::span<const uint8_t> frame, const ScrambleKeys& keys) {
  if (!FrameIsWhole(frame) || frame[kCommandIndex] != kCmdWrite) return std::nullopt;
  if (frame.size() < kWriteOverhead + 1 || frame.size() > kWriteOverhead + kBlockSize)
    return std::nullopt;
  PanelWrite write;
  uint16_t sent =
      static_cast<uint16_t>(frame[kWriteAddressIndex] << 8 | frame[kWriteAddressIndex + 1]);
  write.address = static_cast<uint16_t>(UnpermuteAddress(sent) + keys.address);
  size_t n = frame.size() - kWriteOverhead;
  write.data.resize(n);
  for (size_t i = 0; i < n; ++i) {
    size_t pos = kWriteDataIndex + i;
    write.data[i] = static_cast<uint8_t>(frame[pos] + keys.data + pos);
  }
  return write;
}

ReplyState JudgeReply(std::span<const uint8_t> received) {
  const size_t size = received.size();
  if (size != kAckLength && size != kQueryReplyLength) return ReplyState::None;
  if (received[0] != kSync0 || received[1] != kSync1) return ReplyState::None;
  // The checksum covers the length the frame announces; a reply not yet
  // complete by its own length is left for later bytes.
  const size_t announced = received[kLengthIndex];
  if (announced > size) return ReplyState::None;
  const bool sumOk = announced >= kFrameOverhead &&
                     Checksum(received.first(announced - 1)) == received[announced - 1];
  const uint8_t reply = received[kCommandIndex];
  if (size == kAckLength) {
    if (sumOk && reply == kReplyAck) return ReplyState::Good;
    if (reply == kReplyNak || !sumOk) return ReplyState::Error;
    return ReplyState::None;
  }
  if (reply != kReplyQuery) return ReplyState::Error;
  return sumOk ? ReplyState::Good : ReplyState::None;
}

}  // namespace tavo::link
