#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "base/untMesConst.h"
#include "midi/MidiFile.h"
#include "tests/TestFiles.h"
#include "tests/midi/MidiBytes.h"

namespace {

const std::vector<uint8_t> kEndOfTrack{0x00, 0xFF, 0x2F, 0x00};

std::string Corpus(const std::string& relative) { return (test_files::Shared() / "corpus" / relative).string(); }

std::vector<std::string> LyricTexts(const TMidiTrack& track) {
  std::vector<std::string> texts;
  for (const auto& ev : track.Events())
    if (ev.Status == 0xFF && ev.Data1 == 0x05) texts.emplace_back(ev.Text());
  return texts;
}

TEST(MidiReader, AFormatZeroFileYieldsOneTrackNumberedZero) {
  TMidiFile f;
  EXPECT_EQ(f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track(Join({{0x00, 0x90, 0x3C, 0x40}, kEndOfTrack}))), 1);
  EXPECT_EQ(f.NumberOfTracks(), 1);
  EXPECT_EQ(f.FileFormat(), TFileFormat::single);
  EXPECT_EQ(f.TicksPerQuarter(), 96);
  EXPECT_EQ(f.TrackAt(0).TrackNo(), 0);
  EXPECT_EQ(f.TrackAt(0).EventCount(), 2);
}

TEST(MidiReader, RunningStatusRepeatsTheLastStatus) {
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track({0x00, 0x90, 0x3C, 0x40, 0x10, 0x3C, 0x00, 0x00}));
  const TMidiTrack& t = f.TrackAt(0);
  ASSERT_EQ(t.EventCount(), 2);
  const TMidiEventEx& second = t.Events()[1];
  EXPECT_EQ(second.Status, 0x90);
  EXPECT_EQ(second.Data1, 0x3C);
  EXPECT_EQ(second.Data2, 0);
  EXPECT_EQ(second.DeltaTicks, 16);
  EXPECT_EQ(second.Time, 16);
}

TEST(MidiReader, ADataByteAfterAMetaEventStartsAnotherMetaEvent) {
  TMidiFile f;
  // Meta text "ab", then delta 0 and the data byte 0x05 without a status: a lyric meta event.
  f.LoadFromBytes(MidiBytes().Header(1, 1, 96).Track({0x00, 0xFF, 0x01, 0x02, 'a', 'b', 0x00, 0x05, 0x01, 'x', 0x00}));
  const TMidiTrack& t = f.TrackAt(0);
  ASSERT_EQ(t.EventCount(), 2);
  EXPECT_EQ(t.Events()[1].Status, 0xFF);
  EXPECT_EQ(t.Events()[1].Data1, 0x05);
  EXPECT_EQ(t.Events()[1].Text(), "x");
}

TEST(MidiReader, EventFieldsByKindOfMessage) {
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track({
      0x00, 0xC3, 0x05,              // program change: one data byte
      0x81, 0x00, 0xE3, 0x01, 0x40,  // pitch bend, delta 128
      0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7,  // SysEx: the bytes after the length
      0x00, 0xF8,                    // a system byte: no data
      0x00, 0xFF, 0x2F, 0x00}));
  auto ev = f.TrackAt(0).Events();
  ASSERT_EQ(ev.size(), 5u);
  EXPECT_EQ(ev[0].Status, 0xC3);
  EXPECT_EQ(ev[0].Data1, 5);
  EXPECT_EQ(ev[0].Data2, 0);
  EXPECT_EQ(ev[1].Status, 0xE3);
  EXPECT_EQ(ev[1].Time, 128);
  EXPECT_EQ(ev[1].Data2, 0x40);
  EXPECT_EQ(ev[2].Status, 0xF0);
  EXPECT_EQ(ev[2].Text(), std::string("\x7E\x7F\xF7"));
  EXPECT_EQ(ev[3].Status, 0xF8);
  EXPECT_EQ(ev[4].Status, 0xFF);
  EXPECT_EQ(ev[4].Data1, 0x2F);
}

