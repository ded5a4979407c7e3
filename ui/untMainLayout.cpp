// The main window's controls at their design places (client pixels, the tool bar's 29
// included), and the switch between the expanded and the compact layout.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

#include <algorithm>

#include "base/untMesConst.h"
#include "settings/untVars.h"
#include "ui/Controls.h"
#include "ui/GridModels.h"
#include "ui/MidiPiano.h"
#include "ui/untMain.h"

namespace {

constexpr int kToolBarHeight = 29;
constexpr int kClientWidth = 792;
constexpr int kClientBottom = 527;  // below the beat grid and the event grid
constexpr int kTrackGridHeight = 185;

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString M(MesId id) { return Q(Mes(id)); }

// "short|long": the short part is the tooltip, the long part goes to the status bar; a hint
// without "|" is both.
void SetHint(QWidget* w, const std::string& hint) {
  QString h = Q(hint);
  int bar = h.indexOf(QLatin1Char('|'));
  w->setToolTip(bar < 0 ? h : h.left(bar));
  w->setStatusTip(bar < 0 ? h : h.mid(bar + 1));
}

void Place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(left, top - kToolBarHeight, width, height);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, bool bold = false) {
  auto* l = new QLabel(text, parent);
  if (bold) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  l->adjustSize();
  Place(l, left, top, l->width(), l->height());
  return l;
}

void MakeBold(QWidget* w) {
  QFont f = w->font();
  f.setBold(true);
  w->setFont(f);
}

// Read-only position displays: coloured text on black, as on a device's display. Each is
// at least as wide as the longest reading it shows in its own font (a song of a hundred
// bars and more must not lose its first digit).
QLineEdit* MakeDisplay(QWidget* parent, const QString& color, bool bold, int width, const QString& longest,
                       const std::string& hint) {
  auto* e = new QLineEdit(parent);
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

}  // namespace

