#pragma once

// Where the live link goes and how the line is set: "rtu:DEVICE" (a serial
// port with the project's line settings) or "tcp:HOST:PORT" (a gateway, a
// soft PLC or a simulator).

#include <cstdint>
#include <optional>
#include <string>

namespace tavo::panel {
struct ImageHeader;
}

namespace tavo::link {

struct LineSettings {
  int baud = 19200;
  char parity = 'E';  // 'N', 'O', 'E'
  int dataBits = 8;
  int stopBits = 1;
};

struct LinkTarget {
  bool serial = false;
  std::string device;  // serial
  std::string host;    // TCP
  uint16_t port = 502;
  // "rtu:/dev/ttyUSB0", "tcp:127.0.0.1:502".
  std::string Describe() const;
};

// nullopt with a reason for anything but "rtu:DEVICE" or "tcp:HOST:PORT".
std::optional<LinkTarget> ParseLinkTarget(const std::string& text, std::string& error);

// The line settings a compiled image carries (baud index, data and stop
// bits, parity as the panel settings chose them).
LineSettings LineSettingsOf(const panel::ImageHeader& header);

}  // namespace tavo::link
