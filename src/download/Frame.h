#pragma once

// Frames of the download link: building, checksums, the scrambling of 0x81
// writes and the judging of the panel's replies.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "download/LinkConstants.h"

namespace tavo::link {

using Bytes = std::vector<uint8_t>;
using Challenge = std::array<uint8_t, kChallengeSize>;

// 8-bit sum of the bytes.
uint8_t Checksum(std::span<const uint8_t> bytes);

// A whole frame: sync, length, command, payload, checksum. The payload must
// leave the frame within one length byte.
Bytes MakeFrame(uint8_t command, std::span<const uint8_t> payload);

Bytes HandshakeFrame();
Bytes QueryFrame();
Bytes ChallengeFrame(const Challenge& challenge);

// The two keys both sides derive from a challenge.
struct ScrambleKeys {
  uint16_t address = 0;  // L
  uint8_t data = 0;      // D
  bool Usable() const { return address != 0 && data != 0; }
};
ScrambleKeys DeriveKeys(const Challenge& challenge);

// The address-bit permutation and its inverse.
uint16_t PermuteAddress(uint16_t value);
uint16_t UnpermuteAddress(uint16_t value);

// A 0x81 write of 1..128 bytes to a panel address, address and data scrambled.
Bytes WriteFrame(uint16_t address, std::span<const uint8_t> data, const ScrambleKeys& keys);

// A 0x81 write as the panel reads it back.
struct PanelWrite {
  uint16_t address = 0;
  Bytes data;
};
// The panel's side of WriteFrame: nullopt unless `frame` is a whole 0x81 frame
// of 1..128 data bytes (sync, length and checksum are checked).
std::optional<PanelWrite> ReadWriteFrame(std::span<const uint8_t> frame, const ScrambleKeys& keys);

// True when the frame's length byte equals its size, the size is at least the
// frame overhead and the checksum over it is right.
bool FrameIsWhole(std::span<const uint8_t> frame);

// Judgement of the bytes received since a frame was sent.
enum class ReplyState : uint8_t {
  None = 0,   // not (yet) a reply
  Error = 1,  // negative acknowledge or a damaged reply: send again
  Good = 2,   // acknowledge or the answer to the query
};
ReplyState JudgeReply(std::span<const uint8_t> received);

}  // namespace tavo::link
