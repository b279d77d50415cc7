#include "model/ElementFactory.h"

// Creates elements by kind code or class name. Element kinds register here as
// they are built.
namespace tavo {

std::unique_ptr<CBase> CreateElement(uint8_t kind, Point at) { return nullptr; }

std::unique_ptr<CBase> CreateElementByClass(std::string_view className) { return nullptr; }

}  // namespace tavo