void TfrmMain::CreateControls() {
  setWindowTitle(M(MesId::SMainCaption));
  // The controls' font: the system's sans serif at 8 points; the lyrics in its monospace font.
  QFont base = QApplication::font();
  base.setPointSize(8);
  setFont(base);

  CreateToolBar();

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("pnlClient"));
  setCentralWidget(client);

  lvTracks = new QTreeView(client);
  lvTracks->setObjectName(QStringLiteral("lvTracks"));
  lvTracks->setRootIsDecorated(false);
  lvTracks->setAllColumnsShowFocus(true);
  lvTracks->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvTracks->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvTracks->setCursor(Qt::PointingHandCursor);
  lvTracks->setMouseTracking(true);
  lvTracks->setContextMenuPolicy(Qt::CustomContextMenu);
  Place(lvTracks, 8, 32, 121, 297);

  btnScrollPianoLeft = new QPushButton(QStringLiteral("<"), client);
  btnScrollPianoRight = new QPushButton(QStringLiteral(">"), client);
  for (QPushButton* b : {btnScrollPianoLeft, btnScrollPianoRight}) {
    MakeBold(b);
    b->setFocusPolicy(Qt::NoFocus);
  }
  SetHint(btnScrollPianoLeft, Mes(MesId::SScrollPianoLeftHint));
  SetHint(btnScrollPianoRight, Mes(MesId::SScrollPianoRightHint));
  Place(btnScrollPianoLeft, 136, 32, 17, 105);
  Place(btnScrollPianoRight, 768, 32, 17, 105);

  MidiPianoView = new TMidiPiano(MidiPiano(), client);
  MidiPianoView->setObjectName(QStringLiteral("MidiPiano"));
  Place(MidiPianoView, 152, 32, 617, 105);

  stNote = MakeLabel(client, M(MesId::SNoteLabel), 136, 142, true);
  {
    QFont f = stNote->font();
    f.setUnderline(true);
    stNote->setFont(f);
    stNote->setFixedWidth(84);
  }
  btnMarkedPlay = new QPushButton(M(MesId::SMarkedPlay), client);
  SetHint(btnMarkedPlay, Mes(MesId::SMarkedPlayHint));
  Place(btnMarkedPlay, 136, 160, 81, 17);

  mmMarked = new QListView(client);
  mmMarked->setObjectName(QStringLiteral("mmMarked"));
  mmMarked->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SetHint(mmMarked, Mes(MesId::SMarkedHint));
  Place(mmMarked, 136, 176, 81, 137);

  btnAutoSearchMarked = new QPushButton(M(MesId::SAutoSearchMarked), client);
  btnAutoSearchMarked->setCheckable(true);
  btnAutoSearchMarked->setChecked(true);
  SetHint(btnAutoSearchMarked, Mes(MesId::SAutoSearchMarkedHint));
  Place(btnAutoSearchMarked, 136, 312, 81, 17);

  stVariants = MakeLabel(client, M(MesId::SVariantsLabel), 224, 142);
  {
    // The count of variants must fit beside the button; the system's sans serif runs wider
    // than the design's font, so this label is a little smaller.
    QFont f = stVariants->font();
    f.setPointSizeF(f.pointSizeF() - 0.5);
    stVariants->setFont(f);
    stVariants->setFixedWidth(214);
  }

  btnSetSelectedChord = new QPushButton(client);
  MakeBold(btnSetSelectedChord);
  Place(btnSetSelectedChord, 440, 142, 97, 19);

  grdVariants = MakeGrid(client, true);
  grdVariants->setObjectName(QStringLiteral("grdVariants"));
  grdVariants->setContextMenuPolicy(Qt::CustomContextMenu);
  SetHint(grdVariants, Mes(MesId::SVariantsHint));
  Place(grdVariants, 224, 160, 313, 169);

  Label1 = MakeLabel(client, M(MesId::SSongGridLabel), 544, 142);
  btnSimplify = new QPushButton(M(MesId::SSimplify), client);
  MakeBold(btnSimplify);
  SetHint(btnSimplify, Mes(MesId::SSimplifyHint));
  // The button keeps its right edge and yields what the caption of the grid needs.
  const int simplifyLeft = std::max(672, Label1->x() + Label1->width() + 4);
  Place(btnSimplify, simplifyLeft, 142, 785 - simplifyLeft, 19);

  grdSong = MakeGrid(client, false);
  grdSong->setObjectName(QStringLiteral("grdSong"));
  grdSong->setContextMenuPolicy(Qt::CustomContextMenu);
  grdSong->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
  grdSong->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grdSong->horizontalHeader()->setSectionsClickable(false);
  SetHint(grdSong, Mes(MesId::SSongGridHint));
  Place(grdSong, 544, 160, 241, 361);

  grdTrack = MakeGrid(client, true);
  grdTrack->setObjectName(QStringLiteral("grdTrack"));
  grdTrack->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grdTrack->verticalHeader()->setDefaultSectionSize(16);
  Place(grdTrack, 8, 336, 273, kTrackGridHeight);

  mmText = new QPlainTextEdit(client);
  mmText->setObjectName(QStringLiteral("mmText"));
  mmText->setReadOnly(true);
  mmText->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Place(mmText, 288, 336, 249, kTrackGridHeight);

  SB = new QStatusBar(this);
  SB->setObjectName(QStringLiteral("SB"));
  SB->setSizeGripEnabled(false);
  SB->setFixedHeight(19);
  setStatusBar(SB);

  TimerAutoStop = new QTimer(this);
  TimerAutoStop->setSingleShot(true);
  TimerAutoStop->setInterval(1000);

  client->setFixedSize(kClientWidth, kClientBottom - kToolBarHeight);
  // The controls keep their places and sizes, so a larger window would only add an empty
  // margin: the window is as large as its contents, and follows them (layout, tool bar).
  QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);
  resize(sizeHint());
}

// The current key shows the longest key name whole, and the window is as wide as its tool
// bar: a tool bar cut short hides its last controls behind its extension button.
void TfrmMain::FitToolBar() {
  const QFontMetrics metrics(stRootNew->font());
  int widest = 0;
  for (const std::string& key : presenter_->cbRootOrigItems())
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(key)));
  stRootNew->setMinimumWidth(std::max(90, widest + 6));
  // The key box has new entries too: the window takes the tool bar's new width at once.
  ToolBar->layout()->invalidate();
  QMainWindow::layout()->invalidate();
  QMainWindow::layout()->activate();
}

