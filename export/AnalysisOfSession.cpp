#include "export/AnalysisOfSession.h"

#include <algorithm>
#include <limits>

#include "export/ChordText.h"
#include "midi/EventWalk.h"
#include "midi/MidiConstants.h"
#include "midi/MidiFile.h"
#include "song/KeyDetect.h"
#include "song/SongSession.h"

namespace {

constexpr int32_t kKaraokeLyricTrack = 2;

int PitchClass(int pitch) { return ((pitch % 12) + 12) % 12; }

TAnalysisKeyCandidate Candidate(const TKeyCandidate& k, NoteNotation notation, bool byKey,
                                std::optional<int> fileFifths) {
  return {k.tonic, k.minor, KeyWithModeName(TKeyWithMode{k.tonic, k.minor}, notation, byKey, fileFifths), k.score};
}

std::string NotationName(NoteNotation notation) {
  switch (notation) {
    case NoteNotation::German: return "german";
    case NoteNotation::Italian: return "italian";
    default: return "english";
  }
}

}  // namespace

TAnalysisChord AnalysisChord(const TChord& chord, NoteNotation notation, const std::optional<TKeySpelling>& key) {
  TChord c = chord;
  const TChordTones tones = ChordTones(c);  // normalised: BasePitch is the bass
  TAnalysisChord a;
  a.name = ChordNameIn(c, notation, key);
  a.root = PitchClass(c.BasePitch + c.RootOffset);
  a.rootName = PitchClassNameIn(a.root, notation, key);
  a.bass = PitchClass(c.BasePitch);
  a.bassName = PitchClassNameIn(a.bass, notation, key);
  a.type = c.ChordType;
  a.suffix = c.ChordType < ChordTypeCount ? ChordFormulaTable[c.ChordType].Suffix : "";
  static constexpr int32_t kExtensions[4] = {0, 9, 11, 13};
  a.extension = c.Extension <= 3 ? kExtensions[c.Extension] : 0;
  a.added = a.extension != 0 && c.AddFlag != 0;
  a.extensionAlteration = a.extension != 0 ? c.ExtensionAlteration : 0;
  a.fifthAlteration = c.FifthAlteration;
  a.ninthAlteration = c.NinthAlteration;
  a.eleventhAlteration = c.EleventhAlteration;
  for (int8_t t : tones) {
    if (t == NoChordTone) continue;
    a.tones.push_back(c.BasePitch + t);
    a.pitchClasses.push_back(PitchClass(c.BasePitch + t));
  }
  std::sort(a.tones.begin(), a.tones.end());
  a.tones.erase(std::unique(a.tones.begin(), a.tones.end()), a.tones.end());
  std::sort(a.pitchClasses.begin(), a.pitchClasses.end());
  a.pitchClasses.erase(std::unique(a.pitchClasses.begin(), a.pitchClasses.end()), a.pitchClasses.end());
  a.score = ChordScore(c);
  return a;
}

std::vector<TAnalysisSyllable> AnalysisLyrics(const TMidiSong& song, bool karaoke, TCodePage codePage) {
  const bool utf8 = MidiTextsAreUtf8(song);
  std::vector<TAnalysisSyllable> syllables;
  const uint8_t wanted = karaoke ? MidiMeta::Text : MidiMeta::Lyric;
  // The marks "/" and "\\" alone apply to the next syllable of their track.
  int32_t markTrack = -1;
  bool newLine = false, newParagraph = false;
  TEventWalk walk(song);
  walk.ToEnd([&](const TMidiEventEx& e, int32_t track) {
    if (karaoke && track != kKaraokeLyricTrack) return;
    if (e.Status != MidiStatus::Meta || e.Data1 != wanted || e.Text().empty() || e.Time == 0) return;
    if (track != markTrack) {
      markTrack = track;
      newLine = newParagraph = false;
    }
    std::string text = utf8 ? DecodeMidiText(e.Text(), codePage) : DecodeCodePage(e.Text(), codePage);
    if (!text.empty() && text[0] == '/') {
      newLine = true;
      text.erase(0, 1);
    }
    if (!text.empty() && text[0] == '\\') {
      newParagraph = true;
      text.erase(0, 1);
    }
    // A mark alone applies to the next syllable; "@" texts are titles and other header data.
    if (text.empty() || text[0] == '@') return;
    std::replace(text.begin(), text.end(), '\0', ' ');
    syllables.push_back({std::move(text), e.Time, song.TicksToMs(e.Time), newLine || newParagraph, newParagraph});
    newLine = newParagraph = false;
  });
  // Lyric events of several tracks are read as one text, in time order.
  std::stable_sort(syllables.begin(), syllables.end(),
                   [](const TAnalysisSyllable& a, const TAnalysisSyllable& b) { return a.tick < b.tick; });
  return syllables;
}

