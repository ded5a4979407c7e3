// The main window's controls in layouts that keep the design's arrangement and grow with the
// window, its default size, and the switch between the expanded and the compact layout.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QBitmap>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "base/untMesConst.h"
#include "settings/untVars.h"
#include "ui/Contrast.h"
#include "ui/Controls.h"
#include "ui/GridModels.h"
#include "ui/MidiPiano.h"
#include "ui/NoticeBar.h"
#include "ui/untMain.h"

namespace {

constexpr int kToolBarHeight = 29;

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString M(MesId id) { return Q(Mes(id)); }

// The design's pixels are those of a 96 dpi screen: with larger fonts (a higher logical dpi)
// the fixed sizes grow with the text.
class TDesignScale {
 public:
  explicit TDesignScale(const QWidget* w) : factor_(std::max(1.0, w->logicalDpiY() / 96.0)) {}
  int operator()(int designPixels) const { return static_cast<int>(std::lround(designPixels * factor_)); }

 private:
  double factor_;
};

// "short|long": the short part is the tooltip, the long part goes to the status bar; a hint
// without "|" is both.
void SetHint(QWidget* w, const std::string& hint) {
  QString h = Q(hint);
  int bar = h.indexOf(QLatin1Char('|'));
  w->setToolTip(bar < 0 ? h : h.left(bar));
  w->setStatusTip(bar < 0 ? h : h.mid(bar + 1));
}

void MakeBold(QWidget* w) {
  QFont f = w->font();
  f.setBold(true);
  w->setFont(f);
}

// Read-only position displays: coloured text on black, as on a device's display. Each is
// at least as wide as the longest reading it shows in its own font (a song of a thousand
// bars and more must not lose its first digit).
QLineEdit* MakeDisplay(QWidget* parent, const char* name, const QString& color, bool bold, int width,
                       const QString& longest, const std::string& hint) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  e->setAlignment(Qt::AlignCenter);
  e->setStyleSheet(QStringLiteral("QLineEdit { background: black; color: %1; }").arg(color));
  if (bold) MakeBold(e);
  e->setFixedWidth(std::max(width, e->fontMetrics().horizontalAdvance(longest) + 14));
  SetHint(e, hint);
  return e;
}

QTableView* MakeGrid(QWidget* parent, bool rowSelect) {
  auto* g = new TGridView(parent);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  g->setSelectionBehavior(rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
  g->verticalHeader()->setVisible(false);
  g->verticalHeader()->setDefaultSectionSize(18);
  g->verticalHeader()->setMinimumSectionSize(14);
  g->horizontalHeader()->setHighlightSections(false);
  g->setWordWrap(false);
  return g;
}

// The application's icon from the icon theme (installed), else the program's logo beside it.
QIcon ProgramIcon() {
  QIcon icon = QIcon::fromTheme(QStringLiteral("cantaro"));
  if (icon.isNull()) icon = QApplication::windowIcon();
  if (icon.isNull() || icon.availableSizes().isEmpty()) {
    QPixmap logo(Q(LogoFile));
    if (!logo.isNull()) {
      logo.setMask(logo.createMaskFromColor(Qt::white));
      icon = QIcon(logo);
    }
  }
  return icon;
}

}  // namespace

