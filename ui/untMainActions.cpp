// The command table shared by the tool bar, the main menu and the pop-up menus, and the
// recent-files menu.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QTreeView>

#include "base/untMesConst.h"
#include "settings/untVars.h"
#include "ui/untMain.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void SetActionHint(QAction* a, const std::string& hint) {
  QString h = Q(hint);
  int bar = h.indexOf(QLatin1Char('|'));
  QString shortPart = bar < 0 ? h : h.left(bar);
  a->setToolTip(shortPart.isEmpty() ? a->text() : shortPart);
  a->setStatusTip(bar < 0 ? h : h.mid(bar + 1));
}

}  // namespace

// The command table: one row per command with its caption, hint, key and handler. Adding a
// command is a row here and its handler; its places (tool bar, menus) are listed below.
const std::vector<TfrmMain::TCommand>& TfrmMain::Commands() {
  static const std::vector<TCommand> table = {
      {&TfrmMain::actLoad, "actLoad", MesId::SActLoad, MesId::SActLoadHint,
       QKeySequence(Qt::Key_F3), &TfrmMain::actLoadExecute},
      {&TfrmMain::actSearchSongChords, "actSearchSongChords", MesId::SActSearchSongChords, MesId::SActSearchSongChordsHint,
       QKeySequence(Qt::Key_F8), &TfrmMain::actSearchSongChordsExecute},
      {&TfrmMain::actWriteText, "actWriteText", MesId::SActWriteText, MesId::SActWriteTextHint,
       QKeySequence(Qt::Key_F2), &TfrmMain::actWriteTextExecute},
      {&TfrmMain::actRewind, "actRewind", MesId::SActRewind, MesId::SActRewindHint,
       QKeySequence(Qt::CTRL | Qt::Key_F2), &TfrmMain::actRewindExecute},
      {&TfrmMain::actPlay, "actPlay", MesId::SActPlay, MesId::SActPlayHint,
       QKeySequence(Qt::Key_F9), &TfrmMain::actPlayExecute},
      {&TfrmMain::actOptions, "actOptions", MesId::SActOptions, MesId::SActOptionsHint,
       QKeySequence(Qt::Key_F5), &TfrmMain::actOptionsExecute},
      {&TfrmMain::actFindRoot, "actFindRoot", MesId::SActFindRoot, MesId::SActFindRootHint,
       QKeySequence(Qt::Key_F7), &TfrmMain::actFindRootExecute},
      {&TfrmMain::actIncBeat, "actIncBeat", MesId::SActIncBeat, MesId::SActIncBeatHint,
       QKeySequence(), &TfrmMain::actIncBeatExecute},
      {&TfrmMain::actDefBeat, "actDefBeat", MesId::SActDefBeat, MesId::SActDefBeatHint,
       QKeySequence(), &TfrmMain::actDefBeatExecute},
      {&TfrmMain::actDecBeat, "actDecBeat", MesId::SActDecBeat, MesId::SActDecBeatHint,
       QKeySequence(), &TfrmMain::actDecBeatExecute},
      {&TfrmMain::actSetFragmentStart, "actSetFragmentStart", MesId::SActSetFragmentStart, MesId::SActSetFragmentStartHint,
       QKeySequence(), &TfrmMain::actSetFragmentStartExecute},
      {&TfrmMain::actRepeat, "actRepeat", MesId::SActRepeat, MesId::SActRepeatHint,
       QKeySequence(Qt::ALT | Qt::Key_F2), &TfrmMain::actRepeatExecute},
      {&TfrmMain::actEditBit, "actEditBit", MesId::SActEditBit, MesId::SActEditBitHint,
       QKeySequence(), &TfrmMain::actEditBitExecute},
      {&TfrmMain::actPlayBit, "actPlayBit", MesId::SActPlayBit, MesId::SActPlayBitHint,
       QKeySequence(), &TfrmMain::actPlayBitExecute},
      {&TfrmMain::actSetSelectedChord, "actSetSelectedChord", MesId::SActSetSelectedChord, MesId::SActSetSelectedChordHint,
       QKeySequence(), &TfrmMain::actSetSelectedChordExecute},
      {&TfrmMain::actPlaySelectedChord, "actPlaySelectedChord", MesId::SActPlaySelectedChord, MesId::SActPlaySelectedChordHint,
       QKeySequence(), &TfrmMain::actPlaySelectedChordExecute},
      {&TfrmMain::actClearMarks, "actClearMarks", MesId::SActClearMarks, MesId::SActClearMarksHint,
       QKeySequence(Qt::CTRL | Qt::Key_Delete), &TfrmMain::actClearMarksExecute},
      {&TfrmMain::actTracksMute, "actTracksMute", MesId::SActTracksMute, MesId::SActTracksMuteHint,
       QKeySequence(Qt::CTRL | Qt::Key_F12), &TfrmMain::actTracksMuteExecute},
      {&TfrmMain::actTracksTurnOn, "actTracksTurnOn", MesId::SActTracksTurnOn, MesId::SActTracksTurnOnHint,
       QKeySequence(Qt::SHIFT | Qt::Key_F12), &TfrmMain::actTracksTurnOnExecute},
      {&TfrmMain::actLangBel, "actLangBel", MesId::SActLangBel, MesId::SActLangBelHint,
       QKeySequence(), &TfrmMain::actLangBelExecute},
      {&TfrmMain::actLangEng, "actLangEng", MesId::SActLangEng, MesId::SActLangEngHint,
       QKeySequence(), &TfrmMain::actLangEngExecute},
      {&TfrmMain::actLangIta, "actLangIta", MesId::SActLangIta, MesId::SActLangItaHint,
       QKeySequence(), &TfrmMain::actLangItaExecute},
      {&TfrmMain::actLangRus, "actLangRus", MesId::SActLangRus, MesId::SActLangRusHint,
       QKeySequence(), &TfrmMain::actLangRusExecute},
      {&TfrmMain::actEmail, "actEmail", MesId::SActEmail, MesId::SActEmailHint,
       QKeySequence(), &TfrmMain::actEmailExecute},
      {&TfrmMain::actHomePage, "actHomePage", MesId::SActHomePage, MesId::SActHomePageHint,
       QKeySequence(), &TfrmMain::actHomePageExecute},
      {&TfrmMain::actAbout, "actAbout", MesId::SActAbout, MesId::SActAboutHint,
       QKeySequence(Qt::Key_F1), &TfrmMain::actAboutExecute},
      {&TfrmMain::actQuit, "actQuit", MesId::SActQuit, MesId::SActQuitHint,
       QKeySequence(Qt::Key_F10), &TfrmMain::actQuitExecute},
      {&TfrmMain::actManual, "actManual", MesId::SActManual, MesId::SActManualHint,
       QKeySequence(Qt::SHIFT | Qt::Key_F1), &TfrmMain::actManualExecute},
      {&TfrmMain::actExport, "actExport", MesId::SActExport, MesId::SActExportHint,
       QKeySequence(), &TfrmMain::actExportExecute},
      {&TfrmMain::actSheet, "actSheet", MesId::SActSheet, MesId::SActSheetHint,
       QKeySequence(), &TfrmMain::actSheetExecute},
      {&TfrmMain::actStage, "actStage", MesId::SActStage, MesId::SActStageHint,
       QKeySequence(Qt::Key_F11), &TfrmMain::actStageExecute},
      {&TfrmMain::actPrint, "actPrint", MesId::SActPrint, MesId::SActPrintHint,
       QKeySequence(QKeySequence::Print), &TfrmMain::actPrintExecute},
      {&TfrmMain::actExportPdf, "actExportPdf", MesId::SActExportPdf, MesId::SActExportPdfHint,
       QKeySequence(), &TfrmMain::actExportPdfExecute},
  };
  return table;
}

