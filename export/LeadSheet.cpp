#include "export/LeadSheet.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>

#include "base/untMesConst.h"
#include "export/AnalysisOfSession.h"
#include "export/ChordText.h"
#include "export/OutputFormats.h"
#include "midi/MidiConstants.h"
#include "midi/MidiSong.h"
#include "song/KeyWithMode.h"

namespace {

constexpr int32_t kQuarter = LeadSheetDivisions;
constexpr int kSingingLow = 48;   // C3: below it a line is a bass, not a voice
constexpr int kSingingHigh = 84;  // C6

int PitchClass(int pitch) { return ((pitch % 12) + 12) % 12; }

struct TRawNote {
  int32_t on = 0;
  int32_t off = 0;
  int pitch = 0;
};

// The notes of a track with their lengths; note-ons without a note-off end with the track.
// The percussion channel has no pitch and is left out.
std::vector<TRawNote> TrackNotes(const TMidiTrack& track) {
  std::vector<TRawNote> notes;
  std::map<int, std::deque<std::size_t>> sounding;  // channel and key: the notes not ended yet, oldest first
  int32_t last = 0;
  for (const TMidiEventEx& e : track.Events()) {
    last = std::max(last, e.Time);
    if (!IsMidiChannelMessage(e.Status) || MidiChannel(e.Status) == MidiPercussionChannel) continue;
    const uint8_t kind = MidiKind(e.Status);
    const int key = MidiChannel(e.Status) * 128 + e.Data1;
    if (kind == MidiStatus::NoteOn && e.Data2 > 0) {
      sounding[key].push_back(notes.size());
      notes.push_back({e.Time, -1, e.Data1});
    } else if (kind == MidiStatus::NoteOff || kind == MidiStatus::NoteOn) {
      auto it = sounding.find(key);
      if (it == sounding.end() || it->second.empty()) continue;
      notes[it->second.front()].off = e.Time;
      it->second.pop_front();
    }
  }
  for (TRawNote& n : notes)
    if (n.off < n.on) n.off = std::max(last, n.on);
  std::stable_sort(notes.begin(), notes.end(), [](const TRawNote& a, const TRawNote& b) { return a.on < b.on; });
  return notes;
}

// How much a track sounds like a voice: the share of its notes that start while none of its
// other notes still sounds (a little overlap of legato playing forgiven), and its middle pitch.
struct TVoiceLikeness {
  double alone = 0;
  int middlePitch = 0;
  bool Voice() const { return alone >= 0.7 && middlePitch >= kSingingLow && middlePitch <= kSingingHigh; }
};

TVoiceLikeness VoiceLikeness(const std::vector<TRawNote>& notes, int32_t ticksPerQuarter) {
  TVoiceLikeness v;
  if (notes.empty()) return v;
  const int32_t legato = std::max(1, ticksPerQuarter / 16);
  int32_t soundingUntil = -1;
  std::size_t alone = 0;
  std::vector<int> pitches;
  pitches.reserve(notes.size());
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const bool chordTone = i + 1 < notes.size() && notes[i + 1].on == notes[i].on;
    const bool overPrevious = soundingUntil - legato > notes[i].on || (i > 0 && notes[i - 1].on == notes[i].on);
    if (!chordTone && !overPrevious) ++alone;
    soundingUntil = std::max(soundingUntil, notes[i].off);
    pitches.push_back(notes[i].pitch);
  }
  std::nth_element(pitches.begin(), pitches.begin() + static_cast<long>(pitches.size() / 2), pitches.end());
  v.middlePitch = pitches[pitches.size() / 2];
  v.alone = double(alone) / double(notes.size());
  return v;
}

// ---- The grid ------------------------------------------------------------------------------

// The measures from tick 0 to the end, each as the time signature in force at its start has it.
std::vector<TLeadMeasure> Measures(const std::vector<TAnalysisTimeSignature>& signatures, int32_t ticksPerQuarter,
                                   int64_t endDivision) {
  std::vector<TLeadMeasure> measures;
  std::size_t next = 0;
  int32_t numerator = 4, denominator = 4;
  int64_t position = 0;
  do {
    // A signature takes effect at the first bar line at or after it.
    while (next < signatures.size() &&
           int64_t(signatures[next].tick) * kQuarter <= position * ticksPerQuarter) {
      const TAnalysisTimeSignature& s = signatures[next++];
      // Note values down to the thirty-second fit the divisions; others keep the last signature.
      if (s.numerator >= 1 && s.denominator >= 1 && s.denominator <= 32 && (4 * kQuarter) % s.denominator == 0) {
        numerator = s.numerator;
        denominator = s.denominator;
      }
    }
    const int32_t length = numerator * (4 * kQuarter / denominator);
    measures.push_back({static_cast<int32_t>(position), length, numerator, denominator});
    position += length;
  } while (position < endDivision);
  return measures;
}

