#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <memory>

#include "base/untMesConst.h"
#include "midi/MidiFile.h"
#include "midi/MidiOut.h"
#include "midi/MidiOutRecorder.h"
#include "platform/SongRenderer.h"
#include "platform/SoundFontFinder.h"
#include "platform/WavFile.h"
#include "tests/midi/MidiBytes.h"
#include "tests/platform/AudioProbe.h"

namespace {

constexpr int kRate = kSongRenderSampleRate;

// 480 ticks per quarter; 120 bpm for two quarters (1000 ms), then 240 bpm. A4 on channel 0
// from tick 960 (1000 ms) to 2400 (1750 ms); the song ends at tick 2880 (2000 ms).
// With percussion, a snare on channel 10 sounds with it; with a block, a GM reset goes
// first.
std::string TempoSong(bool percussion = false, bool block = false) {
  std::vector<uint8_t> notes;
  if (block) notes = {0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  notes = Join({notes, {0x00, 0xC0, 0x00}, MetaText(0, 5, "la"), {0x87, 0x40, 0x90, 69, 100}});
  if (percussion) notes = Join({notes, {0x00, 0x99, 38, 100}});
  notes = Join({notes, {0x8B, 0x20, 0x80, 69, 0}});
  if (percussion) notes = Join({notes, {0x00, 0x89, 38, 0}});
  notes = Join({notes, {0x00, 0xFF, 0x2F, 0x00}});
  return MidiBytes()
      .Header(1, 2, 480)
      .Track({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,         // 500000 us per quarter
              0x87, 0x40, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90,   // tick 960: 250000
              0x8F, 0x00, 0xFF, 0x2F, 0x00})                    // tick 2880: end
      .Track(notes);
}

// The note of the song's first note-on, as the file holds it.
int FirstNoteOn(TMidiFile& file) {
  for (const TMidiEventEx& e : file.TrackAt(1).Events())
    if (e.Status == 0x90) return e.Data1;
  return -1;
}

double PitchBetween(const std::vector<int16_t>& samples, double fromSec, double toSec) {
  const auto from = static_cast<std::size_t>(fromSec * kRate);
  const auto count = static_cast<std::size_t>((toSec - fromSec) * kRate);
  return StrongestFrequency(LeftChannel(samples, from, count), kRate);
}

double LevelBetween(const std::vector<int16_t>& samples, double fromSec, double toSec) {
  const auto from = static_cast<std::size_t>(fromSec * kRate);
  return Rms(LeftChannel(samples, from, static_cast<std::size_t>((toSec - fromSec) * kRate)));
}

// The song played into a recorder whose clock is the audio rendered so far.
struct RecordedRender {
  explicit RecordedRender(const TSongRenderOptions& options, const std::string& song = TempoSong(true, true)) {
    file.LoadFromBytes(song);
    recorder->SetClock([this] { return frames * 1000000 / kRate; });
    out = std::make_unique<TMidiOutput>(recorder, std::make_shared<TImmediatePoster>());
    EXPECT_TRUE(out->Open());
    result = PlaySongOffline(file, *out, options, [this](int n) {
      frames += n;
      return true;
    });
  }
  // Short messages sent, as (time ms, word), without the closing controllers.
  std::vector<std::pair<int64_t, uint32_t>> Notes() const {
    std::vector<std::pair<int64_t, uint32_t>> v;
    for (const auto& m : recorder->Messages())
      if (!m.Long && (m.Word & 0xF0) != 0xB0) v.emplace_back(m.TimeUs / 1000, m.Word);
    return v;
  }
  TMidiFile file;
  std::shared_ptr<TMidiOutRecorder> recorder = std::make_shared<TMidiOutRecorder>();
  std::unique_ptr<TMidiOutput> out;
  int64_t frames = 0;
  TSongRenderResult result = TError();
};

}  // namespace

TEST(SongRendering, EventsGoOutAtTheirTimeByTheTempoMapAndTheAudioCoversTheSong) {
  TSongRenderOptions options;
  RecordedRender r(options);
  ASSERT_TRUE(r.result.Ok()) << r.result.Error().Text;
  EXPECT_EQ(r.result->SongMs, 2000);
  EXPECT_EQ(r.result->Frames, (2000 + options.TailMs) * kRate / 1000);
  EXPECT_EQ(r.frames, r.result->Frames);
  const auto notes = r.Notes();
  ASSERT_EQ(notes.size(), 5u);  // program, two note-ons, two note-offs; lyrics stay silent
  EXPECT_EQ(notes[0], std::make_pair(int64_t{0}, uint32_t{0x00C0}));
  const std::pair<int64_t, uint32_t> expected[] = {
      {1000, 0x644590}, {1000, 0x642699}, {1750, 0x004580}, {1750, 0x002689}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(notes[i + 1].first, expected[i].first, options.StepMs) << i;
    EXPECT_EQ(notes[i + 1].second, expected[i].second) << i;
  }
  // The block went out whole, first.
  const auto all = r.recorder->Messages();
  ASSERT_TRUE(all[0].Long);
  EXPECT_EQ(all[0].Bytes, (std::vector<uint8_t>{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));
  // At the end every channel lets go of its notes.
  EXPECT_EQ(all.back().Word, 0x007BBFu);
}

TEST(SongRendering, TransposedNotesSoundShiftedOrOriginalAsTheSettingSaysAndDrumsStay) {
  struct Case {
    int transpose;
    bool noTranspose;
    uint32_t noteOn;
  };
  for (Case c : {Case{2, false, 0x644790}, Case{2, true, 0x644590}, Case{-3, false, 0x644290},
                 Case{0, true, 0x644590}}) {
    TSongRenderOptions options;
    options.Transpose = c.transpose;
    options.MidiOutNoTranspose = c.noTranspose;
    RecordedRender r(options);
    ASSERT_TRUE(r.result.Ok());
    const auto notes = r.Notes();
    ASSERT_EQ(notes.size(), 5u);
    EXPECT_EQ(notes[1].second, c.noteOn) << c.transpose << c.noTranspose;
    EXPECT_EQ(notes[2].second, 0x642699u) << "percussion never moves";
    // The song itself is as it was before.
    EXPECT_EQ(FirstNoteOn(r.file), 69);
  }
}

TEST(SongRendering, TheFilesHandlersAndPositionComeBackAlsoWhenTheDeviceFails) {
  TMidiFile file;
  file.LoadFromBytes(TempoSong());
  int seen = 0, updates = 0;
  file.SetOnMidiEvent([&](PMidiEventEx, int32_t) { ++seen; });
  file.SetOnUpdateEvent([&](TMidiFile&) { ++updates; });
  file.Seek(1000, false);

  auto recorder = std::make_shared<TMidiOutRecorder>();
  TMidiOutput out(recorder, std::make_shared<TImmediatePoster>());
  ASSERT_TRUE(out.Open());
  recorder->Disconnect(0);
  TSongRenderOptions options;
  options.Transpose = 5;
  const TSongRenderResult r = PlaySongOffline(file, out, options, [](int) { return true; });
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.Error().Text, MesFormat(MesId::SRenderSendError, Mes(MesId::SMidiOutErrDeviceGone)));

  EXPECT_EQ(file.PositionTicks(), 0);
  EXPECT_EQ(FirstNoteOn(file), 69);
  file.Seek(file.SongLength() + 1, true);
  EXPECT_EQ(seen, file.TrackAt(0).EventCount() + file.TrackAt(1).EventCount());
  ASSERT_TRUE(file.OnUpdateEvent());
  EXPECT_EQ(updates, 0);
}

class SynthRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FindGeneralMidiSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
  }
};

