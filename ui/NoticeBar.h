#pragma once
// A slim bar inside the window for a notice that needs no answer but should not be missed
// (the output device that did not open): an icon, the text, a button that leads to where it
// can be put right, and a button that closes the bar. It stands above the window's panels
// instead of a message box that would stop the user.

#include <QFrame>
#include <functional>

class QLabel;
class QPushButton;
class QToolButton;

class TNoticeBar final : public QFrame {
 public:
  explicit TNoticeBar(QWidget* parent = nullptr);

  // Shows the bar with a text, the action button's caption and hint, and what it does.
  void ShowNotice(const QString& text, const QString& action, const QString& actionHint,
                  std::function<void()> onAction);

  QLabel* stText = nullptr;
  QPushButton* btnAction = nullptr;
  QToolButton* btnClose = nullptr;

 private:
  std::function<void()> onAction_;
};
