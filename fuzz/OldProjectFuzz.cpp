// The old project import (.qse): any bytes are refused or converted, and a
// converted project is one the project reader takes.
#include "FuzzSupport.h"
#include "model/OldProject.h"
#include "model/Project.h"
#include "model/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo;
  const auto converted = ConvertOldProject({data, size});
  if (!converted) return 0;
  Project p;
  ReadInfo info;
  ReadProjectBytes(*converted, p, info);
  return 0;
}
