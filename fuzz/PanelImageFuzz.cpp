// The panel runtime's image reader (a compiled image or a panel memory, as
// the emulator and the preview load them): every screen it lists is shown,
// drawn, keyed and timed.
#include <chrono>

#include "FuzzSupport.h"
#include "panel/PanelRuntime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo::panel;
  PanelRuntime rt;
  if (!rt.Load({data, size})) return 0;
  const auto screens = rt.Screens();
  for (size_t i = 0; i < screens.size() && i < 16; ++i) {
    rt.ShowScreen(screens[i].number);
    rt.Render();
    for (PanelKey key : AllPanelKeys()) rt.PressKey(key);
    rt.Advance(std::chrono::milliseconds(1500));
    rt.Render();
  }
  return 0;
}
