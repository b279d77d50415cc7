#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/PanelSettings.h"
#include "base/Texts.h"
#include "download/PanelMemory.h"
#include "elements/ImageShared.h"
#include "render/GlyphTables.h"

namespace tavo {

class Project;
class ProtocolFiles;

// A screen's element count is one byte of its screen-table entry.
inline constexpr size_t kMaxScreenElements = 255;

// The protocol driver a download sends with the image.
struct ProtocolDriver {
  uint8_t version = 0;
  std::vector<uint8_t> bytes;
};

// Finds the driver of the current protocol and notes its position in the
// settings; shows its own messages and returns false when there is none.
using DriverLoader = std::function<bool(PanelSettings& settings, ProtocolDriver& out)>;

// The driver as the protocol file of `files` holds it. The editor passes
// CurrentProtocolFiles(), which also remembers the position in "In.dat"; the
// `tavo` command passes one that never writes "In.dat".
DriverLoader DriverFromProtocolFiles(ProtocolFiles& files);

struct ImageCompilerOptions {
  // Where the driver comes from; empty: CurrentProtocolFiles().
  DriverLoader loadDriver;
  // The font libraries; empty: "ormed_CH.dat" and "ormed_EN.dat" among the
  // data files.
  std::string chineseFontPath;
  std::string englishFontPath;
};

enum class CompileOutcome {
  kCompiled,   // image and driver ready for the transfer
  kFailed,     // a font library, the protocol file or the protocol missing
  kRefused,    // the project exceeds what the panel holds (nothing to send)
  kCancelled,  // the warning question was answered by cancelling
};

struct CompiledImage {
  CompileOutcome outcome = CompileOutcome::kFailed;
  std::vector<uint8_t> image;  // from panel address 0x8000
  ProtocolDriver driver;       // sent from panel address 0x0000
  // What the image holds.
  size_t screens = 0;
  size_t elements = 0;
  size_t wideGlyphs = 0;
  size_t narrowGlyphs = 0;
  // Numbers of the screens whose elements had limits or scales out of order
  // and now hold them corrected (the project is then marked modified),
  // whatever the outcome.
  std::vector<uint16_t> correctedScreens;

  bool Ok() const { return outcome == CompileOutcome::kCompiled; }
  size_t Size() const { return image.size(); }
};

// Bytes of each part of the image, in image order.
struct ImageParts {
  size_t header = 0;
  size_t lightPictures = 0;  // 128 when lights are used
  size_t keyPictures = 0;
  size_t wideGlyphs = 0;
  size_t narrowGlyphs = 0;
  size_t pictureData = 0;
  size_t screenTable = 0;
  size_t elementIndex = 0;
  size_t records = 0;
  size_t dynamicTables = 0;
  size_t alarmList = 0;
  // What one screen adds: its screen-table entry, index entries, records and
  // the tables of its dynamic texts.
  struct Screen {
    uint16_t number = 0;
    size_t elements = 0;
    size_t bytes = 0;
  };
  std::vector<Screen> screens;  // filled only when asked for

  size_t Total() const {
    return header + lightPictures + keyPictures + wideGlyphs + narrowGlyphs + pictureData +
           screenTable + elementIndex + records + dynamicTables + alarmList;
  }
};

// Compiles the project into the panel's download image (the steps of the
// download command after the force-driver mark): records of every screen,
// glyph tables, layout, driver, header, assembly and, when a limit or scale
// had to be corrected, the question whether to cancel. Every message and
// question goes through CurrentPrompter(). Everything compiled is released
// before it returns, whatever the outcome. The project changes only where the
// image needs it: a start or saver screen that does not exist becomes the
// first screen's number, and corrected limits and scales stay corrected.
CompiledImage CompileImage(Project& project, const ImageCompilerOptions& options = {});
// The image the panel preview runs (the editor's preview window, `tavo
// preview`, `tavo monitor`): compiled like a download's, without the protocol
// driver, which the panel runtime does not need.
CompiledImage CompileImageForPreview(Project& project);

// The compiler's steps; CompileImage runs them. Split so that each step can
// be tested on its own.
class ImageCompiler {
 public:
  ImageCompiler(Project& project, ImageCompilerOptions options);
  ~ImageCompiler();  // releases everything compiled
  ImageCompiler(const ImageCompiler&) = delete;
  ImageCompiler& operator=(const ImageCompiler&) = delete;

  CompiledImage Run();

  // ---- the steps, in the order Run takes them ----
  // Refuses a screen with more elements than its one-byte count holds.
  bool CheckElementCounts();
  // Pass 1: every record compiled, shared data collected, alarm list prepared.
  void CompileRecords();
  // Refuses an image that would not fit between 0x8000 and 0xFFFF.
  bool CheckImageSize();
  // Glyph slots and picture addresses into the records; glyphs from the
  // libraries.
  bool BuildSharedTables();
  // Pass 2: screen table, element index and every record's address.
  void Layout();
  bool LoadDriver();
  void BuildHeader();
  void Assemble();
  // The download warning's question; false when the user cancels.
  bool AskAboutWarning();
  // Empties every collection and frees every compiled record.
  void Release();

  // Slots of the light and key pictures before the first wide glyph.
  uint16_t PictureSlots() const;
  // Total image size as the records and tables compiled so far make it.
  size_t ImageSize() const { return Parts().Total(); }
  // The bytes of each part of the image after pass 1; with `perScreen` also
  // what each screen takes (the sizes the layout places, nothing re-derived).
  ImageParts Parts(bool perScreen = false) const;

  const ImageShared& Shared() const { return shared_; }
  uint16_t ScreenTableAddress() const { return screenTableAddr_; }
  uint16_t NarrowGlyphAddress() const { return narrowAddr_; }
  uint16_t EndAddress() const { return endAddr_; }
  const CompiledImage& Result() const { return result_; }

 private:
  Project& project_;
  ImageCompilerOptions options_;
  ImageShared shared_;
  GlyphTables glyphs_;
  std::vector<uint8_t> screenTable_;
  std::vector<uint8_t> elementIndex_;
  std::array<uint8_t, kImageHeaderSize> header_{};
  uint16_t screenTableAddr_ = 0;
  uint16_t narrowAddr_ = 0;
  uint16_t endAddr_ = 0;
  CompiledImage result_;
};

// The four light pictures (round off, round on, square off, square on) in the
// panel's 16 x 16 format, slots 0-3 when lights are used.
const std::array<std::array<uint8_t, 32>, 4>& LightPictures();

// The message texts of the compile phase (UTF-8), shown through
// Translate(compile_text::kContext, ...).
namespace compile_text {
inline constexpr const char* kContext = "tavo::download::Compile";
inline constexpr const char* kWarningQuestion =
    TAVO_TRANSLATE_NOOP("tavo::download::Compile", "寄存器原始数据上下限输入有误，取消下载吗?");
inline constexpr const char* kNotARegister =
    TAVO_TRANSLATE_NOOP("tavo::download::Compile", "错误！");
// %1 the image size in bytes.
inline constexpr const char* kImageTooLarge = TAVO_TRANSLATE_NOOP(
    "tavo::download::Compile", "画面数据共%1字节，超出下位机画面数据区的32767字节，不能下载!");
// %1 the screen number, %2 its element count.
inline constexpr const char* kTooManyElements = TAVO_TRANSLATE_NOOP(
    "tavo::download::Compile", "%1号画面有%2个元件，超出每个画面最多255个元件，不能下载!");
}  // namespace compile_text

}  // namespace tavo
