#pragma once
// A Prompter that answers questions from a script and records every box it was asked to
// show, for tests of any layer that drives the song session. A question with no answer
// left in the script is answered Cancel and counted as unexpected, so a test notices a
// question it did not foresee. A question offering to remember its answer ticks that box only
// when the script says so (AnswerRemembering); the box's caption is kept as RememberText.

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "song/Prompter.h"

class ScriptedPrompter final : public Prompter {
 public:
  enum class TKind { Question, Information, Warning, Error, Message };

  struct TCall {
    TKind Kind;
    std::string Caption;
    std::string Text;
    TPromptButtons Buttons = TPromptButtons::Ok;
    TPromptIcon Icon = TPromptIcon::None;
    std::string RememberText;  // a question offering "Do not ask again": its caption
  };

  ScriptedPrompter() = default;
  ScriptedPrompter(std::initializer_list<TPromptAnswer> answers) { Answer(answers); }

  void Answer(TPromptAnswer a) { answers_.push_back({a, false}); }
  void Answer(std::initializer_list<TPromptAnswer> list) {
    for (TPromptAnswer a : list) Answer(a);
  }
  // The next answer, given with "Do not ask again" ticked where the question offers it.
  void AnswerRemembering(TPromptAnswer a) { answers_.push_back({a, true}); }

  TPromptAnswer Question(const std::string& caption, const std::string& text,
                         TPromptButtons buttons, TPromptIcon icon) override;
  TPromptReply QuestionRemembered(const std::string& caption, const std::string& text, TPromptButtons buttons,
                                  TPromptIcon icon, const std::string& rememberText) override;
  void Information(const std::string& caption, const std::string& text) override;
  void Warning(const std::string& caption, const std::string& text) override;
  void Error(const std::string& caption, const std::string& text) override;
  void Message(const std::string& text) override;

  const std::vector<TCall>& Calls() const { return calls_; }
  const TCall& Last() const;
  std::size_t PendingAnswers() const { return answers_.size(); }
  std::size_t Unexpected() const { return unexpected_; }
  void Clear();

 private:
  TPromptReply NextReply();
  std::deque<TPromptReply> answers_;
  std::vector<TCall> calls_;
  std::size_t unexpected_ = 0;
};

// Keeps every status text it was shown, in order.
class RecordingStatusSink final : public StatusSink {
 public:
  void ShowStatus(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};