// One beat of the quantising grid: a quarter note of a measure (the last one of an odd measure
// may be shorter) and the step its points lie apart: a sixteenth, or an eighth triplet where
// that fits the notes starting in it better.
struct TGridBeat {
  int32_t start = 0;
  int32_t length = kQuarter;
  int32_t step = kQuarter / 4;
};

class TGrid {
 public:
  TGrid(const std::vector<TLeadMeasure>& measures, int32_t ticksPerQuarter, std::vector<int32_t> onsets)
      : tpq_(std::max(1, ticksPerQuarter)) {
    for (const TLeadMeasure& m : measures)
      for (int32_t b = 0; b < m.length; b += kQuarter) {
        const int32_t length = std::min(kQuarter, m.length - b);
        beats_.push_back({m.start + b, length, length % 6 == 0 ? 6 : 3});
      }
    // Each beat takes the step under which its onsets move least; a sixteenth on a tie.
    std::sort(onsets.begin(), onsets.end());
    std::size_t o = 0;
    for (TGridBeat& beat : beats_) {
      if (beat.length != kQuarter) continue;
      int64_t errorSixteenth = 0, errorTriplet = 0;
      const int64_t end = Units(beat.start + beat.length);
      while (o < onsets.size() && int64_t(onsets[o]) * kQuarter < Units(beat.start)) ++o;
      for (std::size_t i = o; i < onsets.size() && int64_t(onsets[i]) * kQuarter < end; ++i) {
        const int64_t u = int64_t(onsets[i]) * kQuarter - Units(beat.start);
        errorSixteenth += Distance(u, 6);
        errorTriplet += Distance(u, 8);
      }
      if (errorTriplet < errorSixteenth) beat.step = 8;
    }
  }

  // The grid point nearest to a tick.
  int32_t Quantise(int32_t tick) const {
    const int64_t u = int64_t(tick) * kQuarter;
    if (beats_.empty() || u <= 0) return 0;
    // The beat the tick falls in, found by its start.
    auto it = std::upper_bound(beats_.begin(), beats_.end(), u,
                               [this](int64_t value, const TGridBeat& b) { return value < Units(b.start); });
    const TGridBeat& beat = *(it - 1);
    const int64_t within = u - Units(beat.start);
    const int64_t stepUnits = int64_t(beat.step) * tpq_;
    const int64_t point = (within + stepUnits / 2) / stepUnits * beat.step;
    return beat.start + static_cast<int32_t>(std::min<int64_t>(point, beat.length));
  }

  // The grid step at a division (the step of its beat).
  int32_t StepAt(int32_t division) const {
    auto it = std::upper_bound(beats_.begin(), beats_.end(), division,
                               [](int32_t value, const TGridBeat& b) { return value < b.start; });
    return it == beats_.begin() ? 6 : (it - 1)->step;
  }

 private:
  int64_t Units(int32_t division) const { return int64_t(division) * tpq_; }
  // How far a position (in units of a beat of kQuarter * tpq) lies from the nearest point of
  // a grid of step divisions.
  int64_t Distance(int64_t u, int32_t step) const {
    const int64_t stepUnits = int64_t(step) * tpq_;
    const int64_t r = u % stepUnits;
    return std::min(r, stepUnits - r);
  }

  int32_t tpq_;
  std::vector<TGridBeat> beats_;
};

// ---- The melody ----------------------------------------------------------------------------

// The quantised top line of the notes: of notes starting together the highest; a lower note
// that starts and ends under a higher one is left out; a note ends where the next begins.
std::vector<TLeadNote> TopLine(const std::vector<TRawNote>& notes, const TGrid& grid) {
  std::vector<TLeadNote> line;
  for (const TRawNote& n : notes) {
    TLeadNote q{grid.Quantise(n.on), grid.Quantise(n.off), n.pitch, n.on, std::nullopt};
    if (q.end <= q.start) q.end = q.start + grid.StepAt(q.start);
    if (!line.empty()) {
      TLeadNote& last = line.back();
      if (last.start == q.start) {
        if (q.pitch > last.pitch) last = q;
        continue;
      }
      if (last.end >= q.end && last.pitch > q.pitch) continue;
      last.end = std::min(last.end, q.start);
    }
    line.push_back(q);
  }
  return line;
}

