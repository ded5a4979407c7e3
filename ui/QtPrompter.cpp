#include "ui/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QWidget>

#include <utility>

#include "base/untMesConst.h"

namespace {

QMessageBox::Icon BoxIcon(TPromptIcon icon) {
  switch (icon) {
    case TPromptIcon::Error: return QMessageBox::Critical;
    case TPromptIcon::Warning: return QMessageBox::Warning;
    case TPromptIcon::Question: return QMessageBox::Question;
    case TPromptIcon::Information: return QMessageBox::Information;
    case TPromptIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// rememberText: the caption of a "Do not ask again" box under the text, whose state comes
// back in *remember.
QMessageBox::StandardButton Show(QWidget* parent, const std::string& caption, const std::string& text,
                                 QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                 const std::string& rememberText = {}, bool* remember = nullptr) {
  QMessageBox box(icon, QString::fromStdString(caption), MessageBoxText(text), buttons, parent);
  if (remember) {
    auto* check = new QCheckBox(QString::fromStdString(rememberText), &box);
    check->setObjectName(QStringLiteral("cbDontAskAgain"));
    box.setCheckBox(check);
  }
  // The buttons speak the program's language, not the toolkit's.
  const std::pair<QMessageBox::StandardButton, MesId> captions[] = {
      {QMessageBox::Yes, MesId::SButtonYes},
      {QMessageBox::No, MesId::SButtonNo},
      {QMessageBox::Cancel, MesId::SButtonCancel},
      {QMessageBox::Ok, MesId::SButtonOk}};
  for (const auto& [button, id] : captions)
    if (QAbstractButton* b = box.button(button)) b->setText(QString::fromStdString(Mes(id)));
  // The first button is the default one, as in the program's other boxes: Enter confirms.
  if (buttons & QMessageBox::Yes) box.setDefaultButton(QMessageBox::Yes);
  const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
  if (remember) *remember = box.checkBox() && box.checkBox()->isChecked();
  // The keys go back to the window the box stood over.
  if (parent) parent->activateWindow();
  return answer;
}

}  // namespace

QString MessageBoxText(const std::string& text) {
  return QString::fromStdString(MesLines(text));
}

namespace {

QMessageBox::StandardButtons BoxButtons(TPromptButtons buttons) {
  if (buttons == TPromptButtons::YesNo) return QMessageBox::Yes | QMessageBox::No;
  if (buttons == TPromptButtons::YesNoCancel) return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  return QMessageBox::Ok;
}

TPromptAnswer AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes: return TPromptAnswer::Yes;
    case QMessageBox::No: return TPromptAnswer::No;
    case QMessageBox::Ok: return TPromptAnswer::Ok;
    default: return TPromptAnswer::Cancel;
  }
}

}  // namespace

TPromptAnswer TQtPrompter::Question(const std::string& caption, const std::string& text, TPromptButtons buttons,
                                    TPromptIcon icon) {
  return AnswerOf(Show(parent_, caption, text, BoxIcon(icon), BoxButtons(buttons)));
}

TPromptReply TQtPrompter::QuestionRemembered(const std::string& caption, const std::string& text,
                                             TPromptButtons buttons, TPromptIcon icon,
                                             const std::string& rememberText) {
  TPromptReply reply;
  reply.answer = AnswerOf(Show(parent_, caption, text, BoxIcon(icon), BoxButtons(buttons), rememberText, &reply.remember));
  // A box closed without an answer (Esc, the window's close button) leaves nothing to remember.
  if (reply.answer == TPromptAnswer::Cancel) reply.remember = false;
  return reply;
}

void TQtPrompter::Information(const std::string& caption, const std::string& text) {
  Show(parent_, caption, text, QMessageBox::Information, QMessageBox::Ok);
}

void TQtPrompter::Warning(const std::string& caption, const std::string& text) {
  Show(parent_, caption, text, QMessageBox::Warning, QMessageBox::Ok);
}

void TQtPrompter::Error(const std::string& caption, const std::string& text) {
  Show(parent_, caption, text, QMessageBox::Critical, QMessageBox::Ok);
}

void TQtPrompter::Message(const std::string& text) {
  // The program's title, as the main window shows it (the application's name is the lower-case
  // name of the program file).
  Show(parent_, Mes(MesId::SMainCaption), text, QMessageBox::NoIcon, QMessageBox::Ok);
}