// Every channel message on every channel takes the data bytes of its kind: two for note off,
// note on, key pressure, controllers and pitch bend, one for program change and channel
// pressure. A wrong count on any one channel shifts the rest of the track in time.
TEST(MidiReader, ChannelMessagesTakeTheDataBytesOfTheirKindOnEveryChannel) {
  struct Kind {
    uint8_t high;
    int dataBytes;
  };
  const Kind kinds[] = {{0x80, 2}, {0x90, 2}, {0xA0, 2}, {0xB0, 2}, {0xC0, 1}, {0xD0, 1}, {0xE0, 2}};
  for (const Kind& kind : kinds) {
    for (uint8_t channel = 0; channel < 16; ++channel) {
      const uint8_t status = static_cast<uint8_t>(kind.high | channel);
      std::vector<uint8_t> track{0x00, status, 0x11};
      if (kind.dataBytes == 2) track.push_back(0x22);
      // Then a note on after a delta of 5 ticks, and the end of the track.
      track.insert(track.end(), {0x05, 0x91, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00});
      TMidiFile f;
      f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track(track));
      SCOPED_TRACE(testing::Message() << "status 0x" << std::hex << int(status));
      auto ev = f.TrackAt(0).Events();
      ASSERT_EQ(ev.size(), 3u);
      EXPECT_EQ(ev[0].Status, status);
      EXPECT_EQ(ev[0].Data1, 0x11);
      EXPECT_EQ(ev[0].Data2, kind.dataBytes == 2 ? 0x22 : 0);
      EXPECT_EQ(ev[1].Status, 0x91);
      EXPECT_EQ(ev[1].Time, 5);
      EXPECT_EQ(ev[1].Data1, 0x3C);
      EXPECT_EQ(ev[2].Status, 0xFF);
    }
  }
}

TEST(MidiReader, DataBytesBeforeAnyStatusGiveStatusZeroEvents) {
  TMidiFile f;
  // Without a status a data byte is no part of an event: it stays and is read as the next
  // delta time.
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track({0x3C, 0x40, 0x00, 0x90, 0x3C, 0x40}));
  auto ev = f.TrackAt(0).Events();
  ASSERT_EQ(ev.size(), 3u);
  EXPECT_EQ(ev[0].Status, 0);
  EXPECT_EQ(ev[0].Time, 0x3C);
  EXPECT_EQ(ev[1].Status, 0);
  EXPECT_EQ(ev[1].Time, 0x3C + 0x40);
  EXPECT_EQ(ev[2].Status, 0x90);
  EXPECT_EQ(ev[2].Time, 0x3C + 0x40);
  EXPECT_EQ(ev[2].Data1, 0x3C);
}

TEST(MidiReader, TrackNameAndInstrumentComeFromTheFirstNonEmptyText) {
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(1, 1, 96).Track(Join({MetaText(0, 3, ""), MetaText(0, 4, "Piano"),
                                                          MetaText(0, 3, "Melody"), MetaText(0, 3, "Other"),
                                                          MetaText(0, 4, "Organ"), kEndOfTrack})));
  EXPECT_EQ(f.TrackAt(0).Name(), "Melody");
  EXPECT_EQ(f.TrackAt(0).Instrument(), "Piano");
}

TEST(MidiReader, TheTrackCountIsWhatTheFileHoldsNotWhatTheHeaderSays) {
  TMidiFile f;
  EXPECT_EQ(f.LoadFromBytes(MidiBytes().Header(1, 3, 96).Track(kEndOfTrack).Track(kEndOfTrack)), 2);
  EXPECT_EQ(f.HeaderTracks(), 3);
  EXPECT_EQ(f.TrackAt(1).TrackNo(), 1);
}

TEST(MidiReader, TrackAtOutsideTheListRaisesTheListIndexError) {
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track(kEndOfTrack));
  for (int32_t index : {-1, 1, 100}) {
    try {
      f.TrackAt(index);
      ADD_FAILURE() << index;
    } catch (const std::out_of_range& e) {
      EXPECT_EQ(std::string(e.what()), MesFormat(MesId::SListIndexError, index));
    }
  }
  EXPECT_EQ(f.TrackAt(0).EventAt(-1), nullptr);
  EXPECT_EQ(f.TrackAt(0).EventAt(1), nullptr);
  EXPECT_NE(f.TrackAt(0).EventAt(0), nullptr);
}

