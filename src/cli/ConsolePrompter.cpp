#include "cli/ConsolePrompter.h"

#include <unistd.h>

#include "cli/DownloadConsole.h"

namespace tavo::cli {

namespace {

void Say(const std::string& text, const std::string& caption, const char* tail = "\n") {
  if (caption.empty())
    std::fprintf(stderr, "%s%s", text.c_str(), tail);
  else
    std::fprintf(stderr, "%s: %s%s", caption.c_str(), text.c_str(), tail);
}

// Reads one answer line; nullopt at the end of the input.
std::optional<std::string> ReadLine(std::FILE* in) {
  std::string line;
  int c;
  while ((c = std::fgetc(in)) != EOF && c != '\n') {
    if (line.size() < 64) line.push_back(static_cast<char>(c));
  }
  if (c == EOF && line.empty()) return std::nullopt;
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
    if (const auto answer = ParseOkCancelAnswer(*line)) return *answer;
  }
}

}  // namespace tavo::cli