// ---- The lyrics ----------------------------------------------------------------------------

bool Blank(char c) { return c == ' ' || c == '\t'; }

// The syllables as notation writes them: each without its spaces and hyphen, with its place in
// its word. A syllable ends its word when it ends with a space, the next one begins with one
// or starts a line, or it is the last; one ending with a hyphen joins the next as one without.
std::vector<TLeadLyric> LyricsOf(const std::vector<TAnalysisSyllable>& syllables) {
  std::vector<TLeadLyric> lyrics;
  bool wordOpen = false;
  for (std::size_t i = 0; i < syllables.size(); ++i) {
    const std::string& raw = syllables[i].text;
    const bool last = i + 1 == syllables.size();
    const bool nextBreaks = !last && (syllables[i + 1].newLine || syllables[i + 1].newParagraph ||
                                      (!syllables[i + 1].text.empty() && Blank(syllables[i + 1].text[0])));
    std::size_t b = 0, e = raw.size();
    while (b < e && Blank(raw[b])) ++b;
    const bool trailingBlank = e > b && Blank(raw[e - 1]);
    while (e > b && Blank(raw[e - 1])) --e;
    bool hyphen = false;
    if (!trailingBlank && e > b && raw[e - 1] == '-') {
      hyphen = true;
      --e;
    }
    const bool endsWord = last || trailingBlank || (nextBreaks && !hyphen);
    const bool startsWord = !wordOpen || (b > 0);
    TLeadLyric l;
    l.text = raw.substr(b, e - b);
    l.syllabic = startsWord ? (endsWord ? TSyllabic::Single : TSyllabic::Begin)
                            : (endsWord ? TSyllabic::End : TSyllabic::Middle);
    wordOpen = !endsWord;
    lyrics.push_back(std::move(l));
  }
  return lyrics;
}

// Puts each syllable on the melody note that starts with it (within a sixteenth), else on the
// next note after it; a note already sung keeps its syllable and the next one gets the new
// one, so the words keep their order. Syllables after the last note join its text.
void PlaceLyrics(std::vector<TLeadNote>& melody, const std::vector<TAnalysisSyllable>& syllables,
                 int32_t ticksPerQuarter) {
  if (melody.empty()) return;
  const std::vector<TLeadLyric> lyrics = LyricsOf(syllables);
  const int32_t near = std::max(1, ticksPerQuarter / 8);
  std::size_t next = 0;  // the first note without a syllable that may take one
  for (std::size_t s = 0; s < syllables.size(); ++s) {
    if (lyrics[s].text.empty()) continue;
    const int64_t from = int64_t(syllables[s].tick) - near;
    auto it = std::lower_bound(melody.begin(), melody.end(), from,
                               [](const TLeadNote& n, int64_t t) { return n.tick < t; });
    std::size_t target = static_cast<std::size_t>(it - melody.begin());
    target = std::max(target, next);
    if (target >= melody.size()) {
      TLeadNote& tail = melody.back();
      if (!tail.lyric) tail.lyric = lyrics[s];
      else {
        tail.lyric->text += (tail.lyric->syllabic == TSyllabic::Single || tail.lyric->syllabic == TSyllabic::End)
                                ? " " + lyrics[s].text
                                : lyrics[s].text;
        tail.lyric->syllabic = lyrics[s].syllabic;
      }
      continue;
    }
    melody[target].lyric = lyrics[s];
    next = target + 1;
  }
}

// ---- Key, tempo, titles --------------------------------------------------------------------

std::optional<int> FileKeySignature(const TMidiSong& song) {
  for (int32_t t = 0; t < song.NumberOfTracks(); ++t)
    for (const TMidiEventEx& e : song.TrackAt(t).Events()) {
      if (e.Time > 0) break;
      if (e.Status == MidiStatus::Meta && e.Data1 == MidiMeta::KeySignature && e.Text().size() >= 1)
        return static_cast<int>(static_cast<int8_t>(e.Text()[0]));
    }
  return std::nullopt;
}