void TfrmMain::CreateControls() {
  setWindowTitle(M(MesId::SMainCaption));
  setWindowIcon(ProgramIcon());
  // The controls' font: the system's sans serif at 8 points; the lyrics in its monospace font.
  QFont base = QApplication::font();
  base.setPointSize(8);
  setFont(base);

  CreateToolBar();

  // The notice bar stands above the panels, as wide as they are, while it is shown.
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("pnlCentral"));
  setCentralWidget(central);
  auto* centralColumn = new QVBoxLayout(central);
  centralColumn->setContentsMargins(0, 0, 0, 0);
  centralColumn->setSpacing(0);
  pnlNoticeBar = new TNoticeBar(central);
  auto* client = new QWidget(central);
  client->setObjectName(QStringLiteral("pnlClient"));
  centralColumn->addWidget(pnlNoticeBar);
  centralColumn->addWidget(client, 1);
  const TDesignScale px(client);

  lvTracks = new TTrackListView(client);
  lvTracks->setObjectName(QStringLiteral("lvTracks"));
  lvTracks->setRootIsDecorated(false);
  lvTracks->setAllColumnsShowFocus(true);
  lvTracks->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvTracks->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvTracks->setCursor(Qt::PointingHandCursor);
  lvTracks->setMouseTracking(true);
  lvTracks->setContextMenuPolicy(Qt::CustomContextMenu);
  lvTracks->setFixedWidth(px(121));

  btnScrollPianoLeft = new QPushButton(QStringLiteral("<"), client);
  btnScrollPianoLeft->setObjectName(QStringLiteral("btnScrollPianoLeft"));
  btnScrollPianoRight = new QPushButton(QStringLiteral(">"), client);
  btnScrollPianoRight->setObjectName(QStringLiteral("btnScrollPianoRight"));
  for (QPushButton* b : {btnScrollPianoLeft, btnScrollPianoRight}) {
    MakeBold(b);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(std::max(px(17), b->fontMetrics().horizontalAdvance(QStringLiteral(">")) + 8), px(105));
  }
  SetHint(btnScrollPianoLeft, Mes(MesId::SScrollPianoLeftHint));
  SetHint(btnScrollPianoRight, Mes(MesId::SScrollPianoRightHint));

  MidiPianoView = new TMidiPiano(MidiPiano(), settings_, client);
  MidiPianoView->setObjectName(QStringLiteral("MidiPiano"));
  // The piano widens its keys with the window; its height follows the font size.
  MidiPianoView->setFixedHeight(px(105));
  MidiPianoView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

  stNote = new QLabel(M(MesId::SNoteLabel), client);
  stNote->setObjectName(QStringLiteral("stNote"));
  {
    QFont f = stNote->font();
    f.setBold(true);
    f.setUnderline(true);
    stNote->setFont(f);
  }
  btnMarkedPlay = new QPushButton(M(MesId::SMarkedPlay), client);
  btnMarkedPlay->setObjectName(QStringLiteral("btnMarkedPlay"));
  SetHint(btnMarkedPlay, Mes(MesId::SMarkedPlayHint));

  mmMarked = new QListView(client);
  mmMarked->setObjectName(QStringLiteral("mmMarked"));
  mmMarked->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SetHint(mmMarked, Mes(MesId::SMarkedHint));

  btnAutoSearchMarked = new QPushButton(M(MesId::SAutoSearchMarked), client);
  btnAutoSearchMarked->setObjectName(QStringLiteral("btnAutoSearchMarked"));
  btnAutoSearchMarked->setCheckable(true);
  btnAutoSearchMarked->setChecked(true);
  SetHint(btnAutoSearchMarked, Mes(MesId::SAutoSearchMarkedHint));
  // A pressed toggle looks alike in some styles: down is also shown by its colour and a frame.
  btnAutoSearchMarked->setStyleSheet(QStringLiteral(
      "QPushButton { padding: 1px 4px; }"
      "QPushButton:checked { background: palette(highlight); color: palette(highlighted-text);"
      " border: 2px inset palette(dark); font-weight: bold; }"));

  // The marked-notes column is as wide as the design's 81 pixels, or as its texts need.
  int markedWidth = px(81);
  for (QWidget* w : {static_cast<QWidget*>(btnMarkedPlay), static_cast<QWidget*>(btnAutoSearchMarked)})
    markedWidth = std::max(markedWidth, w->sizeHint().width());
  {
    QFont bold = btnAutoSearchMarked->font();
    bold.setBold(true);
    markedWidth = std::max(markedWidth, QFontMetrics(bold).horizontalAdvance(btnAutoSearchMarked->text()) + 14);
  }
  markedWidth = std::max(markedWidth, mmMarked->fontMetrics().horizontalAdvance(QStringLiteral("127 - G#9")) + 24);
  for (QWidget* w : {static_cast<QWidget*>(btnMarkedPlay), static_cast<QWidget*>(mmMarked),
                     static_cast<QWidget*>(btnAutoSearchMarked)})
    w->setFixedWidth(markedWidth);
  stNote->setMinimumWidth(stNote->fontMetrics().horizontalAdvance(QStringLiteral("G#10")) + 4);

  stVariants = new QLabel(M(MesId::SVariantsLabel), client);
  stVariants->setObjectName(QStringLiteral("stVariants"));
  // The count of variants ("Всего найдено 34 вариантов аккорда:") shows whole.
  stVariants->setMinimumWidth(stVariants->fontMetrics().horizontalAdvance(
      QString::fromStdString(MesFormat(MesId::SSongVariantsFound, 100))));

  btnSetSelectedChord = new QPushButton(client);
  btnSetSelectedChord->setObjectName(QStringLiteral("btnSetSelectedChord"));
  MakeBold(btnSetSelectedChord);

  grdVariants = MakeGrid(client, true);
  grdVariants->setObjectName(QStringLiteral("grdVariants"));
  grdVariants->setContextMenuPolicy(Qt::CustomContextMenu);
  grdVariants->setMinimumWidth(px(240));
  SetHint(grdVariants, Mes(MesId::SVariantsHint));

  Label1 = new QLabel(M(MesId::SSongGridLabel), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  btnSimplify = new QPushButton(M(MesId::SSimplify), client);
  btnSimplify->setObjectName(QStringLiteral("btnSimplify"));
  MakeBold(btnSimplify);
  SetHint(btnSimplify, Mes(MesId::SSimplifyHint));

  grdSong = MakeGrid(client, false);
  grdSong->setObjectName(QStringLiteral("grdSong"));
  grdSong->setContextMenuPolicy(Qt::CustomContextMenu);
  grdSong->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
  grdSong->horizontalHeader()->setMinimumSectionSize(px(20));
  grdSong->horizontalHeader()->setSectionsClickable(false);
  grdSong->setMinimumWidth(px(241));
  SetHint(grdSong, Mes(MesId::SSongGridHint));

  grdTrack = MakeGrid(client, true);
  grdTrack->setObjectName(QStringLiteral("grdTrack"));
  grdTrack->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grdTrack->verticalHeader()->setDefaultSectionSize(std::max(16, grdTrack->fontMetrics().height() + 2));
  grdTrack->setMinimumSize(px(200), px(60));

  mmText = new QPlainTextEdit(client);
  mmText->setObjectName(QStringLiteral("mmText"));
  mmText->setReadOnly(true);
  mmText->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  mmText->setMinimumSize(px(160), px(60));

  // The design's arrangement as layouts: the track list at the left beside the piano and the
  // panels below it; the beat grid at the right reaching down beside the event grid and the
  // lyrics. The beat grid, the event grid and the lyrics take the room a larger window adds.
  auto* grid = new QGridLayout(client);
  grid->setObjectName(QStringLiteral("ClientLayout"));
  grid->setContentsMargins(px(8), px(3), px(7), px(6));
  grid->setHorizontalSpacing(px(7));
  grid->setVerticalSpacing(5);

  auto* pianoRow = new QHBoxLayout;
  pianoRow->setSpacing(0);
  pianoRow->addWidget(btnScrollPianoLeft);
  pianoRow->addWidget(MidiPianoView, 1);
  pianoRow->addWidget(btnScrollPianoRight);

  auto* markedColumn = new QVBoxLayout;
  markedColumn->setSpacing(0);
  markedColumn->addWidget(stNote);
  markedColumn->addSpacing(2);
  markedColumn->addWidget(btnMarkedPlay);
  markedColumn->addWidget(mmMarked, 1);
  markedColumn->addWidget(btnAutoSearchMarked);

  auto* variantsHead = new QHBoxLayout;
  variantsHead->setSpacing(px(4));
  variantsHead->addWidget(stVariants, 1);
  variantsHead->addWidget(btnSetSelectedChord);
  auto* variantsColumn = new QVBoxLayout;
  variantsColumn->setSpacing(0);
  variantsColumn->addLayout(variantsHead);
  variantsColumn->addSpacing(1);
  variantsColumn->addWidget(grdVariants, 1);

  auto* songHead = new QHBoxLayout;
  songHead->setSpacing(px(4));
  songHead->addWidget(Label1);
  songHead->addStretch(1);
  songHead->addWidget(btnSimplify);
  auto* songColumn = new QVBoxLayout;
  songColumn->setSpacing(0);
  songColumn->addLayout(songHead);
  songColumn->addSpacing(1);
  songColumn->addWidget(grdSong, 1);

  bottomRow_ = new QHBoxLayout;
  bottomRow_->setSpacing(px(7));
  bottomRow_->addWidget(grdTrack, 273);
  bottomRow_->addWidget(mmText, 249);

  grid->addWidget(lvTracks, 0, 0, 2, 1);
  grid->addLayout(pianoRow, 0, 1, 1, 3);
  grid->addLayout(markedColumn, 1, 1);
  grid->addLayout(variantsColumn, 1, 2);
  grid->addLayout(songColumn, 1, 3, 2, 1);
  grid->addLayout(bottomRow_, 2, 0, 1, 3);
  grid->setColumnStretch(2, 313);
  grid->setColumnStretch(3, 241);
  // The rows take their heights from the design and the window, not from what the lists
  // would like to show: the variants keep their design height, the row below takes the rest.
  for (QWidget* w : {static_cast<QWidget*>(mmMarked), static_cast<QWidget*>(grdVariants),
                     static_cast<QWidget*>(grdSong), static_cast<QWidget*>(grdTrack), static_cast<QWidget*>(mmText),
                     static_cast<QWidget*>(lvTracks)}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Ignored);
    w->setSizePolicy(policy);
  }
  grid->setRowMinimumHeight(1, px(169) + btnSetSelectedChord->sizeHint().height());
  grid->setRowStretch(1, 0);
  grid->setRowStretch(2, 1);
  clientLayout_ = grid;
  // A selected cell's text must read on the selection colour, which some themes make too light
  // for their white text.
  for (QWidget* w : {static_cast<QWidget*>(lvTracks), static_cast<QWidget*>(mmMarked), static_cast<QWidget*>(grdVariants),
                     static_cast<QWidget*>(grdSong), static_cast<QWidget*>(grdTrack),
                     static_cast<QWidget*>(btnAutoSearchMarked)})
    w->setPalette(WithLegibleSelection(w->palette()));

  SB = new QStatusBar(this);
  SB->setObjectName(QStringLiteral("SB"));
  setStatusBar(SB);
  stSilent = new QLabel(M(MesId::SOutputSilent), SB);
  stSilent->setObjectName(QStringLiteral("stSilent"));
  stSilent->setVisible(false);
  SB->addPermanentWidget(stSilent);

  TimerAutoStop = new QTimer(this);
  TimerAutoStop->setSingleShot(true);
  TimerAutoStop->setInterval(1000);

  // The beat columns share the grid's width beside the row labels.
  grdSong->horizontalHeader()->setMinimumSectionSize(px(20));

  resize(DefaultSize());
}

