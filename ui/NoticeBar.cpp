#include "ui/NoticeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "ui/MesText.h"

TNoticeBar::TNoticeBar(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("pnlNoticeBar"));
  setFrameShape(QFrame::StyledPanel);
  // The colours of a tooltip: set apart from the window, readable in light and dark themes.
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
  p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
  setPalette(p);

  auto* row = new QHBoxLayout(this);
  const int gap = fontMetrics().height() / 3;
  row->setContentsMargins(gap, gap / 2, gap / 2, gap / 2);
  row->setSpacing(gap);
  auto* icon = new QLabel(this);
  const int side = fontMetrics().height();
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(QSize(side, side), devicePixelRatioF()));
  stText = new QLabel(this);
  stText->setObjectName(QStringLiteral("stNoticeText"));
  stText->setWordWrap(true);
  stText->setTextInteractionFlags(Qt::TextSelectableByMouse);
  btnAction = new QPushButton(this);
  btnAction->setObjectName(QStringLiteral("btnNoticeAction"));
  btnClose = new QToolButton(this);
  btnClose->setObjectName(QStringLiteral("btnNoticeClose"));
  btnClose->setAutoRaise(true);
  btnClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  btnClose->setToolTip(MesText(MesId::SOutputBarClose));
  btnClose->setAccessibleName(btnClose->toolTip());
  row->addWidget(icon, 0, Qt::AlignVCenter);
  row->addWidget(stText, 1);
  row->addWidget(btnAction, 0, Qt::AlignVCenter);
  row->addWidget(btnClose, 0, Qt::AlignVCenter);
  connect(btnAction, &QPushButton::clicked, this, [this] {
    // The bar has done its work once the user went to put it right.
    hide();
    if (onAction_) onAction_();
  });
  connect(btnClose, &QToolButton::clicked, this, &QWidget::hide);
  hide();
}

void TNoticeBar::ShowNotice(const QString& text, const QString& action, const QString& actionHint,
                            std::function<void()> onAction) {
  stText->setText(text);
  btnAction->setText(action);
  btnAction->setToolTip(actionHint);
  onAction_ = std::move(onAction);
  show();
}
