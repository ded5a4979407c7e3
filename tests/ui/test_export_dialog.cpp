// The window's export command: the dialog's format and file, and the open song written in
// each format.
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
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
  TExportDialog dialog(&w(), "/music/song.kar");
  EXPECT_EQ(dialog.Format().name, "text");
  EXPECT_EQ(dialog.FileName(), QStringLiteral("/music/song.txt"));
  dialog.SetFormat(*FindOutputFormat("json"));
  EXPECT_EQ(dialog.FileName(), QStringLiteral("/music/song.json"));
  dialog.SetFileName(QStringLiteral("/tmp/mine.json"));
  dialog.SetFormat(*FindOutputFormat("chordpro"));
  EXPECT_EQ(dialog.FileName(), QStringLiteral("/tmp/mine.cho"));
  // The song itself is never the suggested result.
  EXPECT_EQ(TExportDialog::SuggestedFile("/music/tune.mid", *FindOutputFormat("midi")), QStringLiteral("/music/tune-chords.mid"));
  TExportDialog midi(&w(), "/music/tune.mid");
  midi.SetFormat(*FindOutputFormat("midi"));
  EXPECT_EQ(midi.FileName(), QStringLiteral("/music/tune-chords.mid"));
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
}

}  // namespace