// The design's 798 x 597 pixels at 96 dpi, larger with larger fonts, at least what the
// controls and the whole tool bar need, and never larger than the screen.
QSize TfrmMain::DefaultSize() {
  const TDesignScale px(this);
  QMainWindow::layout()->activate();
  QSize size(px(792), px(570));
  // The chord sheet's pane beside the design's areas.
  if (dckSheet && !dckSheet->isHidden()) size.rwidth() += px(300);
  size = size.expandedTo(minimumSizeHint());
  // Both tool bars in one row where the screen has room for it.
  size.setWidth(std::max(size.width(), ToolBarsRowWidth()));
  if (QScreen* s = screen()) {
    const QRect avail = s->availableGeometry();
    // Room for the window's frame.
    size = size.boundedTo(QSize(avail.width() - 8, avail.height() - 34));
  }
  return size;
}

// The current key shows the longest key name whole.
void TfrmMain::FitToolBar() {
  const QFontMetrics metrics(stRootNew->font());
  int widest = 0;
  for (const std::string& key : presenter_->cbRootOrigItems())
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(key)));
  stRootNew->setMinimumWidth(std::max(TDesignScale(this)(90), widest + 6));
  ToolBar->layout()->invalidate();
  ToolBarKey->layout()->invalidate();
  WrapToolBars();
  QMainWindow::layout()->invalidate();
  QMainWindow::layout()->activate();
}

