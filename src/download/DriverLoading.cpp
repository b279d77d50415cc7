#include "base/Captions.h"
#include "download/ImageCompiler.h"
#include "plc/ProtocolFiles.h"

namespace tavo {

DriverLoader DriverFromProtocolFiles(ProtocolFiles& files) {
  return [&files](PanelSettings& settings, ProtocolDriver& out) {
    if (!files.LoadDriver(settings, DownloadCaption())) return false;
    out.version = files.m_driverVersion;
    out.bytes = files.m_driver;
    return true;
  };
}

}  // namespace tavo
