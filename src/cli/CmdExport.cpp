// tavo export FILE.orx [-o FILE.json]: the project's text form (JSON), on
// standard output or into the named file: the project as `tavo save` would
// write it (a file of an older format version comes out as version 12 would
// hold it), so that building the text gives what saving gives. Needs no data
// files.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectRead.h"
#include "model/DataFiles.h"
#include "model/ProjectFile.h"
#include "model/ProjectTextForm.h"
#include "model/Prompter.h"
#include "model/SafeFile.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "export FILE.orx [-o FILE.json]  the project as text (JSON)";

int RunExport(const std::vector<std::string>& args) {
  std::string in, out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data-dir" && i + 1 < args.size()) {
      SetDataDir(args[++i]);
    } else if (a == "-o" && i + 1 < args.size() && out.empty()) {
      out = args[++i];
    } else if (in.empty() && !a.empty() && a[0] != '-') {
      in = a;
    } else {
      std::fprintf(stderr, "tavo export: unexpected argument '%s'\nusage: tavo %s\n", a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  if (in.empty()) {
    std::fprintf(stderr, "usage: tavo %s\n", kUsage);
    return kExitFailure;
  }

  Project fresh;
  ReadInfo info;
  if (!ReadProjectQuietly(in, fresh, info)) return kExitRefused;
  Project project;
  AdoptReadProject(project, std::move(fresh), info);
  const std::string text = ProjectToTextForm(project, info.protocol);
  if (out.empty()) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
  }
  const int err = WriteFileSafely(
      out, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (err != 0) {
    std::fprintf(stderr, "tavo export: cannot write %s: %s\n", out.c_str(), std::strerror(err));
    return kExitFailure;
  }
  return kExitOk;
}

const CommandRegistration kRegistration({"export", kUsage, RunExport});

}  // namespace

}  // namespace tavo::cli