int TfrmMain::ToolBarsRowWidth() const {
  // The main window's layout puts a few pixels between the bars and at the ends.
  return ToolBar->sizeHint().width() + ToolBarKey->sizeHint().width() + 8;
}

// A tool bar narrower than its controls hides the last ones behind an extension button. The
// two bars share a row while the window is wide enough for both; otherwise the key bar starts
// a second row. The window is never narrower than the wider bar (the screen permitting), so
// neither hides a control.
void TfrmMain::WrapToolBars() {
  // While the window starts, its width is not yet the one it starts with: a second row put in
  // meanwhile would leave the window a row taller than it needs.
  if (starting_) return;
  const bool wrap = width() < ToolBarsRowWidth();
  if (wrap != toolBarsWrapped_) {
    toolBarsWrapped_ = wrap;
    if (wrap)
      insertToolBarBreak(ToolBarKey);
    else
      removeToolBarBreak(ToolBarKey);
  }
  // Held by the panels' minimum width (a minimum of the window itself would also freeze its
  // minimum height): with the chord sheet beside them, the two share the bars' width.
  int widest = std::max(ToolBar->sizeHint().width(), ToolBarKey->sizeHint().width());
  if (QScreen* s = screen()) widest = std::min(widest, s->availableGeometry().width() - 8);
  if (dckSheet && dckSheet->isVisible() && !dckSheet->isFloating()) widest -= dckSheet->minimumSizeHint().width();
  // An explicit minimum stands for the layout's: never below what the panels need.
  widest = std::max(widest, centralWidget()->layout()->minimumSize().width());
  if (centralWidget()->minimumWidth() != widest) centralWidget()->setMinimumWidth(std::max(0, widest));
}