TEST(MidiReader, EmptyOrUnrecognisedInputYieldsNoTracksWithoutError) {
  for (std::string bytes : {std::string(), std::string("MThd"), std::string("RIFF\0\0\0\0RMID", 12),
                            std::string("MThd\0\0\0", 7)}) {
    TMidiFile f;
    EXPECT_EQ(f.LoadFromBytes(bytes), 0) << bytes.size();
  }
}

TEST(MidiReader, LoadingAgainReplacesTracksTempoAndTimeSignature) {
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(1, 2, 480).Track(
      Join({{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x58, 0x04, 0x06, 0x03, 0x18, 0x08,
             0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40},
            kEndOfTrack})));
  ASSERT_EQ(f.TempoMap().size(), 2u);
  EXPECT_EQ(f.TimeSigNumerator(), 6);
  f.SetSpeed(2, 1);
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track(kEndOfTrack));
  EXPECT_EQ(f.NumberOfTracks(), 1);
  ASSERT_EQ(f.TempoMap().size(), 1u);
  EXPECT_EQ(f.TempoMap()[0].Tempo, 500000);
  EXPECT_EQ(f.TimeSigNumerator(), 4);
  EXPECT_EQ(f.TimeSigDenominator(), 2);
  EXPECT_EQ(f.SpeedNumerator(), 1);
  EXPECT_EQ(f.SpeedDenominator(), 1);
}

// ---------------------------------------------------------------------------------------
// Malformed input: nothing is read outside a chunk; what was complete stays.

struct MalformedCase {
  const char* what;
  std::string bytes;
  int32_t tracks;
  std::vector<int32_t> eventsPerTrack;
  std::vector<int32_t> cut;    // tracks reported cut short
  int32_t missing = 0;         // announced tracks not found
};

std::vector<MalformedCase> MalformedCases() {
  const std::vector<uint8_t> note{0x00, 0x90, 0x3C, 0x40};
  return {
      {"truncated header", MidiBytes().ChunkHead("MThd", 6).Raw({0x00, 0x01}), 0, {}, {}},
      {"header of two bytes", MidiBytes().Chunk("MThd", {0x00, 0x01}).Track(note), 1, {1}, {}},
      {"chunk length past the end", MidiBytes().Header(1, 2, 96).Track(note).ChunkHead("MTrk", 100).Raw(note), 2,
       {1, 1}, {1}},
      {"chunk length past the end, nothing after its head", MidiBytes().Header(1, 2, 96).Track(note).ChunkHead("MTrk", 100),
       1, {1}, {}, 1},
      {"length with its top bit set", MidiBytes().Header(1, 2, 96).ChunkHead("MTrk", 0x80000004u).Track(note), 1,
       {1}, {}, 1},
      {"huge length", MidiBytes().Header(1, 1, 96).ChunkHead("MTrk", 0x7FFFFFFFu).Raw(note), 1, {1}, {0}},
      {"running status at the start of a track", MidiBytes().Header(0, 1, 96).Track({0x00, 0x3C, 0x40, 0x00}), 1,
       {3}, {0}},
      {"delta time that never ends", MidiBytes().Header(0, 1, 96).Track(Join({note, {0x81, 0x82, 0x83, 0x84}})),
       1, {1}, {0}},
      {"note cut short", MidiBytes().Header(0, 1, 96).Track(Join({note, {0x00, 0x90, 0x3C}})), 1, {1}, {0}},
      {"meta length past the chunk", MidiBytes().Header(0, 1, 96).Track(Join({note, {0x00, 0xFF, 0x05, 0x10, 'a'}})),
       1, {1}, {0}},
      {"meta length that never ends", MidiBytes().Header(0, 1, 96).Track(Join({note, {0x00, 0xFF, 0x05, 0x90}})), 1,
       {1}, {0}},
      {"SysEx length past the chunk", MidiBytes().Header(0, 1, 96).Track(Join({note, {0x00, 0xF0, 0x7F, 0x01}})), 1,
       {1}, {0}},
      {"unknown chunk between tracks",
       MidiBytes().Header(1, 3, 96).Track(note).Chunk("XFIH", {1, 2, 3}).Track(note), 1, {1}, {}, 2},
      {"empty track chunk", MidiBytes().Header(1, 2, 96).Track({}).Track(note), 1, {1}, {}, 1},
      {"track of one byte", MidiBytes().Header(1, 1, 96).Track({0x00}), 1, {0}, {0}},
  };
}

