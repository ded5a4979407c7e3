// The main window's life: creation, the first showing (settings read and applied, recent
// files, the file named on the command line), closing (settings written), the status bar,
// and showing the session's state in the views.
#include "ui/untMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QMimeData>
#include <QUrl>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTextCursor>
#include <QTimer>
#include <QTreeView>
#include <QWindow>

#include <exception>

#include "base/untMesConst.h"
#include "export/TabulistPeer.h"
#include "midi/MidiOut.h"
#include "platform/QtMainThreadPoster.h"
#include "platform/QtPlayback.h"
#include "platform/MidiInputLink.h"
#include "platform/SystemMidiIn.h"
#include "platform/SystemMidiOut.h"
#include "platform/TabulistClient.h"
#include "settings/untVars.h"
#include "song/LyricsView.h"
#include "ui/Controls.h"
#include "ui/FocusPrompter.h"
#include "ui/GridModels.h"
#include "ui/HintTimes.h"
#include "ui/MidiPiano.h"
#include "ui/QtPrompter.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string AbsoluteSongPath(const std::string& path) {
  if (path.empty()) return path;
  return QFileInfo(Q(path)).absoluteFilePath().toStdString();
}
}  // namespace

TfrmMain::TfrmMain(std::vector<std::string> args, TMainWindowServices services, QWidget* parent)
    : QMainWindow(parent), args_(std::move(args)), services_(std::move(services)) {
  setObjectName(QStringLiteral("frmMain"));
  setAcceptDrops(true);
  if (!services_.prompter) {
    ownPrompter_ = std::make_unique<TQtPrompter>(this);
    services_.prompter = ownPrompter_.get();
  }
  // After every message box the keys go back to the beat grid.
  focusPrompter_ = std::make_unique<TFocusReturningPrompter>(*services_.prompter, [this] {
    if (grdSong) ReturnFocusToGrid();
  });
  prompter_ = focusPrompter_.get();
  status_ = std::make_unique<TFunctionStatusSink>([this](const std::string& text) { ShowStatusHint(text); });
  session_ = std::make_unique<TSongSession>(*prompter_, *status_);
  presenter_ = std::make_unique<TSongPresenter>(*session_, settings_);
  presenter_->SetCaption(Mes(MesId::SMainCaption));
  // "Do not ask again" is kept with the settings and saved with them.
  session_->OnKeysenseAnswerRemembered = [this](TRememberedAnswer answer) { settings_.KeysenseKeyAnswer = answer; };
  // Whatever changes the song model (a command, the MIDI keyboard, a hand-off) redraws the
  // views once the change is over; the presenter heard of it first.
  modelObserver_ = session_->Observers().Add([this](const TSongNotice&) { RequestRefresh(); });

  if (!services_.playback.Timers) {
    qtPlayback_ = std::make_unique<TQtPlayback>();
    services_.playback = qtPlayback_->Services();
  }
  session_->MidiFile.SetPlaybackServices(services_.playback);

  auto service = services_.midiOutService ? services_.midiOutService : CreateSystemMidiOutService();
  std::shared_ptr<TMainThreadPoster> poster = services_.poster;
  if (!poster) {
    auto qtPoster = std::make_shared<TQtMainThreadPoster>();
    qtPoster->SetErrorReport([this](const std::string& text) { ShowError(text); });
    poster = qtPoster;
  }
  MidiOut_ = std::make_unique<TMidiOutput>(service, poster);
  MidiIn_ = std::make_unique<TMidiInputLink>(
      services_.midiInService ? services_.midiInService : CreateSystemMidiInService());

  if (!services_.tabulist) {
    tabulistClient_ = std::make_unique<TTabulistClient>();
    ownTabulist_ = std::make_unique<TTabulistPeerOf<TTabulistClient>>(*tabulistClient_);
    services_.tabulist = ownTabulist_.get();
  }

  CreateActions();
  CreateControls();
  CreateMenus();
  CreateSheet();
  ConnectSongControls();
  ConnectTrackControls();
  ConnectPlayback();
  ConnectMidiInput();
  ConnectDialogs();
  ConnectLayout();
  ConnectFocus();
  settings_.OnMRUChanged = [this] { BuildMRUMenu(); };
  // The window sees every key before its controls do (the computer keyboard plays notes),
  // decides whether tooltips show, and watches the beat grid's mouse and keys.
  qApp->installEventFilter(this);
  FormCreate();
  RefreshFromSession();
}