namespace {
QIcon ToolBarIcon(const char* name, QStyle::StandardPixmap fallback) {
  // Each look-up reads the picture once; a build without the SVG icon engine (the package
  // libqt6svg6) falls back to the style's picture.
  QIcon icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
  if (icon.pixmap(QSize(16, 16)).isNull()) icon = QApplication::style()->standardIcon(fallback);
  return icon;
}
}  // namespace

void TfrmMain::CreateActions() {
  QStyle* style = QApplication::style();
  for (const TCommand& c : Commands()) {
    QAction* a = new QAction(Q(Mes(c.Caption)), this);
    a->setObjectName(QString::fromLatin1(c.Name));
    SetActionHint(a, Mes(c.Hint));
    if (!c.Key.isEmpty()) a->setShortcut(c.Key);
    addAction(a);  // the keys work wherever the focus is in the window
    connect(a, &QAction::triggered, this, [this, handler = c.Handler] { (this->*handler)(); });
    this->*c.Action = a;
  }

  // The commands' pictures: those of the tool bar drawn from vector images at any size.
  actLoad->setIcon(ToolBarIcon("open", QStyle::SP_DialogOpenButton));
  actSearchSongChords->setIcon(ToolBarIcon("search-chords", QStyle::SP_FileDialogContentsView));
  actWriteText->setIcon(ToolBarIcon("write-text", QStyle::SP_DialogSaveButton));
  actRewind->setIcon(ToolBarIcon("rewind", QStyle::SP_MediaSkipBackward));
  actOptions->setIcon(ToolBarIcon("options", QStyle::SP_FileDialogDetailedView));
  actFindRoot->setIcon(ToolBarIcon("find-key", QStyle::SP_FileDialogInfoView));
  actQuit->setIcon(style->standardIcon(QStyle::SP_DialogCloseButton));
  actAbout->setIcon(style->standardIcon(QStyle::SP_MessageBoxInformation));
  actStage->setIcon(style->standardIcon(QStyle::SP_TitleBarMaxButton));
  SetPlayActionPlaying(false);

  beatGroup_ = new QActionGroup(this);
  for (QAction* a : {actIncBeat, actDefBeat, actDecBeat}) {
    a->setCheckable(true);
    beatGroup_->addAction(a);
  }
  actDefBeat->setChecked(true);

  // The grid's menu entry of actPlayBit has a hint of its own and the Space key, which works
  // only while the beat grid has the focus.
  actPlayBitMenuItem = new QAction(actPlayBit->text(), this);
  actPlayBitMenuItem->setObjectName(QStringLiteral("actPlayBitMenuItem"));
  SetActionHint(actPlayBitMenuItem, Mes(MesId::SActPlayBitMenuHint));
  actPlayBitMenuItem->setShortcut(Qt::Key_Space);
  actPlayBitMenuItem->setShortcutContext(Qt::WidgetShortcut);
  connect(actPlayBitMenuItem, &QAction::triggered, actPlayBit, &QAction::trigger);
}

