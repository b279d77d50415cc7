// The picture files a picture element takes (BMP and the other formats the
// decoder knows).
#include "FuzzSupport.h"
#include "render/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavo::DecodePictureBytes(data, size);
  return 0;
}