TfrmMain::~TfrmMain() {
  qApp->removeEventFilter(this);
  session_->Observers().Remove(modelObserver_);
  session_->Observers().Remove(sheetObserver_);
  // The keyboard's callbacks reach the session: it closes first.
  MidiIn_.reset();
  settings_.OnMRUChanged = nullptr;
  TMidiFile& file = session_->MidiFile;
  file.Stop();
  file.SetOnMidiEvent(nullptr);
  file.SetOnUpdateEvent(nullptr);
  file.SetErrorReport(nullptr);
  session_->MidiPiano.OnKeyChanged = nullptr;
  session_->MidiPiano.OnRepaint = nullptr;
  session_->MidiPiano.OnShiftOctaves = nullptr;
  session_->MidiPiano.OnMarkKey = nullptr;
  try {
    CloseOutput();
  } catch (const std::exception&) {
    // The device is going away with the window; nothing to tell anyone.
  }
  // The widgets and models read the session: they go before it does, and nothing they say
  // while they go reaches the window's handlers.
  cbTranspos->OnDropDown = nullptr;
  cbTranspos->OnCloseUp = nullptr;
  for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
  const QObjectList children = this->children();
  for (QObject* child : children)
    if (child != static_cast<QObject*>(layout())) delete child;
}

void TfrmMain::FormCreate() {
  createdHeight_ = height();
  createdSongHeight_ = grdSong->height();
  HeldNote = -1;
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // The settings are read before the window reaches the screen, so that it appears where it
  // was closed; what they set takes effect once it is there, so that a message on the way
  // (an output device that does not open, a file that is missing) stands over it.
  try {
    LoadSettings(settings_, savedPos_);
  } catch (const std::exception& e) {
    // A damaged chord table is reported; the rest of the settings has been read and the
    // window still starts completely.
    settingsError_ = e.what();
  }
  // The layout the settings choose, then the place and size the window was closed with.
  SetFormOpened(settings_.FormOpened);
  RestoreGeometry(savedPos_);
  QMetaObject::invokeMethod(this, [this] { FormShow(); }, Qt::QueuedConnection);
}

void TfrmMain::FormShow() {
  starting_ = true;
  if (!settingsError_.empty()) ShowError(settingsError_);
  settingsError_.clear();
  ApplySettings();
  InstallHintTimes(this);
  FitGridColumns();
  // The first start: as wide as the whole tool bar with the key names of the note naming.
  if (savedPos_.Width <= 0) resize(DefaultSize().width(), height());
  starting_ = false;
  WrapToolBars();
  starting_ = true;

  AddToMRU(settings_, std::string());
  // A path given relative to the folder the program was started in must still name the
  // file when it is opened again from the recent-files list, from another folder.
  if (!args_.empty()) LoadSong(AbsoluteSongPath(args_.front()));
  starting_ = false;
  KeepTitleBarOnScreen();
  ScheduleControlDump();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (session_->MidiFile.Playing()) actPlayExecute();
  TSettingsSaveResult saved = SaveSettings(settings_, SavedGeometry());
  // The window closes all the same: the user has been told what was not kept.
  if (!saved) prompter_->Error(Mes(MesId::SCaptionError), saved.Error().Text);
  event->accept();
}

void TfrmMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Keys and the mouse button released in another window never reach this one: the notes
  // they hold end when the window loses the focus.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
    keyboard_.EndHeldNotes();
    MidiPianoView->ReleaseHeldNote();
  }
}

// A song file dropped on the window opens as if chosen in the open dialog.
void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedSong(event->mimeData()).empty()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
  const std::string file = DroppedSong(event->mimeData());
  if (file.empty()) return;
  event->acceptProposedAction();
  LoadSong(file);
}

std::string TfrmMain::DroppedSong(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile().toStdString();
  return {};
}

void TfrmMain::ShowStatusHint(const std::string& text) {
  if (text.empty())
    SB->clearMessage();
  else
    SB->showMessage(Q(text));
  // The operations that set a progress text keep the thread busy: show it now.
  SB->repaint();
}

QString TfrmMain::StatusText() const { return SB->currentMessage(); }

void TfrmMain::ShowError(const std::string& text) { prompter_->Error(Mes(MesId::SCaptionError), text); }

void TfrmMain::RequestRefresh() {
  if (refreshRequested_) return;
  refreshRequested_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        refreshRequested_ = false;
        RefreshFromSession();
      },
      Qt::QueuedConnection);
}

void TfrmMain::LoadSong(const std::string& fileName) {
  try {
    presenter_->LoadSong(fileName);
  } catch (const std::exception& e) {
    ShowError(MesFormat(MesId::SSongFileReadError, fileName, e.what()));
  }
  ShowStatusHint(DamagedFileNotice(session_->MidiFile.Completeness()));
  setWindowTitle(Q(presenter_->Caption()));
  tracksModel_->Refresh();
  int selected = presenter_->lvTracksSelected();
  if (selected >= 0) lvTracks->setCurrentIndex(tracksModel_->index(selected, 0));
  ShowTrackEvents(selected);
  RefreshFromSession();
  grdSong->setFocus();
}