TEST(MidiReaderMalformed, EachShapeKeepsWhatWasCompleteAndNeverReadsOutside) {
  for (const MalformedCase& c : MalformedCases()) {
    SCOPED_TRACE(c.what);
    TMidiFile f;
    // Damage is told by Completeness, never thrown.
    EXPECT_NO_THROW(f.LoadFromBytes(c.bytes));
    ASSERT_EQ(f.NumberOfTracks(), c.tracks);
    for (int32_t t = 0; t < c.tracks; ++t) EXPECT_EQ(f.TrackAt(t).EventCount(), c.eventsPerTrack[t]) << t;
    std::vector<int32_t> cut;
    for (const TCutTrack& t : f.Completeness().CutTracks) cut.push_back(t.Track);
    EXPECT_EQ(cut, c.cut);
    EXPECT_EQ(f.Completeness().MissingTracks, c.missing);
    EXPECT_EQ(f.Completeness().Complete(), c.cut.empty() && c.missing == 0);
  }
}

TEST(MidiReaderCompleteness, ACutTrackIsReportedWithWhereItStoppedAndKeepsItsEvents) {
  // Two notes, then a third cut after its key: the header is 14 bytes, the chunk head 8.
  const std::vector<uint8_t> events{0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00, 0x10, 0x90, 0x3E};
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(1, 2, 96).Track({0x00, 0xFF, 0x2F, 0x00}).Track(events));
  ASSERT_EQ(f.Completeness().CutTracks.size(), 1u);
  const TCutTrack& cut = f.Completeness().CutTracks[0];
  EXPECT_EQ(cut.Track, 1);
  EXPECT_EQ(cut.Offset, 14u + 8u + 4u + 8u + 8u);  // just after the note-off
  EXPECT_EQ(cut.Tick, 0x60);
  EXPECT_EQ(f.TrackAt(1).EventCount(), 2);
  EXPECT_FALSE(f.Completeness().Complete());

  // A whole file read again is complete: nothing is left from the last one.
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track({0x00, 0x90, 0x3C, 0x40}));
  EXPECT_TRUE(f.Completeness().Complete());
}

TEST(MidiReaderCompleteness, TheNoticeTellsTracksCutShortFromTracksThatAreMissing) {
  const std::vector<uint8_t> note{0x00, 0x90, 0x3C, 0x40};
  const std::vector<uint8_t> cutNote{0x00, 0x90, 0x3C, 0x40, 0x00, 0x90, 0x3E};
  const struct {
    const char* what;
    std::string bytes;
    std::string notice;
  } cases[] = {
      {"whole", MidiBytes().Header(1, 2, 96).Track(note).Track(note), ""},
      {"one track cut short", MidiBytes().Header(1, 2, 96).Track(note).Track(cutNote),
       MesFormat(MesId::SDamagedFile, 1)},
      {"two announced tracks not there, none cut", MidiBytes().Header(1, 3, 96).Track(note),
       MesFormat(MesId::SDamagedFileMissing, 2)},
      {"one cut short and one not there", MidiBytes().Header(1, 3, 96).Track(note).Track(cutNote),
       MesFormat(MesId::SDamagedFileCutMissing, 1, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TMidiFile f;
    f.LoadFromBytes(c.bytes);
    EXPECT_EQ(DamagedFileNotice(f.Completeness()), c.notice);
  }
  // The texts themselves differ: a missing track is not called cut short.
  EXPECT_EQ(Mes(MesId::SDamagedFileMissing).find("обрезано"), std::string::npos);
  EXPECT_NE(MesFormat(MesId::SDamagedFileCutMissing, 1, 2).find('2'), std::string::npos);
}

TEST(MidiReaderMalformed, ShortTempoAndTimeSignatureEventsStayEventsButChangeNothing) {
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track(
      {0x00, 0xFF, 0x51, 0x02, 0x0F, 0x42, 0x00, 0xFF, 0x58, 0x01, 0x03, 0x00, 0xFF, 0x2F, 0x00}));
  EXPECT_EQ(f.TrackAt(0).EventCount(), 3);
  ASSERT_EQ(f.TempoMap().size(), 1u);
  EXPECT_EQ(f.TempoMap()[0].Tempo, 500000);
  EXPECT_EQ(f.TimeSigNumerator(), 4);
}

TEST(MidiReaderMalformed, DivisionZeroLoadsButNeitherConvertsNorPlays) {
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(0, 1, 0).Track({0x60, 0x90, 0x3C, 0x40}));
  EXPECT_EQ(f.NumberOfTracks(), 1);
  EXPECT_EQ(f.TicksToMs(96), 0);
  EXPECT_EQ(f.MsToTicks(1000), 0);
  EXPECT_EQ(f.FormatTicks(96), "0:00.000");
  EXPECT_EQ(f.BeatTicks(), 1);
  EXPECT_FALSE(f.Play());
}

