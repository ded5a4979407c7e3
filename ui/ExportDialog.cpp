#include "ui/ExportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

#include "base/untMesConst.h"
#include "export/OutputFormats.h"
#include "song/SongSession.h"
#include "ui/MesText.h"

namespace {

// Compared as paths: the files need not exist yet.
bool SamePath(const QString& a, const QString& b) {
  return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

TExportDialog::TExportDialog(QWidget* parent, const std::string& songFile, const QString& lastFolder)
    : QDialog(parent), songFile_(songFile), folder_(SuggestedFolder(songFile, lastFolder)) {
  setObjectName(QStringLiteral("frmExport"));
  setWindowTitle(MesText(MesId::SExportCaption));
  cbFormat_ = new QComboBox(this);
  cbFormat_->setObjectName(QStringLiteral("cbExportFormat"));
  // JSON Lines is for streams of many songs; one song is a JSON document.
  const std::span<const TOutputFormat> formats = OutputFormats();
  for (std::size_t i = 0; i < formats.size(); ++i)
    if (formats[i].inWindow) cbFormat_->addItem(MesText(formats[i].label), static_cast<int>(i));
  edtFile_ = new QLineEdit(this);
  edtFile_->setObjectName(QStringLiteral("edtExportFile"));
  edtFile_->setMinimumWidth(360);
  auto* browse = new QPushButton(MesText(MesId::SExportBrowse), this);
  browse->setObjectName(QStringLiteral("btnExportBrowse"));
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(edtFile_, 1);
  fileRow->addWidget(browse);
  cbMelodyTrack_ = new QComboBox(this);
  cbMelodyTrack_->setObjectName(QStringLiteral("cbMelodyTrack"));
  cbMelodyTrack_->addItem(MesText(MesId::SExportMelodyAuto), 0);
  auto* form = new QFormLayout;
  form_ = form;
  form->addRow(MesText(MesId::SExportFormatLabel), cbFormat_);
  form->addRow(MesText(MesId::SExportFileLabel), fileRow);
  form->addRow(MesText(MesId::SExportMelodyTrack), cbMelodyTrack_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  connect(cbFormat_, &QComboBox::currentIndexChanged, this, [this] { FormatChanged(); });
  connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (!edtFile_->text().trimmed().isEmpty()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  edtFile_->setText(SuggestedFile(songFile_, Format(), folder_));
  form_->setRowVisible(cbMelodyTrack_, Format().name == "musicxml");
}

void TExportDialog::SetTracks(const std::vector<std::string>& names) {
  while (cbMelodyTrack_->count() > 1) cbMelodyTrack_->removeItem(1);
  for (std::size_t t = 0; t < names.size(); ++t)
    cbMelodyTrack_->addItem(QStringLiteral("%1  %2").arg(t + 1).arg(QString::fromStdString(names[t])),
                            static_cast<int>(t + 1));
}

int TExportDialog::MelodyTrack() const { return cbMelodyTrack_->currentData().toInt(); }

void TExportDialog::SetMelodyTrack(int track) {
  const int index = cbMelodyTrack_->findData(track);
  cbMelodyTrack_->setCurrentIndex(index >= 0 ? index : 0);
}

const TOutputFormat& TExportDialog::Format() const {
  return OutputFormats()[static_cast<std::size_t>(cbFormat_->currentData().toInt())];
}

void TExportDialog::SetFormat(const TOutputFormat& format) {
  const int index = cbFormat_->findData(static_cast<int>(&format - OutputFormats().data()));
  if (index >= 0) cbFormat_->setCurrentIndex(index);
}

QString TExportDialog::FileName() const { return edtFile_->text().trimmed(); }
void TExportDialog::SetFileName(const QString& name) { edtFile_->setText(name); }

QString TExportDialog::SuggestedFile(const std::string& songFile, const TOutputFormat& format, const QString& folder) {
  if (songFile.empty()) return {};
  const QFileInfo song(QString::fromStdString(songFile));
  const QDir dir = folder.isEmpty() ? song.dir() : QDir(folder);
  const QString ext = QString::fromStdString(std::string(format.extension));
  QString name = dir.filePath(song.completeBaseName() + ext);
  if (SamePath(name, song.absoluteFilePath())) name = dir.filePath(song.completeBaseName() + QStringLiteral("-chords") + ext);
  return name;
}

QString TExportDialog::SuggestedFolder(const std::string& songFile, const QString& lastFolder) {
  const auto usable = [](const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
  };
  if (usable(lastFolder)) return QFileInfo(lastFolder).absoluteFilePath();
  if (!songFile.empty()) {
    const QString songFolder = QFileInfo(QString::fromStdString(songFile)).absolutePath();
    if (usable(songFolder)) return songFolder;
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

// A file name the user left as suggested follows the format; one typed by hand keeps its name
// and gets the new extension.
void TExportDialog::FormatChanged() {
  // The melody track matters to the lead sheet alone.
  form_->setRowVisible(cbMelodyTrack_, Format().name == "musicxml");
  const QString current = FileName();
  if (current.isEmpty()) {
    edtFile_->setText(SuggestedFile(songFile_, Format(), folder_));
    return;
  }
  const QFileInfo info(current);
  QString base = info.completeBaseName();
  QString name = info.dir().filePath(base + QString::fromStdString(std::string(Format().extension)));
  if (SamePath(name, QString::fromStdString(songFile_)))
    name = info.dir().filePath(base + QStringLiteral("-chords") + QString::fromStdString(std::string(Format().extension)));
  edtFile_->setText(name);
}

void TExportDialog::Browse() {
  const QString name = QFileDialog::getSaveFileName(this, MesText(MesId::SExportCaption), FileName(),
                                                    cbFormat_->currentText());
  if (!name.isEmpty()) edtFile_->setText(name);
}

bool ExportOpenSong(TSongSession& session, Prompter& prompter, const TOutputFormat& format,
                    const std::string& fileName, const TAnalysisRequest& request) {
  if (session.MidiFile.NumberOfTracks() == 0) return false;
  if (session.beats().empty()) {
    if (prompter.Question(Mes(MesId::SCaptionWarning), Mes(MesId::SNoChordsAsk), TPromptButtons::YesNoCancel,
                          TPromptIcon::Warning) != TPromptAnswer::Yes)
      return false;
    session.FindChords();
  }
  const std::string name = QFileInfo(QString::fromStdString(session.MidiFile.Filename())).fileName().toStdString();
  const TResult<TFormatOutput> made = format.write(SongAnalysisOf(session, name, request));
  if (!made) {
    prompter.Error(Mes(MesId::SCaptionError), made.Error().Text);
    return false;
  }
  const TFormatOutput& content = made.Value();
  QSaveFile file(QString::fromStdString(fileName));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(content.bytes.data(), static_cast<qint64>(content.bytes.size())) !=
          static_cast<qint64>(content.bytes.size()) ||
      !file.commit()) {
    prompter.Error(Mes(MesId::SCaptionError), MesFormat(MesId::SCliWriteError, fileName, file.errorString().toStdString()));
    return false;
  }
  for (const std::string& m : content.messages) prompter.Warning(Mes(MesId::SCaptionWarning), m);
  return true;
}