void TfrmMain::FillComboItems(QComboBox* combo, const std::vector<std::string>& items, int index) {
  QSignalBlocker block(combo);
  if (combo->count() == static_cast<int>(items.size())) {
    // The same entries under other texts (the transposition list as it opens and closes):
    // the texts change in place, so the entry the user is taking stays the one chosen.
    for (int i = 0; i < combo->count(); ++i) {
      const QString text = Q(items[static_cast<size_t>(i)]);
      if (combo->itemText(i) != text) combo->setItemText(i, text);
    }
  } else {
    combo->clear();
    for (const std::string& item : items) combo->addItem(Q(item));
  }
  combo->setCurrentIndex(index);
}

void TfrmMain::RefreshFromSession() {
  refreshing_ = true;
  const TSongPresenter& s = *presenter_;
  songModel_->Refresh();
  variantsModel_->Refresh();
  markedModel_->Refresh();
  tracksModel_->RefreshChecks();
  eventsModel_->RefreshRows();

  FillComboItems(cbRootOrig, s.cbRootOrigItems(), s.cbRootOrigIndex());
  if (!cbTranspos->view()->isVisible()) FillComboItems(cbTranspos, s.cbTransposItems(), s.cbTransposIndex());
  stRootNew->setText(Q(s.stRootNew()));
  if (!s.cbBpmText().empty() && !session_->MidiFile.Playing()) cbBpm->setEditText(Q(s.cbBpmText()));
  edtLength->setText(Q(s.edtLength()));
  actIncBeat->setChecked(s.CheckedBeatCommand() == TBeatCommand::actIncBeat);
  actDefBeat->setChecked(s.CheckedBeatCommand() == TBeatCommand::actDefBeat);
  actDecBeat->setChecked(s.CheckedBeatCommand() == TBeatCommand::actDecBeat);

  stVariants->setText(s.stVariants().empty() ? Q(Mes(MesId::SVariantsLabel)) : Q(s.stVariants()));
  grdVariants->setCurrentIndex(variantsModel_->IndexOf(1, s.grdVariants().Row));
  mmMarked->setVisible(s.mmMarkedVisible());
  if (s.mmMarkedIndex() >= 0)
    mmMarked->setCurrentIndex(markedModel_->index(s.mmMarkedIndex(), 0));
  btnAutoSearchMarked->setChecked(s.btnAutoSearchMarked());
  if (!s.Caption().empty()) setWindowTitle(Q(s.Caption()));
  ShowLyrics();
  RefreshSheet();
  refreshing_ = false;
  SyncSongCursor();
}

void TfrmMain::SyncSongCursor() {
  const TStringGrid& g = presenter_->grdSong();
  QModelIndex want = songModel_->IndexOf(g.Col, g.Row);
  if (grdSong->currentIndex() != want) grdSong->setCurrentIndex(want);
}

void TfrmMain::ShowLyrics() {
  const std::string& view = presenter_->mmText();
  if (view == shownLyrics_) return;
  std::string shown = LyricsDisplayText(shownLyrics_);
  std::string next = LyricsDisplayText(view);
  if (!shownLyrics_.empty() && next.compare(0, shown.size(), shown) == 0) {
    // Playback only ever adds to the text: append what is new and keep the view at the end.
    QTextCursor cursor(mmText->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(Q(next.substr(shown.size())));
  } else {
    mmText->setPlainText(Q(next));
  }
  mmText->moveCursor(QTextCursor::End);
  mmText->ensureCursorVisible();
  shownLyrics_ = view;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      if (!hintsShown_) return true;
      break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      QWidget* focus = QApplication::focusWidget();
      // The first delivery of a key goes to the focused control; its propagation to the
      // parents must not play the note again.
      QObject* first = focus ? static_cast<QObject*>(focus) : static_cast<QObject*>(this);
      auto* widget = qobject_cast<QWidget*>(watched);
      if (watched == first && widget && widget->window() == this) {
        if (event->type() == QEvent::KeyPress)
          FormKeyDown(key);
        else
          FormKeyUp(key);
      }
      if (event->type() != QEvent::KeyPress) break;
      if (watched == grdSong && grdSongKeyDown(key->key())) return true;
      if (watched == mmMarked && key->key() == Qt::Key_Delete) {
        presenter_->RemoveSelectedMarked();
        RefreshFromSession();
        return true;
      }
      break;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::RightButton) break;
      const QPoint p = mouse->position().toPoint();
      // Grid cells: column 0 and row 0 are the grid's fixed cells (the row labels and the
      // header); -1 means none.
      if (watched == grdSong->viewport()) {
        QModelIndex at = grdSong->indexAt(p);
        grdSongMouseDown(Qt::RightButton, grdSong->columnAt(p.x()), at.isValid() ? at.row() + 1 : -1);
      } else if (watched == grdSong->horizontalHeader()->viewport()) {
        grdSongMouseDown(Qt::RightButton, grdSong->horizontalHeader()->logicalIndexAt(p), 0);
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}
