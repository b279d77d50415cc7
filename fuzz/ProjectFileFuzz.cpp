// The project file reader (.orx): any bytes are refused or read, and a file
// that reads writes back to bytes that read and write again the same.
#include "FuzzSupport.h"
#include "model/Project.h"
#include "model/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo;
  Project p;
  ReadInfo info;
  if (ReadProjectBytes({data, size}, p, info) != ProjectFileError::None) return 0;
  const std::vector<uint8_t> once = WriteProjectBytes(p, info.protocol);
  Project again;
  ReadInfo againInfo;
  fuzz::Require(ReadProjectBytes(once, again, againInfo) == ProjectFileError::None);
  fuzz::Require(WriteProjectBytes(again, againInfo.protocol) == once);
  return 0;
}
