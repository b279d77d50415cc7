#pragma once

namespace tavo {

// The caption of every message of the download command: its compile steps,
// the glyph tables and protocol driver it loads, and the transfer itself.
inline constexpr const char* kDownloadCaption = "下载画面数据";

}  // namespace tavo
