// Read and compile: a project file that reads is compiled into the panel's
// image with the build's font libraries, and a compiled image loads into the
// panel runtime and draws.
#include <cstdlib>

#include "FuzzSupport.h"
#include "download/ImageCompiler.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "panel/PanelRuntime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo;
  Project p;
  ReadInfo info;
  if (ReadProjectBytes({data, size}, p, info) != ProjectFileError::None) return 0;
  ImageCompilerOptions options;
  options.loadDriver = [](PanelSettings&, ProtocolDriver&) { return true; };
  options.chineseFontPath = TAVO_BIN_DIR "/ormed_CH.dat";
  options.englishFontPath = TAVO_BIN_DIR "/ormed_EN.dat";
  const CompiledImage image = CompileImage(p, options);
  if (!image.Ok()) return 0;
  panel::PanelRuntime rt;
  if (rt.Load(image.image)) rt.Render();
  return 0;
}
