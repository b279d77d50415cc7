// The project's text form (.json): any text is refused with a reason or
// builds a project file, and the text exported from that file builds the
// same file again.
#include "FuzzSupport.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "model/ProjectTextForm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<uint8_t> orx;
  TextFormError error;
  if (!TextFormToOrxBytes(text, orx, error)) {
    fuzz::Require(!error.reason.empty());
    return 0;
  }
  Project p;
  ReadInfo info;
  if (ReadProjectBytes(orx, p, info) != ProjectFileError::None) return 0;
  const std::vector<uint8_t> canonical = WriteProjectBytes(p, info.protocol);
  std::vector<uint8_t> back;
  fuzz::Require(TextFormToOrxBytes(ProjectToTextForm(p, info.protocol), back, error));
  fuzz::Require(back == canonical);
  return 0;
}
