#pragma once

#include <string>
#include <vector>

// The texts the window-free layers show (messages, captions, the command
// line's output for people) are Chinese in the source, and the programs show
// them in the user's language through one hook that each program installs.
//
// Marking: a text is marked where it is written, in a table or at the call,
// with its context (one per module, "tavo::<layer>::<Module>"):
//
//   constexpr const char* kNoPort = TAVO_TRANSLATE_NOOP("tavo::download::Transfer", "...");
//
// The mark leaves the text as it is; it only tells the catalogue tool
// (lupdate) that the text is to be translated. The same text is written to
// files and images untranslated: those never change with the language.
//
// Translating: at the point the text is shown (handed to the prompter,
// printed for a person), with the same context:
//
//   prompter.Message(Translate("tavo::download::Transfer", kNoPort), ...);
//
// A template with %1, %2 is translated first and its arguments put in after,
// so that the catalogue holds one entry however the arguments vary and a
// translation may put them in another order:
//
//   std::string text = Substitute(Translate(kContext, "%1 含有非预期的对象。"), {fileName});
//
// (Substitute is in base/Substitute.h.) A text that is kept to be shown
// later, perhaps in another language than it is stored in, keeps its template
// and arguments apart: base/Phrase.h.
//
// Output meant for scripts (--json, the catalogue's code lines) and the
// project's own texts (element texts, screen descriptions, alarm texts,
// protocol names) are never translated.
//
// The mark has QT_TRANSLATE_NOOP's form: the catalogue tool is told that
// TAVO_TRANSLATE_NOOP and Translate spell QT_TRANSLATE_NOOP and translate.
#define TAVO_TRANSLATE_NOOP(context, source) source

namespace tavo {

// Finds the translation of `source` (UTF-8) in `context`; returns the source
// itself when there is none. Installed by the programs; never null.
using TranslateFunction = std::string (*)(const char* context, const char* source);

// Installs the hook; null restores the default, which shows every text as
// written (Chinese).
void SetTranslateFunction(TranslateFunction function);

// The text in the user's language.
std::string Translate(const char* context, const char* source);

// A list of choices in the user's language, entry by entry (entries without a
// translation, such as "HEX" or a baud rate, stay as they are). The stored
// index of a choice is its position, so the order never changes.
std::vector<std::string> TranslateAll(const char* context, const std::vector<std::string>& sources);

}  // namespace tavo
