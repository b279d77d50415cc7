#include <cstdio>
#include <string>
#include <vector>

#include "base/Language.h"
#include "lang/Catalogues.h"
#include "panel/PanelOptions.h"
#include "panel/PanelRender.h"
#include "panel/PanelServer.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const tavo::LanguageOption language = tavo::TakeLanguageOption(args);
  if (!language.error.empty()) {
    std::fprintf(stderr, "tavo-panel: %s\n%s", language.error.c_str(), tavo::panel::kPanelUsage);
    return 2;
  }
  // A catalogue that cannot be loaded leaves the texts as written.
  tavo::lang::LoadCatalogues(tavo::ChooseLanguage(language.language, std::nullopt),
                             {QStringLiteral("tavo_core")});
  std::string error;
  auto options = tavo::panel::ParsePanelOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "tavo-panel: %s\n%s", error.c_str(), tavo::panel::kPanelUsage);
    return 2;
  }
  if (options->help || options->version) {
    std::fputs(options->help ? tavo::panel::kPanelUsage : tavo::panel::kPanelVersion, stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
  }
  if (!options->render.empty()) {
    auto render = tavo::panel::ParseRenderOptions(options->render, error);
    if (!render) {
      std::fprintf(stderr, "tavo-panel: %s\n%s", error.c_str(), tavo::panel::kRenderUsage);
      return 2;
    }
    return tavo::panel::RunRender(*render, stdout, stderr);
  }
  return tavo::panel::RunPanelServer(*options, stdout, stderr);
}
