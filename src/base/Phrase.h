#pragma once

#include <string>
#include <vector>

namespace tavo {

// A text for a person that is put together from a marked template and its
// arguments, kept apart so that it can be written both ways: as the source
// text (Chinese, what files, JSON and comparisons hold) and in the user's
// language (the template translated first, its arguments put in after).
//
// An argument is either a plain value, shown as it is in every language (a
// number, a register-type name, a project's own text), or a phrase itself
// (an element's kind and position inside a finding, a key's name):
//
//   Phrase(kContext, TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "%1跳转到的%2号画面不存在"),
//          {Describe(key), std::to_string(key.m_screenNo)})
//
// The context and the template are marked literals: the phrase keeps the
// pointers, not copies.
class Phrase {
 public:
  Phrase() = default;
  // A plain value. Implicit, so that arguments read as values; a string
  // literal is not taken (it would be a template without its context).
  Phrase(std::string plain) : plain_(std::move(plain)) {}
  Phrase(const char* context, const char* pattern, std::vector<Phrase> args = {})
      : context_(context), pattern_(pattern), args_(std::move(args)) {}

  // The text as written in the sources, arguments as written.
  std::string Source() const { return Render(false); }
  // The text in the user's language, each argument in it too.
  std::string Shown() const { return Render(true); }

  // Neither a template nor a value.
  bool Empty() const { return !pattern_ && plain_.empty(); }

  // The same template (compared as text) with the same arguments.
  bool operator==(const Phrase& other) const;

 private:
  std::string Render(bool shown) const;

  const char* context_ = nullptr;
  const char* pattern_ = nullptr;  // null: a plain value
  std::string plain_;
  std::vector<Phrase> args_;
};

}  // namespace tavo
