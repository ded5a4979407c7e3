#include "tools/tabulist/TfrmTabulist.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTabWidget>

#include "base/untMesConst.h"
#include "platform/TabulistProtocol.h"
#include "settings/DataFolders.h"

#include <unistd.h>

namespace {

QString Q(MesId id) { return QString::fromStdString(Mes(id)); }

// Message texts keep "\r" as their line break.
QString BoxText(const std::string& text) {
  return QString::fromStdString(MesLines(text));
}

const char kFileNameProperty[] = "tabulistFileName";

}  // namespace

TfrmTabulist::TfrmTabulist(QWidget* parent) : QMainWindow(parent), trustedUser_(::geteuid()) {
  setObjectName(QLatin1String(TabulistProtocol::kWindowClass));
  tabs_ = new QTabWidget(this);
  tabs_->setDocumentMode(true);
  tabs_->setTabsClosable(true);
  setCentralWidget(tabs_);
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { UpdateTitle(); });
  connect(tabs_, &QTabWidget::tabCloseRequested, this, [this](int index) {
    if (MaySaveTab(index)) {
      QWidget* page = tabs_->widget(index);
      tabs_->removeTab(index);
      page->deleteLater();
      if (tabs_->count() == 0) AddTab(QString(), QString());
    }
  });

  QMenu* file = menuBar()->addMenu(Q(MesId::STabMenuFile));
  QAction* actOpen = file->addAction(Q(MesId::STabActOpen), this, &TfrmTabulist::actOpenExecute);
  actOpen->setShortcut(QKeySequence::Open);
  QAction* actSave = file->addAction(Q(MesId::STabActSave), this, &TfrmTabulist::actSaveExecute);
  actSave->setShortcut(QKeySequence::Save);
  QAction* actSaveAs = file->addAction(Q(MesId::STabActSaveAs), this, &TfrmTabulist::actSaveAsExecute);
  actSaveAs->setShortcut(QKeySequence::SaveAs);
  QAction* actCloseTab = file->addAction(Q(MesId::STabActCloseTab), this, &TfrmTabulist::actCloseTabExecute);
  actCloseTab->setShortcut(QKeySequence::Close);
  file->addSeparator();
  QAction* actExit = file->addAction(Q(MesId::STabActExit), this, &QWidget::close);
  actExit->setShortcut(QKeySequence::Quit);

  AddTab(QString(), QString());
  resize(760, 560);
}

bool TfrmTabulist::Listen(QString* errorText) {
  server_ = new QLocalServer(this);
  TabulistProtocol::PrepareServer(*server_);
  if (!server_->listen(TabulistProtocol::ServerName())) {
    if (errorText) *errorText = server_->errorString();
    delete server_;
    server_ = nullptr;
    return false;
  }
  connect(server_, &QLocalServer::newConnection, this, &TfrmTabulist::ServerNewConnection);
  return true;
}

QString TfrmTabulist::HandoffFileName() const {
  // The folder the program writes to: this one for a copy with INI/ beside it, the user's
  // runtime folder for an installed one.
  QString folder = handoffFolder_;
  if (folder.isEmpty())
    folder = QString::fromStdString(HandoffFolderFor(QApplication::applicationDirPath().toStdString()));
  if (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  return folder + QLatin1Char('/') + QLatin1String(TabulistProtocol::kHandoffFile);
}

QString TfrmTabulist::DecodeHandoff(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  if (utf8.hasError()) {
    QStringDecoder legacy("windows-1251");
    text = legacy.isValid() ? legacy(bytes) : QString::fromLatin1(bytes);
  }
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text;
}

bool TfrmTabulist::TakeHandoffFile() {
  QFile file(HandoffFileName());
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  const QString text = DecodeHandoff(bytes);
  // A text that arrives while the current one is untouched replaces it; otherwise it gets a
  // tab of its own, so nothing the user typed is lost.
  QPlainTextEdit* current = CurrentEditor();
  if (current && !current->document()->isModified() && current->property(kFileNameProperty).toString().isEmpty()) {
    current->setPlainText(text);
    current->document()->setModified(false);
    UpdateTitle();
  } else {
    AddTab(text, QString());
  }
  statusBar()->showMessage(Q(MesId::STabReceived), 5000);
  return true;
}

bool TfrmTabulist::OpenFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    QMessageBox::critical(this, Q(MesId::SCaptionError),
                          BoxText(MesFormat(MesId::STabOpenError, fileName.toStdString(), file.errorString().toStdString())));
    return false;
  }
  QPlainTextEdit* current = CurrentEditor();
  const QString text = DecodeHandoff(file.readAll());
  if (current && current->toPlainText().isEmpty() && !current->document()->isModified()) {
    current->setPlainText(text);
    current->setProperty(kFileNameProperty, QFileInfo(fileName).absoluteFilePath());
    current->document()->setModified(false);
    tabs_->setTabText(tabs_->currentIndex(), QFileInfo(fileName).fileName());
    UpdateTitle();
  } else {
    AddTab(text, QFileInfo(fileName).absoluteFilePath());
  }
  return true;
}

QPlainTextEdit* TfrmTabulist::CurrentEditor() const {
  return qobject_cast<QPlainTextEdit*>(tabs_->currentWidget());
}

