#include "cli/ProjectCompile.h"

#include <cstdio>

#include "cli/Cli.h"
#include "cli/ProjectRead.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "plc/Protocol.h"
#include "plc/ProtocolFiles.h"

namespace tavo::cli {

namespace {

int ExitFor(CompileOutcome outcome) {
  switch (outcome) {
    case CompileOutcome::kCompiled:
      return kExitOk;
    case CompileOutcome::kRefused:
      return kExitRefused;
    case CompileOutcome::kCancelled:
      return kExitCancelled;
    case CompileOutcome::kFailed:
      break;
  }
  return kExitFailure;
}

}  // namespace

int CompileProjectFile(const std::string& path, CompiledProject& out) {
  Project project;
  if (!OpenProjectFile(project, path)) return kExitRefused;
  // The protocol file among the data files; "In.dat" is the editor's memory
  // of the user's choices and stays untouched.
  ProtocolFiles protocols(ProtocolFilePath(), "");
  ImageCompilerOptions options;
  options.loadDriver = DriverFromProtocolFiles(protocols);
  out.compiled = CompileImage(project, options);
  out.protocol = CurrentProtocol();
  return ExitFor(out.compiled.outcome);
}

int CompileProjectForPreview(const std::string& path, const char* prefix, CompiledImage& image) {
  Project project;
  if (const int status = OpenProjectForCommand(path, project); status != kExitOk) return status;
  image = CompileImageForPreview(project);
  if (!image.Ok()) {
    std::fprintf(stderr, "%sthe project could not be compiled\n", prefix);
    return image.outcome == CompileOutcome::kRefused ? kExitRefused : kExitFailure;
  }
  return kExitOk;
}

}  // namespace tavo::cli
