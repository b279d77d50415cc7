#include "cli/ProjectCompile.h"

#include "cli/Cli.h"
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

}  // namespace tavo::cli
