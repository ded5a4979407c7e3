// The command table shared by the tool bar, the main menu and the pop-up menus, and the
// recent-files menu.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QHeaderView>
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

void TfrmMain::CreateActions() {
  QStyle* style = QApplication::style();
  auto make = [this](QAction*& a, const char* name, MesId caption, MesId hint, QKeySequence key = {}) {
    a = new QAction(Q(Mes(caption)), this);
    a->setObjectName(QString::fromLatin1(name));
    SetActionHint(a, Mes(hint));
    if (!key.isEmpty()) a->setShortcut(key);
    addAction(a);  // the keys work wherever the focus is in the window
    return a;
  };
  make(actLoad, "actLoad", MesId::SActLoad, MesId::SActLoadHint, Qt::Key_F3);
  make(actSearchSongChords, "actSearchSongChords", MesId::SActSearchSongChords, MesId::SActSearchSongChordsHint,
       Qt::Key_F8);
  make(actWriteText, "actWriteText", MesId::SActWriteText, MesId::SActWriteTextHint, Qt::Key_F2);
  make(actRewind, "actRewind", MesId::SActRewind, MesId::SActRewindHint, QKeySequence(Qt::CTRL | Qt::Key_F2));
  make(actPlay, "actPlay", MesId::SActPlay, MesId::SActPlayHint, Qt::Key_F9);
  make(actOptions, "actOptions", MesId::SActOptions, MesId::SActOptionsHint, Qt::Key_F5);
  make(actFindRoot, "actFindRoot", MesId::SActFindRoot, MesId::SActFindRootHint, Qt::Key_F7);
  make(actIncBeat, "actIncBeat", MesId::SActIncBeat, MesId::SActIncBeatHint);
  make(actDefBeat, "actDefBeat", MesId::SActDefBeat, MesId::SActDefBeatHint);
  make(actDecBeat, "actDecBeat", MesId::SActDecBeat, MesId::SActDecBeatHint);
  make(actSetFragmentStart, "actSetFragmentStart", MesId::SActSetFragmentStart, MesId::SActSetFragmentStartHint);
  make(actRepeat, "actRepeat", MesId::SActRepeat, MesId::SActRepeatHint, QKeySequence(Qt::ALT | Qt::Key_F2));
  make(actEditBit, "actEditBit", MesId::SActEditBit, MesId::SActEditBitHint);
  make(actPlayBit, "actPlayBit", MesId::SActPlayBit, MesId::SActPlayBitHint);
  make(actSetSelectedChord, "actSetSelectedChord", MesId::SActSetSelectedChord, MesId::SActSetSelectedChordHint);
  make(actPlaySelectedChord, "actPlaySelectedChord", MesId::SActPlaySelectedChord,
       MesId::SActPlaySelectedChordHint);
  make(actClearMarks, "actClearMarks", MesId::SActClearMarks, MesId::SActClearMarksHint,
       QKeySequence(Qt::CTRL | Qt::Key_Delete));
  make(actTracksMute, "actTracksMute", MesId::SActTracksMute, MesId::SActTracksMuteHint,
       QKeySequence(Qt::CTRL | Qt::Key_F12));
  make(actTracksTurnOn, "actTracksTurnOn", MesId::SActTracksTurnOn, MesId::SActTracksTurnOnHint,
       QKeySequence(Qt::SHIFT | Qt::Key_F12));
  make(actLangBel, "actLangBel", MesId::SActLangBel, MesId::SActLangBelHint);
  make(actLangEng, "actLangEng", MesId::SActLangEng, MesId::SActLangEngHint);
  make(actLangIta, "actLangIta", MesId::SActLangIta, MesId::SActLangItaHint);
  make(actLangRus, "actLangRus", MesId::SActLangRus, MesId::SActLangRusHint);
  make(actEmail, "actEmail", MesId::SActEmail, MesId::SActEmailHint);
  make(actHomePage, "actHomePage", MesId::SActHomePage, MesId::SActHomePageHint);
  make(actAbout, "actAbout", MesId::SActAbout, MesId::SActAboutHint, Qt::Key_F1);
  make(actManual, "actManual", MesId::SActManual, MesId::SActManualHint, QKeySequence(Qt::SHIFT | Qt::Key_F1));
  make(actQuit, "actQuit", MesId::SActQuit, MesId::SActQuitHint, Qt::Key_F10);
  make(actExport, "actExport", MesId::SActExport, MesId::SActExportHint);

  // The commands' pictures.
  actLoad->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
  actSearchSongChords->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
  actWriteText->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
  actRewind->setIcon(style->standardIcon(QStyle::SP_MediaSkipBackward));
  actOptions->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
  actFindRoot->setIcon(style->standardIcon(QStyle::SP_FileDialogInfoView));
  actQuit->setIcon(style->standardIcon(QStyle::SP_DialogCloseButton));
  actAbout->setIcon(style->standardIcon(QStyle::SP_MessageBoxInformation));
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

  connect(actQuit, &QAction::triggered, this, &QWidget::close);
}

std::vector<QAction*> TfrmMain::ActionList() const {
  return {actLoad,       actSearchSongChords, actWriteText,        actRewind,       actPlay,
          actOptions,    actFindRoot,         actIncBeat,          actDefBeat,      actDecBeat,
          actSetFragmentStart, actRepeat,     actEditBit,          actPlayBit,      actSetSelectedChord,
          actPlaySelectedChord, actClearMarks, actTracksMute,      actTracksTurnOn, actLangBel,
          actLangEng,    actLangIta,          actLangRus,          actEmail,        actHomePage,
          actAbout,      actQuit,             actManual};
}

void TfrmMain::SetPlayActionPlaying(bool playing) {
  QStyle* style = QApplication::style();
  actPlay->setText(Q(Mes(playing ? MesId::SActStop : MesId::SActPlay)));
  SetActionHint(actPlay, Mes(playing ? MesId::SActStopHint : MesId::SActPlayHint));
  actPlay->setIcon(style->standardIcon(playing ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
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
  const std::vector<TMRUMenuItem> items = MRUMenuItems();
  for (const TMRUMenuItem& item : items) {
    QString caption = Q(item.Caption);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* a = MRUMenu->addAction(caption);
    a->setData(item.Tag);
    int32_t tag = item.Tag;
    connect(a, &QAction::triggered, this, [this, tag] {
      // The list may change before the click is handled; the tag names the entry.
      if (auto file = MRUFileForTag(tag)) LoadSong(*file);
    });
  }
  MRUMenu->menuAction()->setVisible(!items.empty());
}
