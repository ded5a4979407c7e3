#pragma once
// The window's export command: a dialog with the format and the file, and the export of the
// open song into that file (the chord text, ChordPro, the beat grid, the analysis as JSON, or
// the song as MIDI with a chord track). The file is written whole or not at all.

#include <QDialog>
#include <QString>

#include <string>

#include "export/OutputFormats.h"

class QComboBox;
class QLineEdit;
class Prompter;
class TSongSession;

class TExportDialog : public QDialog {
  Q_OBJECT
 public:
  // songFile: the open song; the suggested file lies beside it.
  TExportDialog(QWidget* parent, const std::string& songFile);

  const TOutputFormat& Format() const;
  void SetFormat(const TOutputFormat& format);
  QString FileName() const;
  void SetFileName(const QString& name);

  // The file suggested for a format: the song's name with the format's extension, never the
  // song itself.
  static QString SuggestedFile(const std::string& songFile, const TOutputFormat& format);

 private:
  void FormatChanged();
  void Browse();

  std::string songFile_;
  QComboBox* cbFormat_ = nullptr;
  QLineEdit* edtFile_ = nullptr;
};

// Exports the open song in the format into the file. When the song has no chords yet, the user
// is asked whether to find them first, as the text command does. Errors and notices go to the
// prompter. True when the file was written.
// The request gives the names' notation, the texts' options and the per-format choices.
bool ExportOpenSong(TSongSession& session, Prompter& prompter, const TOutputFormat& format,
                    const std::string& fileName, const TAnalysisRequest& request);
