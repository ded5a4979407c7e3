#pragma once
// A Prompter that hands every question and notice to another one and then runs a callback:
// the main window uses it to give the keys back to the beat grid after each message box.

#include <functional>
#include <string>
#include <utility>

#include "song/Prompter.h"

class TFocusReturningPrompter final : public Prompter {
 public:
  TFocusReturningPrompter(Prompter& inner, std::function<void()> after) : inner_(inner), after_(std::move(after)) {}

  TPromptAnswer Question(const std::string& caption, const std::string& text, TPromptButtons buttons,
                         TPromptIcon icon) override {
    const TPromptAnswer answer = inner_.Question(caption, text, buttons, icon);
    After();
    return answer;
  }
  TPromptReply QuestionRemembered(const std::string& caption, const std::string& text, TPromptButtons buttons,
                                  TPromptIcon icon, const std::string& rememberText) override {
    const TPromptReply reply = inner_.QuestionRemembered(caption, text, buttons, icon, rememberText);
    After();
    return reply;
  }
  void Information(const std::string& caption, const std::string& text) override {
    inner_.Information(caption, text);
    After();
  }
  void Warning(const std::string& caption, const std::string& text) override {
    inner_.Warning(caption, text);
    After();
  }
  void Error(const std::string& caption, const std::string& text) override {
    inner_.Error(caption, text);
    After();
  }
  void Message(const std::string& text) override {
    inner_.Message(text);
    After();
  }

 private:
  void After() {
    if (after_) after_();
  }
  Prompter& inner_;
  std::function<void()> after_;
};
