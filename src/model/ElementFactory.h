#pragma once

#include <memory>
#include <string_view>

#include "model/Base.h"

namespace tavo {

// A new element of kind 1..8 created at an editor point (text "文字串", dynamic
// text "动态文字串"), not yet placed; nullptr for any other kind.
std::unique_ptr<CBase> CreateElement(uint8_t kind, Point at);

// An element constructed with its defaults by registered class name ("CChars",
// "CRegister", ...); nullptr when the name is not an element class. The file
// reader uses it.
std::unique_ptr<CBase> CreateElementByClass(std::string_view className);

}  // namespace tavo
