// The window's export command: the dialog's format and file, and the open song written in
// each format.
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTimer>

#include <fstream>
#include <nlohmann/json.hpp>

#include "MainWindowFixture.h"
#include "base/untMesConst.h"
#include "midi/MidiFile.h"
#include "ui/ExportDialog.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using ExportCommand = MainWindowTest;

const TAnalysisRequest kOptions{};

TEST_F(ExportCommand, StandsInTheFileMenuAfterTheTextCommand) {
  Open();
  QAction* file = w().menuBar()->actions().front();
  const QList<QAction*> entries = file->menu()->actions();
  const int text = static_cast<int>(entries.indexOf(w().actWriteText));
  ASSERT_GE(text, 0);
  ASSERT_LT(text + 1, entries.size());
  EXPECT_EQ(entries[text + 1], w().actExport);
  EXPECT_EQ(w().actExport->text().toStdString(), Mes(MesId::SActExport));
}

TEST_F(ExportCommand, TheDialogSuggestsAFileBesideTheSongWithTheFormatsExtension) {
  Open();
  const QString folder = QString::fromStdString(scratch.string());
  TExportDialog dialog(&w(), (scratch / "song.kar").string());
  EXPECT_EQ(dialog.Format().name, "text");
  EXPECT_EQ(dialog.FileName(), folder + QStringLiteral("/song.txt"));
  dialog.SetFormat(*FindOutputFormat("json"));
  EXPECT_EQ(dialog.FileName(), folder + QStringLiteral("/song.json"));
  dialog.SetFileName(QStringLiteral("/tmp/mine.json"));
  dialog.SetFormat(*FindOutputFormat("chordpro"));
  EXPECT_EQ(dialog.FileName(), QStringLiteral("/tmp/mine.cho"));
  // The song itself is never the suggested result.
  EXPECT_EQ(TExportDialog::SuggestedFile("/music/tune.mid", *FindOutputFormat("midi")), QStringLiteral("/music/tune-chords.mid"));
  TExportDialog midi(&w(), (scratch / "tune.mid").string());
  midi.SetFormat(*FindOutputFormat("midi"));
  EXPECT_EQ(midi.FileName(), folder + QStringLiteral("/tune-chords.mid"));
}

// The folder proposed: the last export's while it is there, else the song's when it can be
// written to, else the documents folder.
TEST_F(ExportCommand, TheDialogProposesAFolderTheUserCanWriteTo) {
  Open();
  const QString here = QString::fromStdString(scratch.string());
  const fs::path other = scratch / "exports";
  fs::create_directories(other);
  const QString there = QString::fromStdString(other.string());
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const std::string song = (scratch / "song.mid").string();
  struct Row {
    std::string song;
    QString last;
    QString expected;
  };
  const Row rows[] = {
      {song, there, there},
      {song, {}, here},
      {song, here + QStringLiteral("/gone"), here},
      {"/no/such/folder/song.mid", there, there},
      {"/no/such/folder/song.mid", {}, documents},
      {{}, {}, documents},
  };
  for (const Row& row : rows)
    EXPECT_EQ(TExportDialog::SuggestedFolder(row.song, row.last), row.expected) << row.song << " " << row.last.toStdString();
  EXPECT_EQ(TExportDialog(&w(), "/no/such/folder/song.mid").FileName(), documents + QStringLiteral("/song.txt"));
}

TEST_F(ExportCommand, WritesTheOpenSongInEachFormat) {
  Open({uitest::Example("korobeiniki.kar")});
  w().Session().FindChords();
  const fs::path json = scratch / "song.json";
  ASSERT_TRUE(ExportOpenSong(w().Session(), prompter, *FindOutputFormat("json"), json.string(), kOptions));
  const nlohmann::json doc = nlohmann::json::parse(ReadAll(json));
  EXPECT_EQ(doc["file"], "korobeiniki.kar");
  EXPECT_EQ(doc["beats"].size(), w().Session().beats().size());

  const fs::path midi = scratch / "song.mid";
  ASSERT_TRUE(ExportOpenSong(w().Session(), prompter, *FindOutputFormat("midi"), midi.string(), kOptions));
  TMidiFile back;
  back.SetFilename(midi.string());
  EXPECT_EQ(back.LoadFile(), w().MidiFile().NumberOfTracks() + 1);

  const fs::path text = scratch / "song.txt";
  ASSERT_TRUE(ExportOpenSong(w().Session(), prompter, *FindOutputFormat("text"), text.string(), kOptions));
  EXPECT_NE(ReadAll(text).find("TEMPO="), std::string::npos);
}

