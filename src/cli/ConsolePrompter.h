#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "base/Prompter.h"

namespace tavo::cli {

// How a command answers the OK/Cancel questions of the logic (the download
// warning: "...取消下载吗?", where OK cancels the download).
enum class QuestionPolicy {
  kAsk,     // ask on the terminal; without one, answer OK
  kOk,      // answer OK
  kCancel,  // answer Cancel
};

// The `--on-warning` option: "cancel" answers the warning question OK (the
// download is cancelled), "continue" answers it Cancel (the download goes on
// with the corrected values). nullopt for any other value.
std::optional<QuestionPolicy> ParseOnWarning(const std::string& value);

// The `tavo` command's user: messages on stderr ("caption: text"), OK/Cancel
// questions by policy or on the terminal, every other question cancelled.
class ConsolePrompter : public SilentPrompter {
 public:
  // `in` is read for answers when `interactive`; by default stdin, when it is
  // a terminal.
  explicit ConsolePrompter(QuestionPolicy policy);
  ConsolePrompter(QuestionPolicy policy, std::FILE* in, bool interactive);

  void Message(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool OkCancel(const std::string& text, const std::string& caption) override;

 private:
  QuestionPolicy policy_;
  std::FILE* in_;
  bool interactive_;
};

}  // namespace tavo::cli
