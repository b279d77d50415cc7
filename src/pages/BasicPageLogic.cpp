#include "pages/BasicPageLogic.h"

#include "base/Substitute.h"
#include "base/Texts.h"
#include "elements/Chars.h"
#include "elements/Light.h"
#include "elements/UpLoadPic.h"
#include "model/Screen.h"
#include "pages/PageRules.h"

namespace tavo::app {

namespace {

constexpr const char* kContext = "tavo::pages::BasicPageLogic";
const std::vector<std::string> kLightStyles = {
    TAVO_TRANSLATE_NOOP("tavo::pages::BasicPageLogic", "圆形"),
    TAVO_TRANSLATE_NOOP("tavo::pages::BasicPageLogic", "方形")};
const std::vector<std::string> kLightLogics = {
    TAVO_TRANSLATE_NOOP("tavo::pages::BasicPageLogic", "正逻辑"),
    TAVO_TRANSLATE_NOOP("tavo::pages::BasicPageLogic", "负逻辑")};

}  // namespace

// ---- screen page ----

ScreenPageLogic::ScreenPageLogic(PageEnv& env) : PageLogic(env) {
  Connect(description);
  Connect(upScreen);
  Connect(downScreen);
}

void ScreenPageLogic::Load(CMainView& screen) {
  EndEdit();
  screen_ = &screen;
  description.Bind(screen.m_description, kMaxDescription);
  for (NumberBox* box : {&upScreen, &downScreen}) box->SetRadix(Radix::Unsigned);
  upScreen.Bind(screen.m_upScreen);
  upScreen.SetRange(0, 65535);
  downScreen.Bind(screen.m_downScreen);
  downScreen.SetRange(0, 65535);
}

std::string ScreenPageLogic::NumberText() const {
  if (!screen_) return {};
  return Substitute(
      Translate(kContext, TAVO_TRANSLATE_NOOP("tavo::pages::BasicPageLogic", "%1号画面")),
      {std::to_string(screen_->m_number)});
}

void ScreenPageLogic::Idle() {
  if (!screen_) return;
  if (description.Changed()) {
    description.ClearChanged();
    if (env_.screenRowChanged) env_.screenRowChanged(screen_->m_description);
  }
  upScreen.ClearChanged();
  downScreen.ClearChanged();
}

// ---- text page ----

TextPageLogic::TextPageLogic(PageEnv& env) : ElementPageLogic(env) {
  Connect(doubleSize);
  Connect(inverse);
  Connect(text);
}

void TextPageLogic::Load(CBase& element) {
  auto& chars = static_cast<CChars&>(element);
  StartLoad(element);
  doubleSize.Bind(chars.m_double);
  inverse.Bind(chars.m_inverse);
  text.Bind(chars.m_text, CChars::kMaxPageText);
  ElementPageLogic::Load(element);
}

void TextPageLogic::Idle() {
  if (!element_) return;
  IdlePosition();
  if (doubleSize.Changed()) {
    doubleSize.ClearChanged();
    Resize();
  }
  if (inverse.Changed()) {
    inverse.ClearChanged();
    env_.Repaint();
  }
  if (text.Changed()) {
    text.ClearChanged();
    Resize();
  }
}

// ---- light page ----

LightPageLogic::LightPageLogic(PageEnv& env) : ElementPageLogic(env) {
  Connect(doubleSize);
  Connect(style);
  Connect(logic);
  Connect(address);
  Connect(bitOffset);
}

void LightPageLogic::Load(CBase& element) {
  light_ = &static_cast<CLight&>(element);
  StartLoad(element);
  doubleSize.Bind(light_->m_double);
  style.Bind(light_->m_picStyle, TranslateAll(kContext, kLightStyles));
  logic.Bind(light_->m_inverse, TranslateAll(kContext, kLightLogics));
  address.Load(element, VariableUse::BitRead, true);
  bitOffset.SetRadix(Radix::Unsigned);
  // Visibility first: a hidden box never changes its field.
  bitOffset.SetVisible(BitOffsetShown(CurrentProfile()));
  bitOffset.Bind(light_->m_bitOffset);
  UpdateBitOffsetRange();
  ElementPageLogic::Load(element);
  Layout();
}

void LightPageLogic::UpdateBitOffsetRange() {
  const uint8_t code = RegisterTypeCode(CurrentProfile(), light_->m_regType, kUseWord);
  const Range r = BitOffsetRange(code & 0x0F);
  bitOffset.SetRange(r.min, r.max);
}

void LightPageLogic::Idle() {
  if (!light_) return;
  IdlePosition();
  if (doubleSize.Changed()) {
    doubleSize.ClearChanged();
    Resize();
  }
  if (style.Changed() || logic.Changed()) {
    style.ClearChanged();
    logic.ClearChanged();
    env_.Repaint();
  }
  const bool listsBefore = address.subType.Visible();
  const auto result = address.Idle(&light_->m_subTypeCode, &light_->m_subTypeAddr);
  if (result.typeChanged) UpdateBitOffsetRange();
  if (listsBefore != address.subType.Visible()) Layout();
  bitOffset.ClearChanged();
}

// ---- picture page ----

void PicturePageLogic::Load(CBase& element) {
  ElementPageLogic::Load(element);
}

int PicturePageLogic::Width() const {
  return element_ ? static_cast<const CUpLoadPic*>(element_)->Width() : 0;
}

int PicturePageLogic::Height() const {
  return element_ ? static_cast<const CUpLoadPic*>(element_)->Height() : 0;
}

void PicturePageLogic::UpdateMaxima() {
  x.SetRange(0, kPanelWidth - Width());
  y.SetRange(0, kPanelHeight - Height());
}

void PicturePageLogic::Idle() {
  IdlePosition();
}

}  // namespace tavo::app