TEST_F(SynthRenderTest, TheSongSoundsAtItsPitchAndItsTime) {
  TMidiFile file;
  file.LoadFromBytes(TempoSong());
  std::vector<int16_t> samples;
  const TSongRenderResult r = RenderSongToSamples(file, {}, samples);
  ASSERT_TRUE(r.Ok()) << r.Error().Text;
  EXPECT_EQ(samples.size(), static_cast<std::size_t>(r->Frames) * 2);
  EXPECT_NEAR(static_cast<double>(r->Frames) / kRate, r->SongMs / 1000.0, 1.0);
  EXPECT_LT(LevelBetween(samples, 0.1, 0.95), 1e-4) << "silent before the note";
  EXPECT_GT(LevelBetween(samples, 1.1, 1.6), 0.005);
  EXPECT_NEAR(PitchBetween(samples, 1.1, 1.6), 440.0, 8.8);
}

TEST_F(SynthRenderTest, ATransposedSongSoundsHigherUnlessTheSoundKeepsItsPitch) {
  struct Case {
    bool noTranspose;
    double hz;
  };
  for (Case c : {Case{false, 493.88}, Case{true, 440.0}}) {
    TMidiFile file;
    file.LoadFromBytes(TempoSong());
    TSongRenderOptions options;
    options.Transpose = 2;
    options.MidiOutNoTranspose = c.noTranspose;
    std::vector<int16_t> samples;
    ASSERT_TRUE(RenderSongToSamples(file, options, samples).Ok());
    EXPECT_NEAR(PitchBetween(samples, 1.1, 1.6), c.hz, c.hz * 0.02) << c.noTranspose;
  }
}

