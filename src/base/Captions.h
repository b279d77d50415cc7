#pragma once

#include <string>

#include "base/Texts.h"

namespace tavo {

// The caption of every message of the download command: its compile steps,
// the glyph tables and protocol driver it loads, and the transfer itself.
inline constexpr const char* kDownloadCaption =
    TAVO_TRANSLATE_NOOP("tavo::base::Captions", "下载画面数据");

// The same caption in the user's language, as the messages show it.
inline std::string DownloadCaption() {
  return Translate("tavo::base::Captions", kDownloadCaption);
}

}  // namespace tavo