void TfrmMain::CreateToolBar() {
  const TDesignScale px(this);
  ToolBar = new QToolBar(this);
  ToolBar->setObjectName(QStringLiteral("ToolBar"));
  ToolBar->setMovable(false);
  ToolBar->setFloatable(false);
  const int icon = px(16);
  ToolBar->setIconSize(QSize(icon, icon));
  ToolBar->setMinimumHeight(std::max(kToolBarHeight, icon + 13));
  ToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
  addToolBar(Qt::TopToolBarArea, ToolBar);

  ToolBar->addAction(actLoad);
  ToolBar->addAction(actSearchSongChords);
  ToolBar->addAction(actWriteText);
  ToolBar->addSeparator();
  ToolBar->addAction(actRewind);
  ToolBar->addAction(actPlay);
  ToolBar->addSeparator();
  ToolBar->addAction(actOptions);
  ToolBar->addSeparator();
  edtTime = MakeDisplay(ToolBar, "edtTime", QStringLiteral("yellow"), true, px(58), QStringLiteral("0:00:00"),
                        Mes(MesId::STimeHint));
  ToolBar->addWidget(edtTime);
  ToolBar->addSeparator();
  // A song of up to 99999 bars.
  const QString longestTicks = QStringLiteral("00000:00.000");
  edtTicks = MakeDisplay(ToolBar, "edtTicks", QStringLiteral("lime"), true, px(68), longestTicks,
                         Mes(MesId::STicksHint));
  ToolBar->addWidget(edtTicks);
  auto* colon = new QLabel(QStringLiteral(" : "));
  colon->setObjectName(QStringLiteral("stColon"));
  QFont big = colon->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 3);
  colon->setFont(big);
  ToolBar->addWidget(colon);
  edtLength = MakeDisplay(ToolBar, "edtLength", QStringLiteral("lime"), false, px(68), longestTicks,
                          Mes(MesId::SLengthHint));
  ToolBar->addWidget(edtLength);
  // The tool buttons are named after their commands, so that tests and control lists find them.
  for (QAction* a : ToolBar->actions())
    if (QWidget* b = ToolBar->widgetForAction(a); b && !a->objectName().isEmpty()) b->setObjectName(a->objectName());

  ToolBarKey = new QToolBar(this);
  ToolBarKey->setObjectName(QStringLiteral("ToolBarKey"));
  ToolBarKey->setMovable(false);
  ToolBarKey->setFloatable(false);
  ToolBarKey->setIconSize(QSize(icon, icon));
  ToolBarKey->setMinimumHeight(ToolBar->minimumHeight());
  ToolBarKey->setContextMenuPolicy(Qt::PreventContextMenu);
  addToolBar(Qt::TopToolBarArea, ToolBarKey);
  auto* bpmLabel = new QLabel(M(MesId::SBpmLabel) + QLatin1Char(' '));
  bpmLabel->setObjectName(QStringLiteral("stBpm"));
  ToolBarKey->addWidget(bpmLabel);
  cbBpm = new QComboBox;
  cbBpm->setObjectName(QStringLiteral("cbBpm"));
  cbBpm->setEditable(true);
  cbBpm->setInsertPolicy(QComboBox::NoInsert);
  cbBpm->setFixedWidth(std::max(px(62), cbBpm->fontMetrics().horizontalAdvance(QStringLiteral("* 0.75")) + 34));
  cbBpm->setStyleSheet(QStringLiteral("QComboBox, QComboBox QLineEdit { background: black; color: aqua; }"));
  SetHint(cbBpm, Mes(MesId::SBpmHint));
  ToolBarKey->addWidget(cbBpm);
  ToolBarKey->addSeparator();
  auto* rootLabel = new QLabel(M(MesId::SRootLabel) + QLatin1Char(' '));
  rootLabel->setObjectName(QStringLiteral("stRoot"));
  ToolBarKey->addWidget(rootLabel);
  cbRootOrig = new QComboBox;
  cbRootOrig->setObjectName(QStringLiteral("cbRootOrig"));
  MakeBold(cbRootOrig);
  // The key names run long in some namings ("F#(Gb) или D#(Eb)m"): the box shows them whole.
  cbRootOrig->setMinimumWidth(px(108));
  cbRootOrig->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  cbRootOrig->setMaxVisibleItems(12);
  SetHint(cbRootOrig, Mes(MesId::SRootOrigHint));
  ToolBarKey->addWidget(cbRootOrig);
  ToolBarKey->addAction(actFindRoot);
  cbTranspos = new TDropDownCombo;
  cbTranspos->setObjectName(QStringLiteral("cbTranspos"));
  MakeBold(cbTranspos);
  cbTranspos->setFixedWidth(std::max(px(58), cbTranspos->fontMetrics().horizontalAdvance(QStringLiteral("-11")) + 34));
  cbTranspos->setMaxVisibleItems(23);
  cbTranspos->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  SetHint(cbTranspos, Mes(MesId::STransposHint));
  ToolBarKey->addWidget(cbTranspos);
  ToolBarKey->addSeparator();
  stRootNew = new QLabel;
  stRootNew->setObjectName(QStringLiteral("stRootNew"));
  MakeBold(stRootNew);
  stRootNew->setMinimumWidth(px(90));
  SetHint(stRootNew, Mes(MesId::SRootNewHint));
  ToolBarKey->addWidget(stRootNew);
  if (QWidget* b = ToolBarKey->widgetForAction(actFindRoot)) b->setObjectName(actFindRoot->objectName());
}

