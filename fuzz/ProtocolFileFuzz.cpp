// The protocol file ("ormed_Ptc.dat") and the settings file: catalogue,
// driver records and line settings read from any bytes.
#include "FuzzSupport.h"
#include "plc/ProtocolFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo;
  const fuzz::MemoryFile file(data, size);
  const std::string path = file.Path();
  const auto catalogue = ReadProtocolCatalogue(path);
  PtcDriver driver;
  // The protocols the file lists, and one it may not.
  if (catalogue)
    for (size_t i = 0; i < catalogue->size() && i < 8; ++i)
      ReadProtocolDriver(path, (*catalogue)[i], driver);
  ReadProtocolDriver(path, size ? data[0] : 1, driver);
  ReadSettingsFile(path);
  return 0;
}
