#pragma once

// The screen, text, light and picture pages without a window.

#include <string>
#include <vector>

#include "pages/PageLogic.h"

namespace tavo {
class CChars;
class CLight;
class CUpLoadPic;
}  // namespace tavo

namespace tavo::app {

// Page 159 "画面属性": the current screen when no element is selected.
class ScreenPageLogic : public PageLogic {
 public:
  static constexpr size_t kMaxDescription = 65535;

  explicit ScreenPageLogic(PageEnv& env);
  void Load(CMainView& screen);
  CMainView* Screen() const { return screen_; }
  // "%d号画面" with the screen number (UTF-8).
  std::string NumberText() const;

  BoundText description;  // "画面描述:"
  NumberBox upScreen;     // "按向上键至画面:"
  NumberBox downScreen;   // "按向下键至画面:"

  // A changed description goes into the screen's row of the screen list.
  void Idle() override;
  void Unload() override {
    PageLogic::Unload();
    screen_ = nullptr;
  }

 private:
  CMainView* screen_ = nullptr;
};

// Page 162 "文本属性".
class TextPageLogic : public ElementPageLogic {
 public:
  explicit TextPageLogic(PageEnv& env);
  void Load(CBase& element) override;

  BoundCheck doubleSize;  // "倍角"
  BoundCheck inverse;     // "反相"
  BoundText text;         // "文字串:", 24 bytes

  void Idle() override;
};

// Page 163 "指示灯属性".
class LightPageLogic : public ElementPageLogic {
 public:
  explicit LightPageLogic(PageEnv& env);
  void Load(CBase& element) override;

  BoundCheck doubleSize;  // "倍角"
  BoundCombo style;       // "种类:" "圆形", "方形"
  BoundCombo logic;       // "逻辑:" "正逻辑", "负逻辑"
  AddressControls address;
  NumberBox bitOffset;  // "偏移:"

  void Idle() override;
  void Unload() override {
    ElementPageLogic::Unload();
    light_ = nullptr;
  }

 private:
  void UpdateBitOffsetRange();
  CLight* light_ = nullptr;
};

// Page 402 "图片属性": position; width and height shown only.
class PicturePageLogic : public ElementPageLogic {
 public:
  explicit PicturePageLogic(PageEnv& env) : ElementPageLogic(env) {}
  void Load(CBase& element) override;
  int Width() const;
  int Height() const;

  void Idle() override;

 protected:
  // X up to 192 less the width, Y up to 64 less the height (panel pixels).
  void UpdateMaxima() override;
};

}  // namespace tavo::app