TEST_F(SynthRenderTest, TheWavFileHasTheSongsLengthInCdQualityStereo) {
  QTemporaryDir tmp;
  const std::string midi = tmp.filePath("song.mid").toStdString();
  const std::string wav = tmp.filePath("song.wav").toStdString();
  {
    QFile f(QString::fromStdString(midi));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string bytes = TempoSong(true, true);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  const TSongRenderResult r = RenderSongToWav(midi, wav, {});
  ASSERT_TRUE(r.Ok()) << r.Error().Text;
  QFile f(QString::fromStdString(wav));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray data = f.readAll();
  ASSERT_GE(data.size(), 44);
  EXPECT_EQ(data.left(44).toStdString(), WavHeader(static_cast<uint32_t>(r->Frames), 44100, 2));
  EXPECT_EQ(data.size(), 44 + r->Frames * 4);
  EXPECT_NEAR(static_cast<double>(r->Frames) / 44100, 2.0, 1.0);
  std::vector<int16_t> samples(static_cast<std::size_t>(r->Frames) * 2);
  std::memcpy(samples.data(), data.constData() + 44, samples.size() * 2);
  EXPECT_NEAR(PitchBetween(samples, 1.1, 1.6), 440.0, 8.8);
}

// The WAV file's loudest sample: -1 dBFS when normalised, the gain asked for otherwise, and a
// song without a note stays silent.
TEST_F(SynthRenderTest, TheWavFilePeaksAtMinusOneDbfsUnlessAGainIsGiven) {
  QTemporaryDir tmp;
  auto peakOf = [&tmp](const std::string& bytes, std::optional<double> gainDb) {
    const std::string midi = tmp.filePath("song.mid").toStdString();
    const std::string wav = tmp.filePath("song.wav").toStdString();
    QFile f(QString::fromStdString(midi));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();
    TSongRenderOptions options;
    options.GainDb = gainDb;
    const TSongRenderResult r = RenderSongToWav(midi, wav, options);
    EXPECT_TRUE(r.Ok()) << (r.Ok() ? std::string() : r.Error().Text);
    QFile out(QString::fromStdString(wav));
    EXPECT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray data = out.readAll().mid(44);
    int peak = 0;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
      int16_t v = 0;
      std::memcpy(&v, data.constData() + i, 2);
      peak = std::max(peak, std::abs(static_cast<int>(v)));
    }
    return peak;
  };
  const std::string silent = MidiBytes()
                                 .Header(1, 2, 480)
                                 .Track({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x8F, 0x00, 0xFF, 0x2F, 0x00})
                                 .Track({0x00, 0xC0, 0x00, 0x8F, 0x00, 0xFF, 0x2F, 0x00});
  const double minusOneDb = 32767 * std::pow(10.0, -1.0 / 20);
  EXPECT_NEAR(peakOf(TempoSong(true), std::nullopt), minusOneDb, 2.0);
  EXPECT_EQ(peakOf(silent, std::nullopt), 0);
  EXPECT_EQ(peakOf(silent, 20.0), 0);
  const int unity = peakOf(TempoSong(true), 0.0);
  EXPECT_GT(unity, 0);
  EXPECT_LT(unity, minusOneDb * 0.5) << "the synthesizer alone is quieter than the normalised file";
  EXPECT_NEAR(peakOf(TempoSong(true), -6.0), unity * std::pow(10.0, -6.0 / 20), 2.0);
}

TEST(SongRenderingFailures, EachFailureHasItsTextAndLeavesNoFile) {
  QTemporaryDir tmp;
  const std::string missing = tmp.filePath("missing.mid").toStdString();
  const std::string wav = tmp.filePath("out.wav").toStdString();
  TSongRenderResult r = RenderSongToWav(missing, wav, {});
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.Error().Text, MesFormat(MesId::SRenderReadError, missing, "File not found"));

  const std::string empty = tmp.filePath("empty.mid").toStdString();
  QFile(QString::fromStdString(empty)).open(QIODevice::WriteOnly);
  r = RenderSongToWav(empty, wav, {});
  EXPECT_EQ(r.Error().Text, MesFormat(MesId::SRenderEmptySong, empty));

  const std::string song = tmp.filePath("song.mid").toStdString();
  {
    QFile f(QString::fromStdString(song));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string bytes = TempoSong();
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  TSongRenderOptions noFont;
  noFont.SoundFont = tmp.filePath("none.sf2").toStdString();
  r = RenderSongToWav(song, wav, noFont);
  EXPECT_EQ(r.Error().Text, MesFormat(MesId::SRenderSynthError, Mes(MesId::SMidiOutErrSoundFontLoad)));

  if (!FindGeneralMidiSoundFont().empty()) {
    const std::string nowhere = tmp.filePath("no/such/folder/out.wav").toStdString();
    r = RenderSongToWav(song, nowhere, {});
    ASSERT_FALSE(r.Ok());
    EXPECT_EQ(r.Error().Text.rfind(MesFormat(MesId::SRenderWriteError, nowhere, ""), 0), 0u) << r.Error().Text;
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(wav)));
}

TEST(WavHeaderBytes, DescribesSixteenBitPcm) {
  const std::string h = WavHeader(10, 44100, 2);
  const std::string expected("RIFF\x4C\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00"
                             "\x44\xAC\x00\x00\x10\xB1\x02\x00\x04\x00\x10\x00"
                             "data\x28\x00\x00\x00",
                             44);
  EXPECT_EQ(h, expected);
}