TEST(MidiReaderMalformed, DeltaTimesWrapInsteadOfOverflowing) {
  TMidiFile f;
  // Two deltas of 0x0FFFFFFF and one of 0x7FFFFFFF (five-byte quantity).
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track({0xFF, 0xFF, 0xFF, 0x7F, 0xF8, 0xFF, 0xFF, 0xFF, 0x7F, 0xF8,
                                                      0x87, 0xFF, 0xFF, 0xFF, 0x7F, 0xF8, 0x00}));
  auto ev = f.TrackAt(0).Events();
  ASSERT_EQ(ev.size(), 3u);
  EXPECT_EQ(ev[1].Time, 0x1FFFFFFE);
  EXPECT_EQ(ev[2].DeltaTicks, 0x7FFFFFFF);
  EXPECT_EQ(static_cast<uint32_t>(ev[2].Time), 0x1FFFFFFEu + 0x7FFFFFFFu);
  // Conversions of such times stay within range.
  EXPECT_GE(f.TicksToMs(ev[2].Time), std::numeric_limits<int32_t>::min());
}

// ---------------------------------------------------------------------------------------
// Files on disk

TEST(MidiLoadFile, MissingFileFolderAndEmptyNameRaiseTheirErrors) {
  struct Case {
    std::string path;
    int32_t code;
    const char* text;
  } cases[] = {
      {"/nonexistent-folder/none.mid", EInOutError::FileNotFound, "File not found"},
      {test_files::ProjectData() + "fixtures", EInOutError::IsFolder, "Это папка, а не файл"},
      {"", EInOutError::FileNotFound, "File not found"},
      {test_files::Fixtures() + "LICENSE-MIT.txt/x.mid", EInOutError::InvalidFilename, "Invalid filename"},
  };
  for (const Case& c : cases) {
    TMidiFile f;
    f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track(kEndOfTrack));
    f.SetFilename(c.path);
    try {
      f.LoadFile();
      ADD_FAILURE() << c.path;
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.ErrorCode(), c.code) << c.path;
      EXPECT_STREQ(e.what(), c.text);
    }
    EXPECT_EQ(f.NumberOfTracks(), 0) << "the previous song is gone";
  }
  EXPECT_EQ(EInOutError(103).what(), std::string("I/O error 103"));
}

// A file larger than any song is refused from its size alone, before it is read, and the
// error gives both the size and the limit.
TEST(MidiLoadFile, AFileLargerThanTheLimitIsRefusedBeforeItIsRead) {
  namespace fs = std::filesystem;
  const fs::path path = fs::temp_directory_path() / ("cantaro-huge-" + std::to_string(::getpid()) + ".mid");
  std::ofstream(path).close();
  for (const uint64_t size : {uint64_t{MaxMidiFileBytes} + 1, uint64_t{100} << 20}) {
    fs::resize_file(path, size);  // sparse: no bytes written, none to read
    TMidiFile f;
    f.SetFilename(path.string());
    try {
      f.LoadFile();
      ADD_FAILURE() << size;
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.ErrorCode(), EInOutError::FileTooLarge);
      EXPECT_EQ(e.FileSize(), size);
      EXPECT_EQ(std::string(e.what()), "Файл слишком велик: " + std::to_string(size) + " байт при пределе " +
                                           std::to_string(MaxMidiFileBytes) + " байт");
    }
  }
  // At the limit the file is read (and, being all zeros, holds no track).
  fs::resize_file(path, MaxMidiFileBytes);
  TMidiFile f;
  f.SetFilename(path.string());
  EXPECT_EQ(f.LoadFile(), 0);
  fs::remove(path);
}

