#pragma once
// How the song session's questions and notices reach a command-line user: questions are
// answered Yes (the flags already said what to do, and only Yes lets a command proceed),
// notices and errors go to the error stream, errors are counted.

#include <iosfwd>
#include <string>

#include "song/Prompter.h"

class TCliPrompter final : public Prompter {
 public:
  explicit TCliPrompter(std::ostream& err) : err_(err) {}

  TPromptAnswer Question(const std::string& caption, const std::string& text, TPromptButtons buttons,
                         TPromptIcon icon) override;
  void Information(const std::string& caption, const std::string& text) override;
  void Warning(const std::string& caption, const std::string& text) override;
  void Error(const std::string& caption, const std::string& text) override;
  void Message(const std::string& text) override;

  int Errors() const { return errors_; }

 private:
  void Print(const std::string& caption, const std::string& text);
  std::ostream& err_;
  int errors_ = 0;
};