void TfrmMain::CreateToolBar() {
  ToolBar = new QToolBar(this);
  ToolBar->setObjectName(QStringLiteral("ToolBar"));
  ToolBar->setMovable(false);
  ToolBar->setFloatable(false);
  ToolBar->setIconSize(QSize(16, 16));
  ToolBar->setFixedHeight(kToolBarHeight);
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
  edtTime = MakeDisplay(ToolBar, QStringLiteral("yellow"), true, 58, QStringLiteral("0:00:00"), Mes(MesId::STimeHint));
  ToolBar->addWidget(edtTime);
  ToolBar->addSeparator();
  const QString longestTicks = QStringLiteral("000:00.000");
  edtTicks = MakeDisplay(ToolBar, QStringLiteral("lime"), true, 68, longestTicks, Mes(MesId::STicksHint));
  ToolBar->addWidget(edtTicks);
  auto* colon = new QLabel(QStringLiteral(" : "));
  QFont big = colon->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 3);
  colon->setFont(big);
  ToolBar->addWidget(colon);
  edtLength = MakeDisplay(ToolBar, QStringLiteral("lime"), false, 68, longestTicks, Mes(MesId::SLengthHint));
  ToolBar->addWidget(edtLength);
  ToolBar->addSeparator();
  ToolBar->addWidget(new QLabel(M(MesId::SBpmLabel) + QLatin1Char(' ')));
  cbBpm = new QComboBox;
  cbBpm->setObjectName(QStringLiteral("cbBpm"));
  cbBpm->setEditable(true);
  cbBpm->setInsertPolicy(QComboBox::NoInsert);
  cbBpm->setFixedWidth(62);
  cbBpm->setStyleSheet(QStringLiteral("QComboBox, QComboBox QLineEdit { background: black; color: aqua; }"));
  SetHint(cbBpm, Mes(MesId::SBpmHint));
  ToolBar->addWidget(cbBpm);
  ToolBar->addSeparator();
  ToolBar->addWidget(new QLabel(M(MesId::SRootLabel) + QLatin1Char(' ')));
  cbRootOrig = new QComboBox;
  cbRootOrig->setObjectName(QStringLiteral("cbRootOrig"));
  MakeBold(cbRootOrig);
  // The key names run long in some namings ("F#(Gb) или D#(Eb)m"): the box shows them whole.
  cbRootOrig->setMinimumWidth(108);
  cbRootOrig->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  cbRootOrig->setMaxVisibleItems(12);
  SetHint(cbRootOrig, Mes(MesId::SRootOrigHint));
  ToolBar->addWidget(cbRootOrig);
  ToolBar->addAction(actFindRoot);
  cbTranspos = new TDropDownCombo;
  cbTranspos->setObjectName(QStringLiteral("cbTranspos"));
  MakeBold(cbTranspos);
  cbTranspos->setFixedWidth(58);
  cbTranspos->setMaxVisibleItems(23);
  cbTranspos->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  SetHint(cbTranspos, Mes(MesId::STransposHint));
  ToolBar->addWidget(cbTranspos);
  ToolBar->addSeparator();
  stRootNew = new QLabel;
  stRootNew->setObjectName(QStringLiteral("stRootNew"));
  MakeBold(stRootNew);
  stRootNew->setMinimumWidth(90);
  SetHint(stRootNew, Mes(MesId::SRootNewHint));
  ToolBar->addWidget(stRootNew);
}

void TfrmMain::SetFormOpened(bool opened) {
  const TFormLayout layout =
      FormLayoutFor(opened, createdHeight_, createdSongHeight_, kTrackGridHeight, grdVariants->height());
  grdTrack->setVisible(layout.TrackGridVisible);
  mmText->setVisible(layout.TrackGridVisible);
  grdSong->resize(grdSong->width(), layout.SongGridHeight);
  centralWidget()->setFixedHeight(kClientBottom - kToolBarHeight - (createdHeight_ - layout.FormHeight));
  // The window takes its new height at once (not adjustSize(), which would also keep it
  // within two thirds of the screen, narrower than the tool bar on a small screen).
  QMainWindow::layout()->activate();
  // The four beat columns share the grid's width beside the row labels and a scroll bar.
  const int beatWidth = (grdSong->width() - 2 * grdSong->frameWidth() - 22 - 20) / 4;
  grdSong->setColumnWidth(0, 22);
  for (int c = 1; c <= 4; ++c) grdSong->setColumnWidth(c, beatWidth);
}
