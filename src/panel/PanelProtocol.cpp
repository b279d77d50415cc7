#include "panel/PanelProtocol.h"

#include <algorithm>

namespace tavo::panel {

using namespace tavo::link;

namespace {

// Erased panel memory.
constexpr uint8_t kErased = 0xFF;

bool IsHandshake(std::span<const uint8_t> frame) {
  return frame.size() == kHandshakeLength &&
         std::equal(kHandshakeWord.begin(), kHandshakeWord.end(), frame.begin() + kPayloadIndex);
}

}  // namespace

PanelProtocol::PanelProtocol(PanelConfig config)
    : config_(config), memory_(kPanelMemorySize, kErased) {}

bool PanelProtocol::LoadMemory(std::span<const uint8_t> content) {
  if (content.size() != kPanelMemorySize) return false;
  memory_.assign(content.begin(), content.end());
  return true;
}

std::vector<uint8_t> PanelProtocol::Receive(std::span<const uint8_t> bytes) {
  std::vector<uint8_t> out;
  for (uint8_t b : bytes) {
    partial_.push_back(b);
    // Find the start of a frame: sync bytes and a length a frame can have.
    while (!partial_.empty()) {
      bool bad = partial_[0] != kSync0 || (partial_.size() > 1 && partial_[1] != kSync1) ||
                 (partial_.size() > kLengthIndex && (partial_[kLengthIndex] < kFrameOverhead ||
                                                     partial_[kLengthIndex] > kMaxFrameLength));
      if (!bad) break;
      partial_.erase(partial_.begin());
    }
    if (partial_.size() > kLengthIndex && partial_.size() == partial_[kLengthIndex]) {
      Handle(partial_, out);
      partial_.clear();
    }
  }
  return out;
}

void PanelProtocol::Reply(std::vector<uint8_t> reply, std::vector<uint8_t>& out) {
  const int frameNo = acknowledged_ + 1;
  ++acknowledged_;
  if (frameNo == config_.faults.corruptChecksumFrame && !checksumCorrupted_) {
    checksumCorrupted_ = true;
    reply.back() = static_cast<uint8_t>(reply.back() + 1);
  }
  out.insert(out.end(), reply.begin(), reply.end());
}

void PanelProtocol::Handle(std::span<const uint8_t> frame, std::vector<uint8_t>& out) {
  const PanelFaults& faults = config_.faults;
  const auto nak = MakeFrame(kReplyNak, {});
  if (!FrameIsWhole(frame)) {
    ++stats_.badFrames;
    if (!faults.silent) {
      ++stats_.naks;
      out.insert(out.end(), nak.begin(), nak.end());
    }
    return;
  }
  ++stats_.frames;
  if (faults.silent) return;
  const uint8_t command = frame[kCommandIndex];
  if (command == kCmdHandshake && ++stats_.handshakes <= faults.silentHandshakes) return;

  std::optional<PanelWrite> write;
  bool valid = false;
  switch (command) {
    case kCmdHandshake:
      valid = IsHandshake(frame);
      break;
    case kCmdQuery:
      valid = frame.size() == kQueryLength;
      break;
    case kCmdChallenge:
      valid = frame.size() == kChallengeLength;
      break;
    case kCmdWrite:
      // Writes before a challenge cannot be unscrambled.
      if (haveKeys_) write = ReadWriteFrame(frame, keys_);
      valid = write.has_value();
      break;
    default:
      break;
  }
  const bool refuse = acknowledged_ + 1 == faults.nakFrame && naksGiven_ < faults.nakTimes;
  if (!valid || refuse) {
    if (valid) ++naksGiven_;
    ++stats_.naks;
    out.insert(out.end(), nak.begin(), nak.end());
    return;
  }

  if (command == kCmdChallenge) {
    Challenge challenge;
    std::copy_n(frame.begin() + kPayloadIndex, kChallengeSize, challenge.begin());
    keys_ = DeriveKeys(challenge);
    haveKeys_ = true;
  } else if (write) {
    for (size_t i = 0; i < write->data.size(); ++i)
      memory_[static_cast<uint16_t>(write->address + i)] = write->data[i];
    ++stats_.writes;
    if (write->address == kImageBase && std::equal(write->data.begin(), write->data.end(),
                                                   kValidityMark.begin(), kValidityMark.end()))
      ++stats_.marks;
  }

  if (command != kCmdQuery) {
    Reply(MakeFrame(kReplyAck, {}), out);
    return;
  }
  const uint8_t body[] = {0, config_.protocol, config_.driverVersion, 0, 0};
  Bytes answer = MakeFrame(kReplyQuery, body);
  if (faults.wrongQueryLength) {
    // Announce one byte less, with the checksum where that length puts it.
    answer[kLengthIndex] = static_cast<uint8_t>(answer.size() - 1);
    answer[answer.size() - 2] = Checksum(std::span(answer).first(answer.size() - 2));
    answer.back() = 0;
  }
  Reply(std::move(answer), out);
}

}  // namespace tavo::panel
