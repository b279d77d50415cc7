#pragma once

// The panel's side of the download link: it cuts the byte stream into frames,
// answers them, derives the keys from the challenge and stores unscrambled
// writes in its 64 KiB memory. Faults can be switched on for tests.

#include <cstdint>
#include <span>
#include <vector>

#include "download/Frame.h"

namespace tavo::panel {

struct PanelFaults {
  // Frames are numbered by the acknowledges the panel gives: the handshake is
  // frame 1, the query frame 2, and so on.
  int nakFrame = 0;               // refuse this frame (0: none) ...
  int nakTimes = 0;               // ... this many times before taking it
  int silentHandshakes = 0;       // leave the first n handshakes unanswered
  bool silent = false;            // answer nothing at all
  int corruptChecksumFrame = 0;   // the reply to this frame carries a wrong checksum, once
  bool wrongQueryLength = false;  // the query answer's length byte is one short
};

struct PanelConfig {
  uint8_t protocol = 1;       // protocol number of the stored driver
  uint8_t driverVersion = 1;  // version of the stored driver
  PanelFaults faults;
};

struct PanelStats {
  int frames = 0;     // whole frames received (good checksum)
  int badFrames = 0;  // frames refused for their checksum or form
  int handshakes = 0;
  int naks = 0;
  int writes = 0;  // 0x81 writes stored
  int marks = 0;   // validity marks written: completed transfers
};

class PanelProtocol {
 public:
  explicit PanelProtocol(PanelConfig config);

  // Takes bytes from the line; returns what the panel sends back.
  std::vector<uint8_t> Receive(std::span<const uint8_t> bytes);
  // Forgets a partly received frame (the line fell silent in the middle of one).
  void DropPartialFrame() { partial_.clear(); }
  bool HasPartialFrame() const { return !partial_.empty(); }

  const std::vector<uint8_t>& Memory() const { return memory_; }
  // Replaces the memory; false unless `content` is exactly 64 KiB.
  bool LoadMemory(std::span<const uint8_t> content);
  const PanelStats& Stats() const { return stats_; }
  const PanelConfig& Config() const { return config_; }

 private:
  void Handle(std::span<const uint8_t> frame, std::vector<uint8_t>& out);
  void Reply(std::vector<uint8_t> reply, std::vector<uint8_t>& out);

  PanelConfig config_;
  std::vector<uint8_t> memory_;
  std::vector<uint8_t> partial_;  // never longer than the longest frame
  link::ScrambleKeys keys_;
  bool haveKeys_ = false;
  int acknowledged_ = 0;
  int naksGiven_ = 0;
  bool checksumCorrupted_ = false;
  PanelStats stats_;
};

}  // namespace tavo::panel