// The compact layout hides the event grid and the lyrics and gives up their row: the beat
// grid ends with the variants, and the window loses that row's height. The expanded layout
// gives the row back. The window's width and any height the user gave it otherwise stay.
void TfrmMain::SetFormOpened(bool opened) {
  const bool wasOpened = grdTrack->isVisibleTo(this);
  const bool first = !formLayoutSet_;
  if (opened == wasOpened && !first) return;
  formLayoutSet_ = true;
  const bool onScreen = isVisible() && !first;
  int target = height();
  if (onScreen) {
    QMainWindow::layout()->activate();
    // Switching back and forth returns to the same heights unless the user resized between.
    if (!opened) {
      const bool unchanged = height() == expandedHeight_ && compactHeight_ > 0;
      bottomHeight_ = grdTrack->height() + clientLayout_->verticalSpacing();
      expandedHeight_ = height();
      target = unchanged ? compactHeight_ : height() - bottomHeight_;
      compactHeight_ = target;
    } else {
      const bool unchanged = height() == compactHeight_ && expandedHeight_ > 0;
      if (bottomHeight_ <= 0) bottomHeight_ = TDesignScale(this)(185) + clientLayout_->verticalSpacing();
      compactHeight_ = height();
      target = unchanged ? expandedHeight_ : height() + bottomHeight_;
      expandedHeight_ = target;
    }
  }
  grdTrack->setVisible(opened);
  mmText->setVisible(opened);
  clientLayout_->setRowStretch(1, opened ? 0 : 1);
  clientLayout_->setRowStretch(2, opened ? 1 : 0);
  clientLayout_->invalidate();
  QMainWindow::layout()->activate();
  if (first && !opened) {
    // Before the first showing: the default size without the event grid's row.
    target = height() - TDesignScale(this)(185) - clientLayout_->verticalSpacing();
  }
  if (target != height()) resize(width(), std::max(minimumSizeHint().height(), target));
  QMainWindow::layout()->activate();
  (opened ? expandedHeight_ : compactHeight_) = height();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  WrapToolBars();
  FitSongColumns();
  ScheduleControlDump();
}

