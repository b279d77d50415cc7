#include "cli/ConsolePrompter.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>

namespace tavo::cli {

namespace {

void Say(const std::string& text, const std::string& caption, const char* tail = "\n") {
  if (caption.empty())
    std::fprintf(stderr, "%s%s", text.c_str(), tail);
  else
    std::fprintf(stderr, "%s: %s%s", caption.c_str(), text.c_str(), tail);
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// Reads one answer line; nullopt at the end of the input.
std::optional<std::string> ReadLine(std::FILE* in) {
  std::string line;
  int c;
  while ((c = std::fgetc(in)) != EOF && c != '\n') {
    if (line.size() < 64) line.push_back(static_cast<char>(c));
  }
  if (c == EOF && line.empty()) return std::nullopt;
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
    line.erase(line.begin());
  return line;
}

}  // namespace

std::optional<QuestionPolicy> ParseOnWarning(const std::string& value) {
  if (value == "cancel") return QuestionPolicy::kOk;
  if (value == "continue") return QuestionPolicy::kCancel;
  return std::nullopt;
}

ConsolePrompter::ConsolePrompter(QuestionPolicy policy)
    : ConsolePrompter(policy, stdin, isatty(STDIN_FILENO) != 0) {}

ConsolePrompter::ConsolePrompter(QuestionPolicy policy, std::FILE* in, bool interactive)
    : policy_(policy), in_(in), interactive_(interactive && in != nullptr) {}

void ConsolePrompter::Message(const std::string& text, const std::string& caption, MessageIcon) {
  Say(text, caption);
}

bool ConsolePrompter::OkCancel(const std::string& text, const std::string& caption) {
  if (policy_ == QuestionPolicy::kOk) {
    Say(text, caption, " [OK/Cancel] OK\n");
    return true;
  }
  if (policy_ == QuestionPolicy::kAsk && !interactive_) {
    Say(text, caption, " [OK/Cancel] OK (no terminal to ask on; see --on-warning)\n");
    return true;
  }
  if (policy_ == QuestionPolicy::kCancel) {
    Say(text, caption, " [OK/Cancel] Cancel\n");
    return false;
  }
  for (;;) {
    Say(text, caption, " [OK/Cancel] ");
    std::fflush(stderr);
    const auto line = ReadLine(in_);
    if (!line) {
      std::fputs("OK\n", stderr);
      return true;  // the input ended: the safe answer
    }
    const std::string a = Lower(*line);
    if (a == "ok" || a == "o" || a == "y" || a == "yes" || a == "确定") return true;
    if (a == "cancel" || a == "c" || a == "n" || a == "no" || a == "取消") return false;
  }
}

}  // namespace tavo::cli