int32_t Bpm(int32_t microsecondsPerQuarter) {
  if (microsecondsPerQuarter <= 0) return 120;
  return static_cast<int32_t>((60000000LL + microsecondsPerQuarter / 2) / microsecondsPerQuarter);
}

std::vector<TAnalysisTimeSignature> TimeSignatures(const TMidiSong& song) {
  std::vector<TAnalysisTimeSignature> signatures;
  for (int32_t t = 0; t < song.NumberOfTracks(); ++t)
    for (const TMidiEventEx& e : song.TrackAt(t).Events())
      if (e.Status == MidiStatus::Meta && e.Data1 == MidiMeta::TimeSignature && e.Text().size() >= 2) {
        const auto* p = reinterpret_cast<const uint8_t*>(e.Text().data());
        signatures.push_back({e.Time, p[0], p[1] < 8 ? int32_t(1) << p[1] : 0});
      }
  std::stable_sort(signatures.begin(), signatures.end(),
                   [](const TAnalysisTimeSignature& a, const TAnalysisTimeSignature& b) { return a.tick < b.tick; });
  return signatures;
}

}  // namespace

int ChooseMelodyTrack(const TMidiSong& song, const std::vector<TAnalysisSyllable>& syllables) {
  const int32_t tpq = std::max(1, song.TicksPerQuarter());
  struct TCandidate {
    int track;
    std::vector<TRawNote> notes;
  };
  std::vector<TCandidate> candidates;
  for (int32_t t = 0; t < song.NumberOfTracks(); ++t) {
    const TMidiTrack& track = song.TrackAt(t);
    if (track.Muted()) continue;
    std::vector<TRawNote> notes = TrackNotes(track);
    if (!notes.empty()) candidates.push_back({t, std::move(notes)});
  }
  if (candidates.empty()) return -1;

  // A sung track starts a note at (or a little after) the syllables.
  if (!syllables.empty()) {
    const int32_t before = tpq / 16, after = tpq / 4;
    int best = -1;
    std::size_t bestHits = 0;
    for (const TCandidate& c : candidates) {
      std::size_t hits = 0;
      for (const TAnalysisSyllable& s : syllables) {
        auto it = std::lower_bound(c.notes.begin(), c.notes.end(), int64_t(s.tick) - before,
                                   [](const TRawNote& n, int64_t t) { return n.on < t; });
        if (it != c.notes.end() && it->on <= int64_t(s.tick) + after) ++hits;
      }
      if (hits > bestHits) {
        bestHits = hits;
        best = c.track;
      }
    }
    if (best >= 0 && bestHits * 2 >= syllables.size()) return best;
  }
  // Else the voice among the tracks: a line in a singing range with the most notes.
  const TCandidate* best = nullptr;
  bool bestVoice = false;
  for (const TCandidate& c : candidates) {
    const bool voice = VoiceLikeness(c.notes, tpq).Voice();
    if (!best || (voice && !bestVoice) || (voice == bestVoice && c.notes.size() > best->notes.size())) {
      best = &c;
      bestVoice = voice;
    }
  }
  return best->track;
}

