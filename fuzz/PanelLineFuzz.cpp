// The panel emulator's side of the line: any bytes received, in pieces of
// any length, are answered or dropped, and the memory stays 64 KiB.
#include "FuzzSupport.h"
#include "panel/PanelProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo::panel;
  PanelProtocol panel(PanelConfig{});
  const size_t memory = panel.Memory().size();
  size_t at = 0;
  while (at < size) {
    const size_t piece = 1 + data[at] % 64;
    ++at;
    const size_t n = piece < size - at ? piece : size - at;
    panel.Receive({data + at, n});
    at += n;
    if (data[at - 1] == 0) panel.DropPartialFrame();
  }
  tavo::fuzz::Require(panel.Memory().size() == memory);
  return 0;
}