std::vector<QAction*> TfrmMain::ActionList() const {
  std::vector<QAction*> list;
  for (const TCommand& c : Commands()) list.push_back(this->*c.Action);
  return list;
}

void TfrmMain::SetPlayActionPlaying(bool playing) {
  actPlay->setText(Q(Mes(playing ? MesId::SActStop : MesId::SActPlay)));
  SetActionHint(actPlay, Mes(playing ? MesId::SActStopHint : MesId::SActPlayHint));
  actPlay->setIcon(playing ? ToolBarIcon("stop", QStyle::SP_MediaStop) : ToolBarIcon("play", QStyle::SP_MediaPlay));
}

void TfrmMain::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));

  QMenu* file = bar->addMenu(Q(Mes(MesId::SMenuFile)));
  file->addAction(actLoad);
  MRUMenu = file->addMenu(Q(Mes(MesId::SMenuMRU)));
  MRUMenu->setObjectName(QStringLiteral("MRUMenu"));
  MRUMenu->menuAction()->setStatusTip(Q(Mes(MesId::SMenuMRUHint)));
  MRUMenu->menuAction()->setVisible(false);
  file->addSeparator();
  file->addAction(actWriteText);
  file->addAction(actExport);
  file->addAction(actExportPdf);
  file->addAction(actPrint);
  file->addSeparator();
  file->addAction(actQuit);

  QMenu* process = bar->addMenu(Q(Mes(MesId::SMenuProcess)));
  process->addAction(actFindRoot);
  process->addAction(actSearchSongChords);
  QMenu* beat = process->addMenu(Q(Mes(MesId::SMenuBeatLength)));
  beat->addAction(actIncBeat);
  beat->addAction(actDefBeat);
  beat->addAction(actDecBeat);
  process->addSeparator();
  process->addAction(actPlay);
  process->addAction(actRewind);
  process->addSeparator();
  process->addAction(actSetFragmentStart);
  process->addAction(actRepeat);

  QMenu* view = bar->addMenu(Q(Mes(MesId::SMenuView)));
  view->setObjectName(QStringLiteral("mnuView"));
  view->addAction(actSheet);
  view->addAction(actStage);

  QMenu* service = bar->addMenu(Q(Mes(MesId::SMenuService)));
  service->addAction(actOptions);
  service->addSeparator();
  service->addAction(actClearMarks);
  service->addSeparator();
  service->addAction(actTracksMute);
  service->addAction(actTracksTurnOn);

  QMenu* language = bar->addMenu(Q(Mes(MesId::SMenuLanguage)));
  language->addAction(actLangBel);
  language->addAction(actLangEng);
  language->addAction(actLangIta);
  language->addAction(actLangRus);

  QMenu* help = bar->addMenu(Q(Mes(MesId::SMenuHelp)));
  help->addAction(actManual);
  help->addAction(actEmail);
  help->addAction(actHomePage);
  help->addSeparator();
  help->addAction(actAbout);

  grdSongMenu = new QMenu(this);
  grdSongMenu->setObjectName(QStringLiteral("grdSongMenu"));
  grdSongMenu->addAction(actEditBit);
  grdSongMenu->addAction(actPlayBitMenuItem);
  grdSongMenu->addSeparator();
  grdSongMenu->addAction(actSetFragmentStart);
  grdSongMenu->addAction(actRepeat);
  grdSong->addAction(actPlayBitMenuItem);

  lvTracksMenu = new QMenu(this);
  lvTracksMenu->setObjectName(QStringLiteral("lvTracksMenu"));
  lvTracksMenu->addAction(actTracksTurnOn);
  lvTracksMenu->addAction(actTracksMute);

  grdVariantsMenu = new QMenu(this);
  grdVariantsMenu->setObjectName(QStringLiteral("grdVariantsMenu"));
  grdVariantsMenu->addAction(actSetSelectedChord);
  grdVariantsMenu->addAction(actPlaySelectedChord);

  auto popup = [](QMenu* menu, QWidget* on) {
    QObject::connect(on, &QWidget::customContextMenuRequested, menu,
                     [menu, on](const QPoint& p) { menu->popup(on->mapToGlobal(p)); });
  };
  popup(grdSongMenu, grdSong);
  popup(grdSongMenu, grdSong->horizontalHeader());
  popup(lvTracksMenu, lvTracks);
  popup(grdVariantsMenu, grdVariants);
}

void TfrmMain::BuildMRUMenu() {
  for (QAction* a : MRUMenu->actions()) {
    if (a->data().toInt() >= MRUFirstTag) {
      MRUMenu->removeAction(a);
      a->deleteLater();
    }
  }
  const std::vector<TMRUMenuItem> items = MRUMenuItems(settings_);
  for (const TMRUMenuItem& item : items) {
    QString caption = Q(item.Caption);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* a = MRUMenu->addAction(caption);
    a->setData(item.Tag);
    int32_t tag = item.Tag;
    connect(a, &QAction::triggered, this, [this, tag] {
      // The list may change before the click is handled; the tag names the entry.
      if (auto file = MRUFileForTag(settings_, tag)) LoadSong(*file);
    });
  }
  MRUMenu->menuAction()->setVisible(!items.empty());
}

// Handlers of the commands that have no other home.
void TfrmMain::actQuitExecute() { close(); }