TAnalysisDocument AnalysisDocumentOf(const TSongAnalysis& analysis) {
  const TMidiSong& file = analysis.Song();
  const TSongModel& model = analysis.model;
  const TCodePage codePage = CodePageFromNumber(analysis.request.text.textCodepage);
  TAnalysisDocument doc;
  doc.file = analysis.name;
  doc.format = static_cast<int32_t>(file.FileFormat());
  doc.ticksPerQuarter = file.TicksPerQuarter();
  const bool utf8 = MidiTextsAreUtf8(file);
  auto text = [&](std::string_view bytes) {
    return utf8 ? DecodeMidiText(bytes, codePage) : DecodeCodePage(bytes, codePage);
  };

  for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
    const TMidiTrack& track = file.TrackAt(t);
    TAnalysisTrack a;
    a.index = t;
    a.name = text(track.Name());
    a.instrument = text(track.Instrument());
    a.muted = track.Muted();
    uint16_t channels = 0;
    for (const TMidiEventEx& e : track.Events()) {
      if (IsMidiChannelMessage(e.Status)) channels |= uint16_t(1u << MidiChannel(e.Status));
      if (MidiKind(e.Status) == MidiStatus::NoteOn && e.Data2 > 0) ++a.notes;
      if (e.Status == MidiStatus::Meta && e.Data1 == MidiMeta::TimeSignature && e.Text().size() >= 2) {
        const auto* p = reinterpret_cast<const uint8_t*>(e.Text().data());
        doc.timeSignatures.push_back({e.Time, p[0], p[1] < 31 ? int32_t(1) << p[1] : 0});
      }
    }
    for (int c = 0; c < 16; ++c)
      if (channels & (1u << c)) a.channels.push_back(c);
    doc.tracks.push_back(std::move(a));
  }
  std::stable_sort(doc.timeSignatures.begin(), doc.timeSignatures.end(),
                   [](const TAnalysisTimeSignature& a, const TAnalysisTimeSignature& b) { return a.tick < b.tick; });
  if (doc.timeSignatures.empty() || doc.timeSignatures.front().tick > 0) doc.timeSignatures.insert(doc.timeSignatures.begin(), {0, 4, 4});
  for (const TempoEntry& t : file.TempoMap()) doc.tempoMap.push_back({t.Tick, t.Ms, t.Tempo});

  doc.lengthTicks = file.SongLength();
  doc.lengthMs = file.TicksToMs(doc.lengthTicks);
  doc.beatLength = model.beatLength;
  doc.notation = NotationName(analysis.Notation());
  if (const auto& chordModel = analysis.request.song.chordModel) {
    doc.chordRecognition = "learned-model";
    doc.chordModel = chordModel->Comment;
  }
  doc.karaoke = model.karaoke;
  doc.transposition = model.transposition;

  const NoteNotation notation = analysis.Notation();
  const TSongKey& key = model.key;
  if (key.Known()) {
    doc.key.entry = key.key;
    doc.key.name = analysis.KeyName();
    doc.key.current = key.TonicAfter(model.transposition);
    doc.key.source = key.evidence ? "detected" : "given";
  } else {
    doc.key.source = "unknown";
  }
  // The detector's evidence is there when the key was detected (by request, or for the
  // key-aware chord choice), also when it found no key.
  if (key.evidence) {
    TAnalysisKeyDetection d;
    d.counts.assign(key.evidence->counts.begin(), key.evidence->counts.end());
    const TKeyResult& result = key.evidence->result;
    if (result.Found()) {
      const bool byKey = analysis.request.text.spellByKey;
      d.best = Candidate(result.best, notation, byKey, model.keySignature);
      if (result.second.tonic >= 0) d.runnerUp = Candidate(result.second, notation, byKey, model.keySignature);
      d.runnerUpClose = result.SecondIsClose();
    }
    doc.key.detection = std::move(d);
  }

  const std::optional<TKeySpelling> spelling = analysis.Spelling();
  const TBeats& beats = model.beats;
  doc.beats.reserve(beats.size());
  for (size_t b = 0; b < beats.size(); ++b) {
    const TVariants& v = beats[b];
    TAnalysisBeat a;
    a.index = static_cast<int32_t>(b);
    const int64_t tick = int64_t(b) * model.beatLength;
    a.tick = static_cast<int32_t>(std::min<int64_t>(tick, std::numeric_limits<int32_t>::max()));
    a.ms = file.TicksToMs(a.tick);
    a.notes.assign(v.notes.begin(), v.notes.end());
    a.variants.reserve(v.chords.size());
    for (const TChord& c : v.chords) a.variants.push_back({ChordNameIn(c, analysis.Notation(), spelling), ChordScore(c)});
    if (v.HasChord()) {
      a.chord = AnalysisChord(v.Chord(), analysis.Notation(), spelling);
      a.rank = v.chosen;
    }
    doc.beats.push_back(std::move(a));
  }
  doc.lyrics = AnalysisLyrics(file, model.karaoke, codePage);
  doc.errors = analysis.errors;
  doc.warnings = analysis.warnings;
  return doc;
}