struct FixtureCase {
  const char* file;
  int32_t tracks;
  TFileFormat format;
  int32_t ticksPerQuarter;
  int32_t songLength;
  bool cutShort;  // a track of it is cut short
};

TEST(MidiLoadFile, ReferenceFixturesGoodAndBad) {
  const FixtureCase cases[] = {
      {"MIDIOkFormat0.mid", 1, TFileFormat::single, 96, 384, false},
      {"MIDIOkFormat1.mid", 4, TFileFormat::multi_synch, 96, 384, false},
      {"MIDIOkFormat2.mid", 9, TFileFormat::multi_asynch, 96, 95, false},
      {"MIDIOkFormat1-lyrics.mid", 1, TFileFormat::multi_synch, 96, 479, false},
      {"MIDIBadFormat1.mid", 4, TFileFormat::multi_synch, 96, 384, false},
      // "MT0d": no recognised chunk at all.
      {"MIDIBadHeaderChunk.mid", 0, TFileFormat::single, 0, 0, false},
      // Format 3 is not taken; the format stays as it was.
      {"MIDIBadHeaderFormat.mid", 1, TFileFormat::single, 96, 384, false},
      // A header of 22 bytes swallows the track's chunk head; what follows is no chunk.
      {"MIDIBadHeaderLength.mid", 0, TFileFormat::single, 96, 0, false},
      // A time-code division is taken as it stands.
      {"MIDIBadHeaderSMTPE.mid", 1, TFileFormat::single, 0xF060, 384, false},
      {"MIDIBadHeaderTracksNum.mid", 1, TFileFormat::single, 96, 384, false},
      // "mTrk" is no chunk name: reading ends there.
      {"MIDIBadTrackHdr.mid", 0, TFileFormat::single, 96, 0, false},
      // The track's length runs far past the file's end: what the file holds is read.
      {"MIDIBadTrackLength.mid", 1, TFileFormat::single, 96, 384, true},
  };
  for (const FixtureCase& c : cases) {
    SCOPED_TRACE(c.file);
    TMidiFile f;
    f.SetFilename(test_files::Fixtures() + c.file);
    EXPECT_EQ(f.LoadFile(), c.tracks);
    EXPECT_EQ(!f.Completeness().CutTracks.empty(), c.cutShort);
    EXPECT_EQ(f.NumberOfTracks(), c.tracks);
    EXPECT_EQ(f.FileFormat(), c.format);
    EXPECT_EQ(f.TicksPerQuarter(), c.ticksPerQuarter);
    EXPECT_EQ(f.SongLength(), c.songLength);
  }
}

TEST(MidiLoadFile, LyricFixtureCarriesItsSyllablesAsLyricEvents) {
  TMidiFile f;
  f.SetFilename(test_files::Fixtures() + "MIDIOkFormat1-lyrics.mid");
  f.LoadFile();
  EXPECT_EQ(LyricTexts(f.TrackAt(0)), (std::vector<std::string>{"He", "llo", "\\Ka", "ra", "o", "ke"}));
  EXPECT_EQ(f.TrackAt(0).Events()[0].Text(), "Hello karaoke");
}

TEST(MidiLoadFile, GameTunesTracksNamesTempoAndMetre) {
  SKIP_WITHOUT_SHARED(Corpus("games"));
  TMidiFile f;
  f.SetFilename(Corpus("games/Yubatake-Fields.mid"));
  ASSERT_EQ(f.LoadFile(), 5);
  EXPECT_EQ(f.FileFormat(), TFileFormat::multi_synch);
  EXPECT_EQ(f.TicksPerQuarter(), 960);
  EXPECT_EQ(f.TrackAt(0).Name(), "JRPG_fields");
  EXPECT_EQ(f.TrackAt(4).Name(), "Mid_Aux");
  ASSERT_EQ(f.TempoMap().size(), 1u);
  EXPECT_EQ(f.TempoMap()[0].Tempo, 400000);
  EXPECT_EQ(f.TimeSigNumerator(), 3);
  EXPECT_EQ(f.TimeSigDenominator(), 2);
  EXPECT_EQ(f.BeatTicks(), 1440);
  EXPECT_EQ(f.SongLength(), 290880);
  // 303 quarters at 400 ms.
  EXPECT_EQ(f.TicksToMs(f.SongLength()), 121200);

  f.SetFilename(Corpus("games/HorrorPen-ItIs.mid"));
  EXPECT_EQ(f.LoadFile(), 27);
  EXPECT_EQ(f.TrackAt(2).Name(), "Kick (MIDI)");
  EXPECT_EQ(f.TempoMap()[0].Tempo, 461538);
}

