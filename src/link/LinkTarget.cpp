#include "link/LinkTarget.h"

#include <charconv>

#include "panel/PanelImage.h"

namespace tavo::link {

std::string LinkTarget::Describe() const {
  return serial ? "rtu:" + device : "tcp:" + host + ":" + std::to_string(port);
}

std::optional<LinkTarget> ParseLinkTarget(const std::string& text, std::string& error) {
  LinkTarget t;
  if (text.rfind("rtu:", 0) == 0 && text.size() > 4) {
    t.serial = true;
    t.device = text.substr(4);
    return t;
  }
  if (text.rfind("tcp:", 0) == 0) {
    const std::string rest = text.substr(4);
    const size_t colon = rest.rfind(':');
    if (colon != std::string::npos && colon > 0) {
      t.host = rest.substr(0, colon);
      if (t.host.size() > 2 && t.host.front() == '[' && t.host.back() == ']')
        t.host = t.host.substr(1, t.host.size() - 2);
      const std::string port = rest.substr(colon + 1);
      unsigned value = 0;
      auto [ptr, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
      if (!port.empty() && ec == std::errc() && ptr == port.data() + port.size() && value >= 1 &&
          value <= 65535) {
        t.port = static_cast<uint16_t>(value);
        return t;
      }
    }
  }
  error = "'" + text + "' is no PLC link: rtu:DEVICE or tcp:HOST:PORT (port 1-65535)";
  return std::nullopt;
}

LineSettings LineSettingsOf(const panel::ImageHeader& h) {
  static constexpr int kBauds[] = {1200, 2400, 4800, 9600, 19200, 38400, 115200};
  LineSettings s;
  s.baud = h.baudIndex < std::size(kBauds) ? kBauds[h.baudIndex] : 9600;
  s.dataBits = h.dataBits == 7 ? 7 : 8;
  s.stopBits = h.stopBits == 2 ? 2 : 1;
  s.parity = h.parity == 1 ? 'O' : h.parity == 2 ? 'E' : 'N';
  return s;
}

}  // namespace tavo::link
