#include "song/ScriptedPrompter.h"

#include <stdexcept>

TPromptAnswer ScriptedPrompter::Question(const std::string& caption, const std::string& text,
                                         TPromptButtons buttons, TPromptIcon icon) {
  calls_.push_back({TKind::Question, caption, text, buttons, icon});
  return NextReply().answer;
}

TPromptReply ScriptedPrompter::QuestionRemembered(const std::string& caption, const std::string& text,
                                                  TPromptButtons buttons, TPromptIcon icon,
                                                  const std::string& rememberText) {
  calls_.push_back({TKind::Question, caption, text, buttons, icon, rememberText});
  return NextReply();
}

TPromptReply ScriptedPrompter::NextReply() {
  if (answers_.empty()) {
    ++unexpected_;
    return {TPromptAnswer::Cancel, false};
  }
  TPromptReply reply = answers_.front();
  answers_.pop_front();
  return reply;
}

void ScriptedPrompter::Information(const std::string& caption, const std::string& text) {
  calls_.push_back({TKind::Information, caption, text, TPromptButtons::Ok, TPromptIcon::Information});
}

void ScriptedPrompter::Warning(const std::string& caption, const std::string& text) {
  calls_.push_back({TKind::Warning, caption, text, TPromptButtons::Ok, TPromptIcon::Warning});
}

void ScriptedPrompter::Error(const std::string& caption, const std::string& text) {
  calls_.push_back({TKind::Error, caption, text, TPromptButtons::Ok, TPromptIcon::Error});
}

void ScriptedPrompter::Message(const std::string& text) {
  calls_.push_back({TKind::Message, std::string(), text, TPromptButtons::Ok, TPromptIcon::None});
}

const ScriptedPrompter::TCall& ScriptedPrompter::Last() const {
  if (calls_.empty()) throw std::logic_error("no box was shown");
  return calls_.back();
}

void ScriptedPrompter::Clear() {
  answers_.clear();
  calls_.clear();
  unexpected_ = 0;
}
