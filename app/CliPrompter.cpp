#include "app/CliPrompter.h"

#include <ostream>

#include "base/untMesConst.h"

TPromptAnswer TCliPrompter::Question(const std::string&, const std::string&, TPromptButtons buttons, TPromptIcon) {
  return buttons == TPromptButtons::Ok ? TPromptAnswer::Ok : TPromptAnswer::Yes;
}

void TCliPrompter::Print(const std::string& caption, const std::string& text) {
  if (!caption.empty()) err_ << caption << ": ";
  err_ << MesLines(text) << '\n';
}

void TCliPrompter::Information(const std::string& caption, const std::string& text) { Print(caption, text); }
void TCliPrompter::Warning(const std::string& caption, const std::string& text) { Print(caption, text); }
void TCliPrompter::Error(const std::string& caption, const std::string& text) {
  ++errors_;
  Print(caption, text);
}
void TCliPrompter::Message(const std::string& text) { Print(std::string(), text); }
