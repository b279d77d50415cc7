#pragma once

// The download link between the editor and the panel: frame layout, commands,
// memory layout, scrambling constants and the limits of the reply rules. The
// editor's transfer and the panel emulator both take every value from here.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

#include "download/PanelMemory.h"

namespace tavo::link {

// --- Frame layout: 0x55 0xAA, total length, command, payload, checksum. ---
inline constexpr uint8_t kSync0 = 0x55;
inline constexpr uint8_t kSync1 = 0xAA;
inline constexpr size_t kLengthIndex = 2;
inline constexpr size_t kCommandIndex = 3;
inline constexpr size_t kPayloadIndex = 4;
inline constexpr size_t kFrameOverhead = 5;     // sync (2) + length + command + checksum
inline constexpr size_t kMaxFrameLength = 135;  // a 0x81 write with a full block

// --- Frames sent by the editor. ---
inline constexpr uint8_t kCmdHandshake = 0x88;
inline constexpr uint8_t kCmdQuery = 0x01;
inline constexpr uint8_t kCmdChallenge = 0x83;
inline constexpr uint8_t kCmdWrite = 0x81;

inline constexpr std::array<uint8_t, 5> kHandshakeWord = {'O', 'r', 'm', 'i', 'x'};
inline constexpr size_t kHandshakeLength = 10;
inline constexpr size_t kQueryLength = 5;
inline constexpr size_t kChallengeSize = 16;
inline constexpr size_t kChallengeLength = 21;

// 0x81 write: bytes 4-5 the scrambled address, bytes 6.. the scrambled data.
inline constexpr size_t kWriteAddressIndex = 4;
inline constexpr size_t kWriteDataIndex = 6;
inline constexpr size_t kWriteOverhead = 7;
inline constexpr size_t kBlockSize = 128;  // data bytes of one full write

// --- Frames sent by the panel. ---
inline constexpr uint8_t kReplyAck = 0x05;
inline constexpr uint8_t kReplyNak = 0x04;  // the editor sends the same frame again
inline constexpr uint8_t kReplyQuery = 0x82;
inline constexpr size_t kAckLength = 5;
inline constexpr size_t kQueryReplyLength = 10;
inline constexpr size_t kQueryProtocolIndex = 5;  // the protocol number the panel holds
inline constexpr size_t kQueryVersionIndex = 6;   // the version of the driver it holds

// --- Panel memory (download/PanelMemory.h). ---
using tavo::kDriverAreaSize;
using tavo::kDriverBase;
using tavo::kImageAreaSize;
using tavo::kImageBase;
using tavo::kPanelMemorySize;
// Written over the first image bytes before anything else, so an interrupted
// transfer leaves an image the panel will not start.
inline constexpr uint8_t kInvalidFill = 0xFF;
// Written at kImageBase after everything else: the panel starts the image.
inline constexpr std::array<uint8_t, 2> kValidityMark = {0x5A, 0xA5};

// --- Scrambling of 0x81 frames, shared with the panel firmware. ---
// Address key L = (c3 * 256 + K1) - c5 + c4 * c6, data key D = c8 + K2 - (c11 & c10) + (c9 | c11).
inline constexpr uint16_t kAddressKeyConstant = 0x3C5A;  // K1
inline constexpr uint8_t kDataKeyConstant = 0xA7;        // K2
// Bit i of the offset address moves to bit position (7 * i + 3) mod 16.
constexpr unsigned AddressBitTarget(unsigned i) {
  return (7 * i + 3) % 16;
}

// --- Reply rules. One tick is one step of the transfer clock. ---
inline constexpr std::chrono::milliseconds kDefaultTick{10};
inline constexpr int kNormalAttempts = 10;
inline constexpr int kHandshakeAttempts = 1000000;
inline constexpr int kNormalTicksPerAttempt = 30;    // attempt k waits while ticks <= 30 k
inline constexpr int kHandshakeTicksPerAttempt = 2;  // attempt k waits while ticks <= 2 k
inline constexpr int kMaxTicks = 100;  // more ticks than this within one exchange: delay exceeded
inline constexpr int kMaxErrors = 8;   // more bad replies than this: too many errors
inline constexpr int kTicksPerReceiveWake = 2;  // the clock wakes the waiting sender every 2 ticks

// --- Progress bar. ---
inline constexpr int kProgressRange = 10000;
inline constexpr int kProgressAfterHandshake = 50;
// The step arithmetic counts two blocks beyond the driver and image blocks.
inline constexpr int kExtraBlocks = 2;

// RTS is held this long for the panel's reset pulse.
inline constexpr std::chrono::milliseconds kResetPulseWidth{1};

}  // namespace tavo::link