TResult<TLeadSheet> LeadSheetOf(const TSongAnalysis& analysis) {
  const TMidiSong& song = analysis.Song();
  if (song.FileFormat() == TFileFormat::multi_asynch) return TError(Mes(MesId::SLeadSheetFormat2));
  const int32_t tpq = std::max(1, song.TicksPerQuarter());
  const TSongModel& model = analysis.model;
  const TCodePage codePage = CodePageFromNumber(analysis.request.text.textCodepage);
  const std::vector<TAnalysisSyllable> syllables = AnalysisLyrics(song, model.karaoke, codePage);

  TLeadSheet sheet;
  const int32_t asked = analysis.request.melodyTrack;
  if (asked < 0 || asked > song.NumberOfTracks()) return TError(MesFormat(MesId::SLeadSheetNoTrack, asked));
  sheet.melodyTrack = asked > 0 ? asked - 1 : ChooseMelodyTrack(song, syllables);

  std::vector<TRawNote> notes;
  if (sheet.melodyTrack >= 0) notes = TrackNotes(song.TrackAt(sheet.melodyTrack));

  // The sheet reaches past the last note, the last chord and the song's last event.
  int64_t endTick = song.SongLength();
  for (const TRawNote& n : notes) endTick = std::max<int64_t>(endTick, n.off);
  endTick = std::max<int64_t>(endTick, int64_t(model.beats.size()) * model.beatLength);
  const int64_t endDivision = (endTick * kQuarter + tpq - 1) / tpq;
  // A damaged file may claim a song of days at a few ticks a quarter: no one reads that score.
  if (endDivision / kQuarter > MaxLeadSheetQuarters)
    return TError(MesFormat(MesId::SLeadSheetTooLong, analysis.name, endDivision / kQuarter, MaxLeadSheetQuarters));
  sheet.measures = Measures(TimeSignatures(song), tpq, endDivision);
  // Nor one of bars a thirty-second long.
  if (sheet.measures.size() > MaxLeadSheetMeasures)
    return TError(MesFormat(MesId::SLeadSheetTooLong, analysis.name, endDivision / kQuarter, MaxLeadSheetQuarters));

  std::vector<int32_t> onsets;
  onsets.reserve(notes.size());
  for (const TRawNote& n : notes) onsets.push_back(n.on);
  const TGrid grid(sheet.measures, tpq, std::move(onsets));
  sheet.melody = TopLine(notes, grid);
  PlaceLyrics(sheet.melody, syllables, tpq);

  // The key after the transposition, in the file's own spelling where it names the same key.
  if (const std::optional<TKeyWithMode> key = KeyWithMode(model.key, model.transposition)) {
    const int major = key->minor ? PitchClass(key->tonic + 3) : key->tonic;
    sheet.key = KeySpellingOf(major, key->minor, model.transposition == 0 ? FileKeySignature(song) : std::nullopt);
  }

  // A chord symbol where the chord changes; beats without a chord leave the last one standing.
  std::optional<TChord> previous;
  for (std::size_t b = 0; b < model.beats.size(); ++b) {
    const std::optional<TChord> chord = model.ChosenChord(static_cast<int>(b));
    if (!chord || (previous && SameChord(*previous, *chord))) continue;
    previous = chord;
    const int64_t tick = int64_t(b) * model.beatLength;
    sheet.harmonies.push_back({grid.Quantise(static_cast<int32_t>(std::min<int64_t>(tick, INT32_MAX))), *chord,
                               static_cast<int32_t>(b)});
  }

  // The tempo at the start, then each change to another whole number of beats per minute.
  sheet.tempos.push_back({0, Bpm(song.TempoAtTick(0).Tempo)});
  for (const TempoEntry& t : song.TempoMap()) {
    if (t.Tick <= 0) continue;
    const TLeadTempo mark{grid.Quantise(t.Tick), Bpm(t.Tempo)};
    if (mark.position == sheet.tempos.back().position) sheet.tempos.back().bpm = mark.bpm;
    else sheet.tempos.push_back(mark);
    // Equal neighbours say nothing new.
    if (sheet.tempos.size() >= 2 && sheet.tempos[sheet.tempos.size() - 2].bpm == sheet.tempos.back().bpm)
      sheet.tempos.pop_back();
  }

  // Title, credits and copyright as the chord text reads them from the file's texts.
  TChordTextInput input = ChordTextInputOf(analysis);
  input.dateTime = "-";
  const TChordText text = BuildChordText(song, input);
  sheet.title = text.title1;
  sheet.subtitle = text.title2;
  for (const TCredit& c : text.credits)
    sheet.creators.emplace_back(c.role == TCreditRole::Composer   ? "composer"
                                : c.role == TCreditRole::Lyricist ? "lyricist"
                                                                  : "artist",
                                c.name);
  sheet.rights = text.copyright;
  if (sheet.melodyTrack >= 0) {
    // The channel of its first note and the program last set on that channel before it.
    const TMidiTrack& track = song.TrackAt(sheet.melodyTrack);
    std::map<int, int> programs;
    for (const TMidiEventEx& e : track.Events()) {
      if (!IsMidiChannelMessage(e.Status) || MidiChannel(e.Status) == MidiPercussionChannel) continue;
      if (MidiKind(e.Status) == MidiStatus::ProgramChange) programs[MidiChannel(e.Status)] = e.Data1;
      if (MidiKind(e.Status) == MidiStatus::NoteOn && e.Data2 > 0) {
        sheet.channel = MidiChannel(e.Status);
        sheet.program = programs.count(sheet.channel) ? programs[sheet.channel] : 0;
        break;
      }
    }
    const std::string& name = track.Name();
    sheet.partName = MidiTextsAreUtf8(song) ? DecodeMidiText(name, codePage) : DecodeCodePage(name, codePage);
  }
  return sheet;
}