TEST(MidiLoadFile, FolkTunesHaveTwoTracksAndTheDefaultTempo) {
  struct Case {
    const char* file;
    uint8_t numerator;
    int32_t beatTicks;
  } cases[] = {{"folk/ashover44.mid", 6, 1536}, {"folk/jigs9.mid", 6, 1536}, {"folk/waltzes21.mid", 3, 1536}};
  SKIP_WITHOUT_SHARED(Corpus("folk"));
  for (const Case& c : cases) {
    TMidiFile f;
    f.SetFilename(Corpus(c.file));
    ASSERT_EQ(f.LoadFile(), 2) << c.file;
    EXPECT_EQ(f.TicksPerQuarter(), 1024);
    ASSERT_EQ(f.TempoMap().size(), 1u);
    EXPECT_EQ(f.TempoMap()[0].Tempo, 500000);
    EXPECT_EQ(f.TimeSigNumerator(), c.numerator) << c.file;
    EXPECT_EQ(f.BeatTicks(), c.beatTicks) << c.file;
  }
}

TEST(MidiLoadFile, BenchmarkSongsLoadWithAllTheirEvents) {
  const std::string typical = (test_files::Shared() / "bench" / "typical.mid").string();
  SKIP_WITHOUT_SHARED(typical);
  TMidiFile f;
  f.SetFilename(typical);
  ASSERT_EQ(f.LoadFile(), 10);
  int64_t events = 0;
  for (int32_t t = 0; t < f.NumberOfTracks(); ++t) events += f.TrackAt(t).EventCount();
  EXPECT_EQ(events, 14054);
  // 43 tempo events, four of them a second one at the same tick, which replaces the first.
  int32_t tempoEvents = 0;
  for (const auto& ev : f.TrackAt(0).Events()) tempoEvents += ev.Status == 0xFF && ev.Data1 == 0x51;
  EXPECT_EQ(tempoEvents, 43);
  EXPECT_EQ(f.TempoMap().size(), 39u);
}

}  // namespace

namespace {

TEST(MidiTrackBuilding, AddEventCopiesTheTextAndAccumulatesTime) {
  TMidiTrack track(3);
  TMidiEventEx name;
  name.Status = 0xFF;
  name.Data1 = 0x03;
  name.DeltaTicks = 10;
  {
    std::string text = "Voice";
    track.AddEvent(name, text);
    text.assign("XXXXX");
  }
  TMidiEventEx note;
  note.Status = 0x90;
  note.Data1 = 60;
  note.DeltaTicks = 5;
  track.AddEvent(note);
  track.AddEvent(*track.EventAt(0));  // a copy keeps its own text
  ASSERT_EQ(track.EventCount(), 3);
  EXPECT_EQ(track.Name(), "Voice");
  EXPECT_EQ(track.EventAt(0)->Text(), "Voice");
  EXPECT_EQ(track.EventAt(1)->Time, 15);
  EXPECT_EQ(track.EventAt(2)->Time, 25);
  EXPECT_EQ(track.EventAt(2)->Text(), "Voice");
  EXPECT_NE(track.EventAt(2)->Text().data(), track.EventAt(0)->Text().data());
  EXPECT_EQ(track.TrackNo(), 3);
}

TEST(MidiTrackBuilding, EventsStayWritableForTransposition) {
  TMidiFile f;
  f.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track({0x00, 0x90, 60, 100, 0x10, 60, 0}));
  for (TMidiEventEx& ev : f.TrackAt(0).Events()) ev.Data1 += 2;
  EXPECT_EQ(f.TrackAt(0).EventAt(0)->Data1, 62);
  EXPECT_EQ(f.TrackAt(0).EventAt(1)->Data1, 62);
}

}  // namespace
