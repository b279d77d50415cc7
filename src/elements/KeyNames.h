#pragma once

#include <array>

#include "base/Texts.h"
#include "elements/Function.h"

namespace tavo {

// The panel's keys by key index (a function key's m_picStyle), as the key
// page lists them and the project check names them. Marked: shown through
// Translate(kKeyNamesContext, ...).
inline constexpr const char* kKeyNamesContext = "tavo::elements::KeyNames";
inline constexpr std::array<const char*, kKeyCount> kKeyNames = {
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘ESC’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘←’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘→’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘↓’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘↑’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘SET’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘ENT’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘ALM’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘0’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘1’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘2’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘3’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘4’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘5’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘6’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘7’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘8’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘9’键"),
    TAVO_TRANSLATE_NOOP("tavo::elements::KeyNames", "‘CLR’键"),
};

}  // namespace tavo
