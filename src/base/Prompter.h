#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavo {

// The line settings chosen in the PLC selection dialog (indices into the
// catalogue's option lists).
struct PlcChoice {
  uint8_t protocol = 1;  // 1..36
  uint8_t plcPos = 0;    // position in the available-protocol list
  uint8_t baud = 0;
  uint8_t dataBits = 0;
  uint8_t stopBits = 0;
  uint8_t parity = 0;
  uint8_t commOption = 0;
  uint8_t commParam = 0;
  uint16_t e5Timeout = 0;
};

enum class MessageIcon { Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No };

// Everything the logic needs to ask or tell the user. Texts are UTF-8. The
// editor answers with dialogs, the `tavo` command with stderr and options,
// tests with a script.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void Message(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
  // A message with lines the user may look into (the places it concerns, one
  // a line). Where they cannot be shown apart they follow the text.
  virtual void DetailedMessage(const std::string& text, const std::string& caption,
                               MessageIcon icon, const std::string& details) {
    Message(details.empty() ? text : text + "\n" + details, caption, icon);
  }
  // OK/Cancel question; true for OK.
  virtual bool OkCancel(const std::string& text, const std::string& caption) = 0;
  // Yes/No/Cancel question.
  virtual Answer YesNoCancel(const std::string& text, const std::string& caption) = 0;
  // The PLC selection dialog; nullopt when the user cancels.
  virtual std::optional<PlcChoice> ChoosePlc(const PlcChoice& proposed) = 0;
  // A file name to save to (for an untitled project); nullopt on cancel.
  virtual std::optional<std::string> ChooseSavePath(const std::string& proposed) {
    return std::nullopt;
  }
};

// Answers every question with Cancel and drops messages. Used where no user is present.
class SilentPrompter : public Prompter {
 public:
  void Message(const std::string&, const std::string&, MessageIcon) override {}
  bool OkCancel(const std::string&, const std::string&) override { return false; }
  Answer YesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
  std::optional<PlcChoice> ChoosePlc(const PlcChoice&) override { return std::nullopt; }
};

// The prompter in force. Defaults to a SilentPrompter; programs install their own.
Prompter& CurrentPrompter();
void SetPrompter(Prompter* prompter);  // nullptr restores the silent one

// While it lives, the messages shown are held back; Release() (or the end of
// its life) shows them, in order, through the prompter in force before. A
// message whose text is `merged` is shown once, at its first place, with the
// lines `details` gives at that time: a reader that meets the same fault in
// many elements says so once, with where. Questions are asked at once.
class MessageBatch : public Prompter {
 public:
  MessageBatch(std::string merged, std::function<std::string()> details);
  ~MessageBatch() override { Release(); }
  MessageBatch(const MessageBatch&) = delete;
  MessageBatch& operator=(const MessageBatch&) = delete;

  void Release();

  void Message(const std::string& text, const std::string& caption, MessageIcon icon) override;
  void DetailedMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                       const std::string& details) override;
  bool OkCancel(const std::string& text, const std::string& caption) override;
  Answer YesNoCancel(const std::string& text, const std::string& caption) override;
  std::optional<PlcChoice> ChoosePlc(const PlcChoice& proposed) override;
  std::optional<std::string> ChooseSavePath(const std::string& proposed) override;

 private:
  struct Held {
    std::string text, caption;
    MessageIcon icon;
    std::string details;
  };
  Prompter* previous_;
  std::string merged_;
  std::function<std::string()> details_;
  std::vector<Held> held_;
  bool released_ = false;
};

// Installs a prompter for the life of the scope and puts back the one in
// force before (the editor's dialogs, a command's console).
class PrompterScope {
 public:
  explicit PrompterScope(Prompter* replacement) : previous_(&CurrentPrompter()) {
    SetPrompter(replacement);
  }
  ~PrompterScope() { SetPrompter(previous_); }
  PrompterScope(const PrompterScope&) = delete;
  PrompterScope& operator=(const PrompterScope&) = delete;

 private:
  Prompter* previous_;
};

}  // namespace tavo
