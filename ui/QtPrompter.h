#pragma once
// The window's answers to the song session: questions, notices and errors as modal message
// boxes over the main window, progress texts in its status bar.

#include <QPointer>
#include <QWidget>
#include <QString>

#include <functional>
#include <string>

#include "song/Prompter.h"

class QWidget;

// The message table keeps line breaks as "\r"; a message box wants "\n".
QString MessageBoxText(const std::string& text);

class TQtPrompter final : public Prompter {
 public:
  explicit TQtPrompter(QWidget* parent) : parent_(parent) {}

  TPromptAnswer Question(const std::string& caption, const std::string& text, TPromptButtons buttons,
                         TPromptIcon icon) override;
  TPromptReply QuestionRemembered(const std::string& caption, const std::string& text, TPromptButtons buttons,
                                  TPromptIcon icon, const std::string& rememberText) override;
  void Information(const std::string& caption, const std::string& text) override;
  void Warning(const std::string& caption, const std::string& text) override;
  void Error(const std::string& caption, const std::string& text) override;
  void Message(const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
};

// Shows each progress text at once (the operation that sets it keeps the thread busy).
class TFunctionStatusSink final : public StatusSink {
 public:
  explicit TFunctionStatusSink(std::function<void(const std::string&)> show) : show_(std::move(show)) {}
  void ShowStatus(const std::string& text) override { show_(text); }

 private:
  std::function<void(const std::string&)> show_;
};