TEST_F(ExportCommand, AsksToFindTheChordsFirstAndWritesNothingWhenDeclined) {
  Open({uitest::Example("mary-had-a-little-lamb.mid")});
  ASSERT_TRUE(w().Session().beats().empty());
  prompter.Answer(TPromptAnswer::No);
  EXPECT_FALSE(ExportOpenSong(w().Session(), prompter, *FindOutputFormat("grid"), (scratch / "g.tsv").string(), kOptions));
  EXPECT_FALSE(fs::exists(scratch / "g.tsv"));
  EXPECT_EQ(prompter.Last().Text, Mes(MesId::SNoChordsAsk));
  prompter.Answer(TPromptAnswer::Yes);
  EXPECT_TRUE(ExportOpenSong(w().Session(), prompter, *FindOutputFormat("grid"), (scratch / "g.tsv").string(), kOptions));
  EXPECT_FALSE(w().Session().beats().empty());
}

TEST_F(ExportCommand, AFileThatCannotBeWrittenIsReportedAsAnError) {
  Open({uitest::Example("mary-had-a-little-lamb.mid")});
  w().Session().FindChords();
  std::ofstream(scratch / "plain") << "x";
  EXPECT_FALSE(ExportOpenSong(w().Session(), prompter, *FindOutputFormat("json"), (scratch / "plain" / "x.json").string(), kOptions));
  EXPECT_EQ(prompter.Last().Caption, Mes(MesId::SCaptionError));
}

TEST_F(ExportCommand, TheCommandRunsTheDialogAndExportsWhatItSays) {
  Open({uitest::Example("mary-had-a-little-lamb.mid")});
  w().Session().FindChords();
  const fs::path target = scratch / "from-dialog.json";
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TExportDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->SetFormat(*FindOutputFormat("json"));
    dialog->SetFileName(QString::fromStdString(target.string()));
    dialog->accept();
  });
  w().actExport->trigger();
  EXPECT_TRUE(fs::exists(target));
  EXPECT_EQ(w().StatusText().toStdString(), MesFormat(MesId::SExportSaved, target.string()));
  // The next export starts in the folder of this one.
  EXPECT_EQ(w().Settings().ExportDir, scratch.string());
}

// The lead sheet's melody track: offered for MusicXML alone, every track of the song listed
// after the choice by the song, and the one chosen written.
TEST_F(ExportCommand, TheDialogsMelodyTrackGoesIntoTheLeadSheet) {
  Open({uitest::Example("mary-had-a-little-lamb.mid")});
  w().Session().FindChords();
  const fs::path target = scratch / "from-dialog.musicxml";
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TExportDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* tracks = dialog->findChild<QComboBox*>(QStringLiteral("cbMelodyTrack"));
    ASSERT_NE(tracks, nullptr);
    EXPECT_EQ(tracks->count(), w().MidiFile().NumberOfTracks() + 1);
    EXPECT_EQ(dialog->MelodyTrack(), 0);
    EXPECT_TRUE(tracks->isHidden());
    dialog->SetFormat(*FindOutputFormat("musicxml"));
    EXPECT_FALSE(tracks->isHidden());
    EXPECT_TRUE(dialog->FileName().endsWith(QStringLiteral("mary-had-a-little-lamb.musicxml")));
    dialog->SetMelodyTrack(1);  // the conductor's track: no notes
    dialog->SetFileName(QString::fromStdString(target.string()));
    dialog->accept();
  });
  w().actExport->trigger();
  const std::string xml = ReadAll(target);
  EXPECT_NE(xml.find("<harmony"), std::string::npos);
  EXPECT_EQ(xml.find("<pitch>"), std::string::npos);
}

}  // namespace
