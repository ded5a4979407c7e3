#pragma once
// The window's export command: a dialog with the format and the file, and the export of the
// open song into that file (the chord text, ChordPro, the beat grid, the analysis as JSON, or
// the song as MIDI with a chord track). The file is written whole or not at all.

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

#include "export/OutputFormats.h"

class QComboBox;
class QLineEdit;
class Prompter;
class TSongSession;

class TExportDialog : public QDialog {
  Q_OBJECT
 public:
  // songFile: the open song; lastFolder: the folder of the last export (empty: none). The
  // suggested file lies in SuggestedFolder.
  TExportDialog(QWidget* parent, const std::string& songFile, const QString& lastFolder = {});

  const TOutputFormat& Format() const;
  void SetFormat(const TOutputFormat& format);
  QString FileName() const;
  void SetFileName(const QString& name);
  // The song's tracks by name, in the track list's order, for the lead sheet's melody choice.
  void SetTracks(const std::vector<std::string>& names);
  // The lead sheet's melody track as the track list numbers it (from 1); 0: chosen by the song.
  int MelodyTrack() const;
  void SetMelodyTrack(int track);

  // The file suggested for a format: the song's name with the format's extension, never the
  // song itself.
  // folder: where it lies; empty: beside the song.
  static QString SuggestedFile(const std::string& songFile, const TOutputFormat& format,
                               const QString& folder = {});
  // Where an export goes unless the user says otherwise: the last export's folder while it is
  // there, else the song's folder when the user can write to it (the examples of an installed
  // program are read-only), else the user's documents folder.
  static QString SuggestedFolder(const std::string& songFile, const QString& lastFolder);

 private:
  void FormatChanged();
  void Browse();

  std::string songFile_;
  QString folder_;
  QComboBox* cbFormat_ = nullptr;
  QLineEdit* edtFile_ = nullptr;
  QComboBox* cbMelodyTrack_ = nullptr;
  class QFormLayout* form_ = nullptr;
};

// Exports the open song in the format into the file. When the song has no chords yet, the user
// is asked whether to find them first, as the text command does. Errors and notices go to the
// prompter. True when the file was written.
// The request gives the names' notation, the texts' options and the per-format choices.
bool ExportOpenSong(TSongSession& session, Prompter& prompter, const TOutputFormat& format,
                    const std::string& fileName, const TAnalysisRequest& request);