QPlainTextEdit* TfrmTabulist::AddTab(const QString& text, const QString& fileName) {
  auto* editor = new QPlainTextEdit(tabs_);
  editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor->setPlainText(text);
  editor->document()->setModified(false);
  editor->setProperty(kFileNameProperty, fileName);
  QString caption;
  if (fileName.isEmpty()) {
    ++untitledCount_;
    caption = untitledCount_ == 1 ? Q(MesId::STabUntitled) : QStringLiteral("%1 %2").arg(Q(MesId::STabUntitled)).arg(untitledCount_);
  } else {
    caption = QFileInfo(fileName).fileName();
  }
  connect(editor->document(), &QTextDocument::modificationChanged, this, [this] { UpdateTitle(); });
  tabs_->setCurrentIndex(tabs_->addTab(editor, caption));
  editor->setFocus();
  UpdateTitle();
  return editor;
}

void TfrmTabulist::UpdateTitle() {
  QPlainTextEdit* editor = CurrentEditor();
  QString title = Q(MesId::STabCaption);
  if (editor) {
    title = tabs_->tabText(tabs_->currentIndex()) + QStringLiteral("[*] - ") + title;
    setWindowModified(editor->document()->isModified());
  }
  setWindowTitle(title);
}

bool TfrmTabulist::SaveTab(int index, bool askName) {
  auto* editor = qobject_cast<QPlainTextEdit*>(tabs_->widget(index));
  if (!editor) return false;
  QString fileName = editor->property(kFileNameProperty).toString();
  if (askName || fileName.isEmpty()) {
    QString suggestion = fileName;
    if (suggestion.isEmpty()) {
      const QString first = editor->toPlainText().section(QLatin1Char('\n'), 0, 0).trimmed();
      suggestion = (first.isEmpty() ? tabs_->tabText(index) : first) + QStringLiteral(".txt");
    }
    fileName = QFileDialog::getSaveFileName(this, Q(MesId::STabActSaveAs).remove(QLatin1Char('&')), suggestion,
                                            Q(MesId::STabFilter));
    if (fileName.isEmpty()) return false;
  }
  return WriteTab(index, fileName);
}

bool TfrmTabulist::SaveCurrentAs(const QString& fileName) { return WriteTab(tabs_->currentIndex(), fileName); }

bool TfrmTabulist::WriteTab(int index, const QString& fileName) {
  auto* editor = qobject_cast<QPlainTextEdit*>(tabs_->widget(index));
  if (!editor) return false;
  QSaveFile file(fileName);
  QByteArray bytes = editor->toPlainText().toUtf8();
  if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes.append('\n');
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    QMessageBox::critical(this, Q(MesId::SCaptionError),
                          BoxText(MesFormat(MesId::STabSaveError, fileName.toStdString(), file.errorString().toStdString())));
    return false;
  }
  editor->setProperty(kFileNameProperty, fileName);
  editor->document()->setModified(false);
  tabs_->setTabText(index, QFileInfo(fileName).fileName());
  UpdateTitle();
  return true;
}

bool TfrmTabulist::MaySaveTab(int index) {
  auto* editor = qobject_cast<QPlainTextEdit*>(tabs_->widget(index));
  if (!editor || !editor->document()->isModified()) return true;
  tabs_->setCurrentIndex(index);
  const auto answer = QMessageBox::question(
      this, Q(MesId::SCaptionConfirm),
      BoxText(MesFormat(MesId::STabSaveChanges, tabs_->tabText(index).toStdString())),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return SaveTab(index, false);
  return answer == QMessageBox::Discard;
}

void TfrmTabulist::actSaveExecute() { SaveTab(tabs_->currentIndex(), false); }
void TfrmTabulist::actSaveAsExecute() { SaveTab(tabs_->currentIndex(), true); }

void TfrmTabulist::actOpenExecute() {
  const QString fileName = QFileDialog::getOpenFileName(this, Q(MesId::STabActOpen).remove(QLatin1Char('&')).remove(QStringLiteral("...")),
                                                        QString(), Q(MesId::STabFilter));
  if (!fileName.isEmpty()) OpenFile(fileName);
}

void TfrmTabulist::actCloseTabExecute() { emit tabs_->tabCloseRequested(tabs_->currentIndex()); }

void TfrmTabulist::closeEvent(QCloseEvent* event) {
  for (int i = 0; i < tabs_->count(); ++i) {
    if (!MaySaveTab(i)) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

void TfrmTabulist::ServerNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    // Anyone may connect to an abstract socket; only this user's programs get an answer.
    if (!TabulistProtocol::PeerIsUser(socket->socketDescriptor(), trustedUser_)) {
      ++droppedPeers_;
      socket->abort();
      socket->deleteLater();
      continue;
    }
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { SocketReadyRead(socket); });
    if (socket->bytesAvailable() > 0) SocketReadyRead(socket);
  }
}

void TfrmTabulist::SocketReadyRead(QLocalSocket* socket) {
  // Requests are short lines; a peer that sends a long line without an end is cut off.
  while (socket->canReadLine()) {
    const QByteArray request = socket->readLine(256).trimmed();
    bool done = false;
    if (request == TabulistProtocol::kRequestTake) {
      done = TakeHandoffFile();
    } else if (request == TabulistProtocol::kRequestRaise) {
      RaiseWindow();
      done = true;
    }
    socket->write(done ? TabulistProtocol::kAnswerYes : TabulistProtocol::kAnswerNo);
    socket->write("\n");
    socket->flush();
  }
  if (socket->bytesAvailable() > 256) socket->abort();
}

void TfrmTabulist::RaiseWindow() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}
