#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/Prompter.h"

namespace tavo::test {

// Records every message and question; answers from a script (OK / Yes when the
// script is empty). Installs itself as the current prompter while alive.
class ScriptedPrompter : public Prompter {
 public:
  struct Said {
    std::string kind;  // "message", "okcancel", "yesnocancel", "plc"
    std::string text;
    std::string caption;
    std::string details;  // of a detailed message
  };
  ScriptedPrompter() { SetPrompter(this); }
  ~ScriptedPrompter() override { SetPrompter(nullptr); }

  void Message(const std::string& text, const std::string& caption, MessageIcon) override {
    said.push_back({"message", text, caption, ""});
  }
  void DetailedMessage(const std::string& text, const std::string& caption, MessageIcon,
                       const std::string& details) override {
    said.push_back({"message", text, caption, details});
  }
  bool OkCancel(const std::string& text, const std::string& caption) override {
    said.push_back({"okcancel", text, caption, ""});
    return Next(Answer::Ok) == Answer::Ok;
  }
  Answer YesNoCancel(const std::string& text, const std::string& caption) override {
    said.push_back({"yesnocancel", text, caption, ""});
    return Next(Answer::Yes);
  }
  std::optional<PlcChoice> ChoosePlc(const PlcChoice& proposed) override {
    said.push_back({"plc", "", "", ""});
    if (!plcAnswers.empty()) {
      auto c = plcAnswers.front();
      plcAnswers.pop_front();
      return c;
    }
    return proposed;
  }
  std::optional<std::string> ChooseSavePath(const std::string& proposed) override {
    said.push_back({"savepath", proposed, "", ""});
    if (savePaths.empty()) return std::nullopt;
    auto p = savePaths.front();
    savePaths.pop_front();
    return p;
  }

  // Texts of every message shown, in order.
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (auto& s : said)
      if (s.kind == "message") out.push_back(s.text);
    return out;
  }

  std::deque<Answer> answers;
  std::deque<std::optional<PlcChoice>> plcAnswers;
  std::deque<std::string> savePaths;
  std::vector<Said> said;

 private:
  Answer Next(Answer dflt) {
    if (answers.empty()) return dflt;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace tavo::test