// The four beat columns share the grid's width beside the row labels; a wider grid shows
// longer chord names whole.
void TfrmMain::FitSongColumns() {
  QHeaderView* header = grdSong->horizontalHeader();
  if (header->count() < BeatsPerRow + 1) return;
  const int labels = std::max(TDesignScale(this)(23), grdSong->fontMetrics().horizontalAdvance(QStringLiteral("9999")) + 8);
  header->setSectionResizeMode(0, QHeaderView::Fixed);
  header->resizeSection(0, labels);
  for (int c = 1; c <= BeatsPerRow; ++c) header->setSectionResizeMode(c, QHeaderView::Stretch);
}

// The grids' column widths (a new song resets a grid's columns): the event grid keeps its
// last column, "Info", in sight and gives it the room that is left.
void TfrmMain::FitGridColumns() {
  const TDesignScale px(this);
  QHeaderView* events = grdTrack->horizontalHeader();
  events->setStretchLastSection(true);
  const int widths[] = {30, 64, 36, 36};
  for (int c = 0; c < 4 && c < events->count(); ++c) {
    const QString title = grdTrack->model()->headerData(c, Qt::Horizontal).toString();
    grdTrack->setColumnWidth(c, std::max(px(widths[c]), events->fontMetrics().horizontalAdvance(title) + 12));
  }
  if (events->count() > 5) grdTrack->setColumnHidden(5, true);
  QHeaderView* variants = grdVariants->horizontalHeader();
  variants->setStretchLastSection(true);
  if (variants->count() >= 3) {
    grdVariants->setColumnWidth(0, std::max(px(20), variants->fontMetrics().horizontalAdvance(QStringLiteral("99")) + 10));
    grdVariants->setColumnWidth(1, px(120));
  }
  FitSongColumns();
}

void TfrmMain::ConnectLayout() {
  // The desktop's usual keys beside the program's own ones.
  actLoad->setShortcuts({actLoad->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O)});
  actQuit->setShortcuts({actQuit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q)});
  grdSong->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(grdSong), static_cast<QAbstractItemView*>(grdTrack),
                                  static_cast<QAbstractItemView*>(grdVariants)}) {
    connect(view->model(), &QAbstractItemModel::modelReset, this, [this] { FitGridColumns(); });
    connect(view->model(), &QAbstractItemModel::columnsInserted, this, [this] { FitGridColumns(); });
  }
  FitGridColumns();
}
