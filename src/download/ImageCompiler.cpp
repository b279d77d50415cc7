#include "download/ImageCompiler.h"

#include <string>

#include "base/Captions.h"
#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "base/Substitute.h"
#include "base/Texts.h"
#include "elements/Tide.h"
#include "model/Project.h"
#include "plc/Protocol.h"
#include "plc/ProtocolFiles.h"
#include "render/FontLibrary.h"

// The compile steps of the download command: pass 1 over every record, the
// size checks, the shared tables, and the release of everything compiled.
// Layout and assembly are in ImageLayout.cpp, the header in ImageHeader.cpp.
namespace tavo {

namespace {

void Refuse(const std::string& text) {
  CurrentPrompter().Message(text, DownloadCaption(), MessageIcon::Warning);
}

// The trends of a screen are numbered 0, 1, 2 ... in element order; each
// learns how many the screen holds.
void NumberTrends(CMainView& screen) {
  uint8_t count = 0;
  for (auto& e : screen.m_elements)
    if (e->m_kind == kKindTrend && dynamic_cast<CTide*>(e.get())) ++count;
  uint8_t index = 0;
  for (auto& e : screen.m_elements) {
    if (e->m_kind != kKindTrend) continue;
    if (auto* trend = dynamic_cast<CTide*>(e.get())) {
      trend->m_trendIndex = index++;
      trend->m_trendCount = count;
    }
  }
}

}  // namespace

ImageCompiler::ImageCompiler(Project& project, ImageCompilerOptions options)
    : project_(project), options_(std::move(options)) {}

ImageCompiler::~ImageCompiler() {
  Release();
}

CompiledImage CompileImage(Project& project, const ImageCompilerOptions& options) {
  return ImageCompiler(project, options).Run();
}

CompiledImage CompileImageForPreview(Project& project) {
  ImageCompilerOptions options;
  options.loadDriver = [](PanelSettings&, ProtocolDriver&) { return true; };
  return CompileImage(project, options);
}

CompiledImage ImageCompiler::Run() {
  Release();
  result_ = {};
  auto finish = [this](CompileOutcome outcome) {
    if (outcome != CompileOutcome::kCompiled) {
      result_.image.clear();
      result_.driver = {};
    }
    result_.outcome = outcome;
    Release();
    return std::move(result_);
  };
  if (!CheckElementCounts()) return finish(CompileOutcome::kRefused);
  CompileRecords();
  if (!CheckImageSize()) return finish(CompileOutcome::kRefused);
  if (!BuildSharedTables()) return finish(CompileOutcome::kFailed);
  Layout();
  if (!LoadDriver()) return finish(CompileOutcome::kFailed);
  BuildHeader();
  Assemble();
  if (!AskAboutWarning()) return finish(CompileOutcome::kCancelled);
  return finish(CompileOutcome::kCompiled);
}

bool ImageCompiler::CheckElementCounts() {
  for (auto& screen : project_.m_screens) {
    if (screen->ElementCount() <= kMaxScreenElements) continue;
    Refuse(Substitute(Translate(compile_text::kContext, compile_text::kTooManyElements),
                      {std::to_string(screen->m_number), std::to_string(screen->ElementCount())}));
    return false;
  }
  return true;
}

void ImageCompiler::CompileRecords() {
  shared_.Clear();
  for (auto& screen : project_.m_screens) {
    NumberTrends(*screen);
    const size_t corrections = shared_.corrections;
    for (auto& e : screen->m_elements) {
      e->CalcCodeSize();
      e->Compile();
      e->CollectShared(shared_);
      if (e->m_kind == kKindLight) shared_.lightsUsed = true;
    }
    if (shared_.corrections != corrections) result_.correctedScreens.push_back(screen->m_number);
  }
  // The corrected values stay in the elements: a change of the project.
  if (!result_.correctedScreens.empty()) project_.SetModified();
  result_.screens = project_.m_screens.size();
  for (auto& screen : project_.m_screens) result_.elements += screen->ElementCount();
  // The alarm texts' characters follow those of every screen; their glyph
  // codes take the picture slots directly.
  CAlarmList& alarms = project_.m_alarmList;
  if (!alarms.m_alarmTexts.empty()) {
    alarms.CalcCodeSize();
    alarms.Compile(shared_, PictureSlots());
  }
  result_.wideGlyphs = shared_.wide.size();
  result_.narrowGlyphs = shared_.narrow.size();
}

uint16_t ImageCompiler::PictureSlots() const {
  return static_cast<uint16_t>(shared_.keyPictures.size() + (shared_.lightsUsed ? 4 : 0));
}

bool ImageCompiler::CheckImageSize() {
  const size_t size = ImageSize();
  if (size <= kMaxImageSize) return true;
  Refuse(Substitute(Translate(compile_text::kContext, compile_text::kImageTooLarge),
                    {std::to_string(size)}));
  return false;
}

bool ImageCompiler::BuildSharedTables() {
  const uint16_t slots = PictureSlots();
  const uint16_t firstKeySlot = shared_.lightsUsed ? 4 : 0;
  auto pictureAddr = static_cast<uint16_t>(kFirstSlotAddress + 32 * (slots + shared_.wide.size()) +
                                           16 * shared_.narrow.size());
  for (auto& screen : project_.m_screens) {
    for (auto& e : screen->m_elements) {
      uint16_t offset = 0;
      switch (e->m_kind) {
        case kKindText:
        case kKindDynamic:
          offset = slots;
          e->Relocate(offset);
          break;
        case kKindKey:
          offset = firstKeySlot;
          e->Relocate(offset);
          break;
        case kKindPicture:
          e->Relocate(pictureAddr);
          break;
        default:
          break;
      }
    }
  }
  const std::string chinese =
      options_.chineseFontPath.empty() ? DataFilePath(kChineseFontFile) : options_.chineseFontPath;
  const std::string english =
      options_.englishFontPath.empty() ? DataFilePath(kEnglishFontFile) : options_.englishFontPath;
  return BuildGlyphTables(chinese, english, shared_.wide, shared_.narrow, glyphs_);
}

bool ImageCompiler::LoadDriver() {
  const DriverLoader load =
      options_.loadDriver ? options_.loadDriver : DriverFromProtocolFiles(CurrentProtocolFiles());
  return load(project_.m_settings, result_.driver);
}

bool ImageCompiler::AskAboutWarning() {
  if (shared_.warning == kNoWarning) return true;
  // OK cancels the download and clears the warning; Cancel goes on with the
  // corrected values.
  if (!CurrentPrompter().OkCancel(Translate(compile_text::kContext, compile_text::kWarningQuestion),
                                  DownloadCaption()))
    return true;
  shared_.warning = kNoWarning;
  return false;
}

void ImageCompiler::Release() {
  for (auto& screen : project_.m_screens) {
    for (auto& e : screen->m_elements) e->FreeCode();
    screen->m_regOrder.clear();
  }
  project_.m_alarmList.FreeCode();
  shared_.Clear();
  glyphs_ = {};
  screenTable_.clear();
  elementIndex_.clear();
}

}  // namespace tavo
