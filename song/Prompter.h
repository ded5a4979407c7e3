#pragma once
// How the song session talks to the person in front of it without owning a window: every
// question, notice and error goes through a Prompter, and progress texts through a
// StatusSink. The window answers with message boxes and its status bar, the command line
// from its flags, and tests from a script (ScriptedPrompter).

#include <string>

#include "base/RememberedAnswer.h"

enum class TPromptButtons { Ok, YesNo, YesNoCancel };

// The icon of a box: Error with "Ошибка", Warning (exclamation) with "Внимание",
// Question with "Подтверждение", Information with "Информация".
enum class TPromptIcon { None, Error, Warning, Question, Information };

enum class TPromptAnswer { Ok, Yes, No, Cancel };

// The answer to a question that offers to remember it, and whether the user ticked that box.
struct TPromptReply {
  TPromptAnswer answer = TPromptAnswer::Cancel;
  bool remember = false;
};

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A question; only Yes lets the asking operation proceed.
  virtual TPromptAnswer Question(const std::string& caption, const std::string& text,
                                 TPromptButtons buttons, TPromptIcon icon) = 0;
  // The same question with a check box captioned `rememberText` ("Do not ask again"). One that
  // cannot show such a box asks the plain question and remembers nothing.
  virtual TPromptReply QuestionRemembered(const std::string& caption, const std::string& text,
                                          TPromptButtons buttons, TPromptIcon icon,
                                          const std::string& rememberText) {
    (void)rememberText;
    return {Question(caption, text, buttons, icon), false};
  }
  virtual void Information(const std::string& caption, const std::string& text) = 0;
  virtual void Warning(const std::string& caption, const std::string& text) = 0;
  virtual void Error(const std::string& caption, const std::string& text) = 0;
  // A plain notice without a caption of its own (the program's title stands there).
  virtual void Message(const std::string& text) = 0;
};

// Receives the progress text of a long operation ("... Ждите..."); an empty text clears it.
// A text shown when an operation ends (a passing notice that needs no answer) stays until the
// next one.
class StatusSink {
 public:
  virtual ~StatusSink() = default;
  virtual void ShowStatus(const std::string& text) = 0;
};

// Answers nothing and shows nothing: every question is declined. For callers that have no
// one to ask.
class SilentPrompter final : public Prompter {
 public:
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons,
                         TPromptIcon) override {
    return TPromptAnswer::Cancel;
  }
  void Information(const std::string&, const std::string&) override {}
  void Warning(const std::string&, const std::string&) override {}
  void Error(const std::string&, const std::string&) override {}
  void Message(const std::string&) override {}
};

class NullStatusSink final : public StatusSink {
 public:
  void ShowStatus(const std::string&) override {}
};
