// The preview's PLC values file: any text is refused with a reason or
// loaded, and what is loaded saves to a text that loads again.
#include "FuzzSupport.h"
#include "panel/SimulatedPlc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  panel::SimulatedPlc plc;
  std::string error;
  if (!panel::LoadPlcValues(text, plc, error)) {
    fuzz::Require(!error.empty());
    return 0;
  }
  const std::string saved = panel::SavePlcValues(plc);
  panel::SimulatedPlc again;
  fuzz::Require(panel::LoadPlcValues(saved, again, error));
  fuzz::Require(panel::SavePlcValues(again) == saved);
  return 0;
}
