#include "model/ElementFactory.h"

#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"

// Creates elements by kind code (placing on a screen) or by registered class
// name (reading a project file).
namespace tavo {

std::unique_ptr<CBase> CreateElement(uint8_t kind, Point at) {
  switch (kind) {
    case kKindText:
      return std::make_unique<CChars>(at, G("文字串"));
    case kKindRegister:
      return std::make_unique<CRegister>(at);
    case kKindLight:
      return std::make_unique<CLight>(at);
    case kKindKey:
      return std::make_unique<CFunction>(at);
    case kKindPicture: {
      // The bitmap of the view's picture-placing mode; without one the
      // picture is empty.
      auto bitmap = TakeBitmapToPlace();
      if (!bitmap) return std::make_unique<CUpLoadPic>(at, 0, 0);
      auto picture = std::make_unique<CUpLoadPic>(at, bitmap->width, bitmap->height);
      picture->CaptureRgb(bitmap->pixels);
      return picture;
    }
    case kKindBar:
      return std::make_unique<CBar>(at);
    case kKindTrend:
      return std::make_unique<CTide>(at);
    case kKindDynamic:
      return std::make_unique<CDynamic>(at, G("动态文字串"));
    default:
      return nullptr;
  }
}

std::unique_ptr<CBase> CreateElementByClass(std::string_view className) {
  if (className == "CChars") return std::make_unique<CChars>();
  if (className == "CRegister") return std::make_unique<CRegister>();
  if (className == "CLight") return std::make_unique<CLight>();
  if (className == "CFunction") return std::make_unique<CFunction>();
  if (className == "CUpLoadPic") return std::make_unique<CUpLoadPic>();
  if (className == "CBar") return std::make_unique<CBar>();
  if (className == "CTide") return std::make_unique<CTide>();
  if (className == "CDynamic") return std::make_unique<CDynamic>();
  return nullptr;  // "CBase", the intermediate classes, anything else
}

}  // namespace tavo
