#include "export/MusicXmlWriter.h"

#include <pugixml.hpp>

#include <algorithm>
#include <sstream>

namespace {

constexpr int32_t kQuarter = LeadSheetDivisions;

int PitchClass(int pitch) { return ((pitch % 12) + 12) % 12; }

constexpr const char* kSteps = "CDEFGAB";

// ---- Note values ---------------------------------------------------------------------------

struct TNoteValue {
  int32_t duration;
  const char* type;
  int dots;
  bool triplet;  // an eighth or quarter of a triplet: three in the time of two
};

// Longest first, so a stretch is cut into as few values as it can be.
constexpr TNoteValue kValues[] = {
    {144, "whole", 1, false}, {96, "whole", 0, false},  {72, "half", 1, false},  {48, "half", 0, false},
    {36, "quarter", 1, false}, {24, "quarter", 0, false}, {18, "eighth", 1, false}, {16, "quarter", 0, true},
    {12, "eighth", 0, false},  {9, "16th", 1, false},     {8, "eighth", 0, true},    {6, "16th", 0, false},
    {3, "32nd", 0, false},
};

struct TPiece {
  int32_t start = 0;  // within the measure
  const TNoteValue* value = nullptr;
  int32_t duration = 0;
};

// Cuts a stretch of a measure into written values: a value of a beat or longer starts on a
// beat, a shorter one stays inside its beat, and a triplet value only in a whole beat.
std::vector<TPiece> Pieces(int32_t from, int32_t to, int32_t measureLength) {
  std::vector<TPiece> pieces;
  int32_t p = from;
  while (p < to) {
    const TNoteValue* chosen = nullptr;
    for (const TNoteValue& v : kValues) {
      if (p + v.duration > to) continue;
      const int32_t inBeat = p % kQuarter;
      if (v.duration >= kQuarter) {
        if (inBeat != 0) continue;
      } else {
        if (inBeat + v.duration > kQuarter) continue;
        if (v.triplet && (inBeat % 8 != 0 || p - inBeat + kQuarter > measureLength)) continue;
        if (!v.triplet && inBeat % 3 != 0) continue;
      }
      chosen = &v;
      break;
    }
    // Off every grid (which the quantiser never gives): the rest of the stretch as one value,
    // so the measure still adds up.
    const int32_t duration = chosen ? chosen->duration : to - p;
    pieces.push_back({p, chosen ? chosen : &kValues[std::size(kValues) - 1], duration});
    p += duration;
  }
  return pieces;
}

// ---- Harmony -------------------------------------------------------------------------------

// The written name of a pitch class in the key.
void AppendStepAlter(pugi::xml_node parent, const char* stepName, const char* alterName, int pitchClass,
                     const TKeySpelling& key) {
  const TSpelledNote n = SpellPitchClass(pitchClass, key);
  parent.append_child(stepName).text().set(std::string(1, kSteps[n.step]).c_str());
  if (n.alter != 0) parent.append_child(alterName).text().set(n.alter);
}

void AppendHarmony(pugi::xml_node measure, const TLeadHarmony& h, int32_t offset, const TLeadSheet& sheet) {
  TChord c = h.chord;
  pugi::xml_node harmony = measure.append_child("harmony");
  harmony.append_attribute("print-frame") = "no";
  const int root = PitchClass(c.BasePitch + c.RootOffset);
  const int bass = PitchClass(c.BasePitch + c.BassOffset);
  AppendStepAlter(harmony.append_child("root"), "root-step", "root-alter", root, sheet.key);
  const TXmlHarmonyKind kind = MusicXmlHarmonyKind(c);
  pugi::xml_node k = harmony.append_child("kind");
  k.append_attribute("text") = MusicXmlKindText(c).c_str();
  k.text().set(kind.kind.c_str());
  if (bass != root) AppendStepAlter(harmony.append_child("bass"), "bass-step", "bass-alter", bass, sheet.key);
  for (const TXmlDegree& d : kind.degrees) {
    pugi::xml_node degree = harmony.append_child("degree");
    degree.append_child("degree-value").text().set(d.value);
    degree.append_child("degree-alter").text().set(d.alter);
    degree.append_child("degree-type").text().set(d.type.c_str());
  }
  if (offset > 0) harmony.append_child("offset").text().set(offset);
}

void AppendTempo(pugi::xml_node measure, int32_t bpm, int32_t offset) {
  pugi::xml_node direction = measure.append_child("direction");
  direction.append_attribute("placement") = "above";
  pugi::xml_node metronome = direction.append_child("direction-type").append_child("metronome");
  metronome.append_child("beat-unit").text().set("quarter");
  metronome.append_child("per-minute").text().set(bpm);
  if (offset > 0) direction.append_child("offset").text().set(offset);
  direction.append_child("sound").append_attribute("tempo") = bpm;
}

// ---- Measures ------------------------------------------------------------------------------

// What fills a measure, in order: notes (a piece of the melody, maybe tied on) and rests.
struct TSlot {
  int32_t start = 0;  // within the measure
  int32_t end = 0;
  const TLeadNote* note = nullptr;  // none: a rest
  bool tiedFromBefore = false;
  bool tiedOn = false;
};

const char* SyllabicName(TSyllabic s) {
  switch (s) {
    case TSyllabic::Begin: return "begin";
    case TSyllabic::Middle: return "middle";
    case TSyllabic::End: return "end";
    default: return "single";
  }
}

class TMeasureWriter {
 public:
  TMeasureWriter(const TLeadSheet& sheet, pugi::xml_node part) : sheet_(sheet), part_(part) {}

  void Write(std::size_t index) {
    const TLeadMeasure& m = sheet_.measures[index];
    pugi::xml_node measure = part_.append_child("measure");
    measure.append_attribute("number") = static_cast<int>(index + 1);
    WriteAttributes(measure, index);

    // Where chord symbols and tempo marks stand, within the measure.
    std::vector<int32_t> marks;
    auto inMeasure = [&m](int32_t p) { return p >= m.start && p < m.start + m.length; };
    for (const TLeadHarmony& h : sheet_.harmonies)
      if (inMeasure(h.position)) marks.push_back(h.position - m.start);
    for (const TLeadTempo& t : sheet_.tempos)
      if (inMeasure(t.position)) marks.push_back(t.position - m.start);

    const std::vector<TSlot> slots = Slots(m, marks);
    const bool silent = slots.size() == 1 && !slots[0].note &&
                        std::all_of(marks.begin(), marks.end(), [](int32_t mark) { return mark == 0; });
    if (silent) {
      // A measure without a note is one rest, whatever its time signature.
      WriteMarks(measure, m, 0, m.length);
      WriteRest(measure, m.length, true);
    } else {
      for (const TSlot& slot : slots) WriteSlot(measure, m, slot);
    }
    if (index + 1 == sheet_.measures.size()) {
      pugi::xml_node barline = measure.append_child("barline");
      barline.append_attribute("location") = "right";
      barline.append_child("bar-style").text().set("light-heavy");
    }
  }

 private:
  void WriteAttributes(pugi::xml_node measure, std::size_t index) {
    const TLeadMeasure& m = sheet_.measures[index];
    const bool first = index == 0;
    const bool timeChanges = first || sheet_.measures[index - 1].numerator != m.numerator ||
                             sheet_.measures[index - 1].denominator != m.denominator;
    if (!first && !timeChanges) return;
    pugi::xml_node attributes = measure.append_child("attributes");
    if (first) {
      attributes.append_child("divisions").text().set(kQuarter);
      pugi::xml_node key = attributes.append_child("key");
      key.append_child("fifths").text().set(sheet_.key.fifths);
      key.append_child("mode").text().set(sheet_.key.minor ? "minor" : "major");
    }
    pugi::xml_node time = attributes.append_child("time");
    time.append_child("beats").text().set(m.numerator);
    time.append_child("beat-type").text().set(m.denominator);
    if (first) {
      pugi::xml_node clef = attributes.append_child("clef");
      clef.append_child("sign").text().set(LowMelody() ? "F" : "G");
      clef.append_child("line").text().set(LowMelody() ? 4 : 2);
    }
  }

  bool LowMelody() const {
    if (sheet_.melody.empty()) return false;
    std::vector<int> pitches;
    for (const TLeadNote& n : sheet_.melody) pitches.push_back(n.pitch);
    std::nth_element(pitches.begin(), pitches.begin() + static_cast<long>(pitches.size() / 2), pitches.end());
    return pitches[pitches.size() / 2] < 55;
  }

  // The notes sounding in the measure and the rests between them; a rest is cut where a chord
  // symbol or tempo mark stands, so the mark has a rest of its own to stand over.
  std::vector<TSlot> Slots(const TLeadMeasure& m, std::vector<int32_t> marks) {
    std::vector<TSlot> slots;
    const int32_t end = m.start + m.length;
    while (note_ < sheet_.melody.size() && sheet_.melody[note_].end <= m.start) ++note_;
    int32_t p = m.start;
    std::sort(marks.begin(), marks.end());
    auto addRest = [&](int32_t from, int32_t to) {
      for (int32_t mark : marks) {
        const int32_t at = m.start + mark;
        if (at > from && at < to) {
          slots.push_back({from - m.start, at - m.start});
          from = at;
        }
      }
      if (to > from) slots.push_back({from - m.start, to - m.start});
    };
    for (std::size_t i = note_; i < sheet_.melody.size() && sheet_.melody[i].start < end; ++i) {
      const TLeadNote& n = sheet_.melody[i];
      const int32_t from = std::max(n.start, m.start), to = std::min(n.end, end);
      if (from > p) addRest(p, from);
      slots.push_back({from - m.start, to - m.start, &n, n.start < m.start, n.end > end});
      p = to;
    }
    if (p < end) addRest(p, end);
    return slots;
  }

  void WriteRest(pugi::xml_node measure, int32_t duration, bool wholeMeasure) {
    pugi::xml_node note = measure.append_child("note");
    pugi::xml_node rest = note.append_child("rest");
    if (wholeMeasure) rest.append_attribute("measure") = "yes";
    note.append_child("duration").text().set(duration);
    note.append_child("voice").text().set(1);
  }

  // The marks that stand from `from` up to `to`, each before the note it belongs to; a mark
  // inside a note says how far after the note's start it stands.
  void WriteMarks(pugi::xml_node measure, const TLeadMeasure& m, int32_t from, int32_t to) {
    for (const TLeadTempo& t : sheet_.tempos) {
      const int32_t at = t.position - m.start;
      if (at >= from && at < to) AppendTempo(measure, t.bpm, at - from);
    }
    for (const TLeadHarmony& h : sheet_.harmonies) {
      const int32_t at = h.position - m.start;
      if (at >= from && at < to) AppendHarmony(measure, h, at - from, sheet_);
    }
  }

  void WriteSlot(pugi::xml_node measure, const TLeadMeasure& m, const TSlot& slot) {
    const std::vector<TPiece> pieces = Pieces(slot.start, slot.end, m.length);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      const TPiece& piece = pieces[i];
      WriteMarks(measure, m, piece.start, piece.start + piece.duration);
      pugi::xml_node note = measure.append_child("note");
      const bool tieBack = slot.note && (i > 0 || slot.tiedFromBefore);
      const bool tieOn = slot.note && (i + 1 < pieces.size() || slot.tiedOn);
      if (slot.note) {
        const TSpelledNote spelled = SpellPitchClass(PitchClass(slot.note->pitch), sheet_.key);
        pugi::xml_node pitch = note.append_child("pitch");
        pitch.append_child("step").text().set(std::string(1, kSteps[spelled.step]).c_str());
        if (spelled.alter != 0) pitch.append_child("alter").text().set(spelled.alter);
        // B#3 sounds as C4 and Cb4 as B3: the octave is the written letter's.
        const int natural = slot.note->pitch - spelled.alter;
        pitch.append_child("octave").text().set(natural / 12 - 1);
      } else {
        note.append_child("rest");
      }
      note.append_child("duration").text().set(piece.duration);
      if (tieBack) note.append_child("tie").append_attribute("type") = "stop";
      if (tieOn) note.append_child("tie").append_attribute("type") = "start";
      note.append_child("voice").text().set(1);
      note.append_child("type").text().set(piece.value->type);
      for (int d = 0; d < piece.value->dots; ++d) note.append_child("dot");
      pugi::xml_node notations;
      auto notationsNode = [&]() {
        if (!notations) notations = note.append_child("notations");
        return notations;
      };
      if (piece.value->triplet) {
        pugi::xml_node tm = note.append_child("time-modification");
        tm.append_child("actual-notes").text().set(3);
        tm.append_child("normal-notes").text().set(2);
        // The bracket spans the triplets of one beat.
        const int32_t inBeat = piece.start % kQuarter;
        if (inBeat == 0) notationsNode().append_child("tuplet").append_attribute("type") = "start";
        if (inBeat + piece.duration == kQuarter) notationsNode().append_child("tuplet").append_attribute("type") = "stop";
      }
      if (tieBack) notationsNode().append_child("tied").append_attribute("type") = "stop";
      if (tieOn) notationsNode().append_child("tied").append_attribute("type") = "start";
      if (slot.note && slot.note->lyric && !tieBack && !slot.note->lyric->text.empty()) {
        pugi::xml_node lyric = note.append_child("lyric");
        lyric.append_attribute("number") = "1";
        lyric.append_child("syllabic").text().set(SyllabicName(slot.note->lyric->syllabic));
        lyric.append_child("text").text().set(slot.note->lyric->text.c_str());
      }
    }
  }

  const TLeadSheet& sheet_;
  pugi::xml_node part_;
  std::size_t note_ = 0;  // the first melody note that may still sound
};

}  // namespace

TXmlHarmonyKind MusicXmlHarmonyKind(const TChord& chord) {
  TXmlHarmonyKind k;
  const int type = chord.ChordType;
  const bool added = chord.AddFlag != 0;
  const int extension = chord.Extension <= 3 ? chord.Extension : 0;  // 1 ninth, 2 eleventh, 3 thirteenth
  const int extensionDegree = extension == 0 ? 0 : 7 + 2 * extension;
  // Triads without a seventh of their own take it with an extension that is not added ("C9").
  const bool seventhFromExtension = extension != 0 && !added;
  bool extensionInKind = false;
  auto stacked = [&](const char* ninth, const char* eleventh, const char* thirteenth, const char* plain) {
    if (seventhFromExtension && chord.ExtensionAlteration == 0) {
      extensionInKind = true;
      return std::string(extension == 1 ? ninth : extension == 2 ? eleventh : thirteenth);
    }
    return std::string(plain);
  };
  bool addSeventh = false;
  switch (type) {
    case 0: k.kind = stacked("dominant-ninth", "dominant-11th", "dominant-13th", "major"); break;
    case 1: k.kind = stacked("minor-ninth", "minor-11th", "minor-13th", "minor"); break;
    case 2: k.kind = stacked("dominant-ninth", "dominant-11th", "dominant-13th", "dominant"); break;
    case 3: k.kind = stacked("minor-ninth", "minor-11th", "minor-13th", "minor-seventh"); break;
    case 4: k.kind = stacked("major-ninth", "major-11th", "major-13th", "major-seventh"); break;
    case 5: k.kind = "major-minor"; break;
    case 6: k.kind = "major-sixth"; break;
    case 7: k.kind = "minor-sixth"; break;
    case 8: k.kind = "suspended-second"; addSeventh = seventhFromExtension; break;
    case 9: k.kind = "suspended-fourth"; addSeventh = seventhFromExtension; break;
    case 10: k.kind = "suspended-second"; addSeventh = true; break;
    case 11: k.kind = "suspended-fourth"; addSeventh = true; break;
    case 12: k.kind = "diminished-seventh"; break;
    case 13: k.kind = "augmented"; break;
    case 14: k.kind = "power"; break;
    default: k.kind = "none"; break;
  }
  // A seventh that the kind alone has not (the minor seventh of a suspended chord, the one a
  // plain triad takes with an altered extension).
  if ((type == 0 || type == 1) && seventhFromExtension && !extensionInKind) addSeventh = true;
  if (addSeventh) k.degrees.push_back({7, 0, "add"});
  if (chord.FifthAlteration != 0) k.degrees.push_back({5, chord.FifthAlteration, "alter"});
  if (extension != 0 && !extensionInKind) {
    // A stacked extension brings the ones below it (a thirteenth chord its ninth), an added one
    // comes alone.
    if (!added)
      for (int lower = 9; lower < extensionDegree; lower += 2) {
        const int alter = lower == 9 ? chord.NinthAlteration : chord.EleventhAlteration;
        k.degrees.push_back({lower, alter, "add"});
      }
    k.degrees.push_back({extensionDegree, chord.ExtensionAlteration, "add"});
  }
  // Alterations of tones the kind brings (the ninth of a thirteenth chord).
  const bool ninthSounds = extension != 0 && (!added || extension == 1);
  const bool eleventhSounds = extension >= 2 && (!added || extension == 2);
  auto alreadyAdded = [&](int value) {
    return std::any_of(k.degrees.begin(), k.degrees.end(), [value](const TXmlDegree& d) { return d.value == value; });
  };
  if (chord.NinthAlteration != 0 && ninthSounds && !alreadyAdded(9)) k.degrees.push_back({9, chord.NinthAlteration, "alter"});
  if (chord.EleventhAlteration != 0 && eleventhSounds && !alreadyAdded(11))
    k.degrees.push_back({11, chord.EleventhAlteration, "alter"});
  return k;
}

std::string MusicXmlKindText(const TChord& chord) {
  // The name without root and bass: the same name built with both left empty, then the
  // slash that led to the bass taken off.
  std::string text = ChordNameWithNotes(chord, "", "");
  if (PitchClass(chord.RootOffset) != PitchClass(chord.BassOffset) && !text.empty() && text.back() == '/')
    text.pop_back();
  return text;
}

std::string MusicXmlOf(const TLeadSheet& sheet, const std::string& partName) {
  pugi::xml_document doc;
  pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";
  declaration.append_attribute("standalone") = "no";
  doc.append_child(pugi::node_doctype)
      .set_value(
          "score-partwise PUBLIC \"-//Recordare//DTD MusicXML 3.1 Partwise//EN\" "
          "\"http://www.musicxml.org/dtds/partwise.dtd\"");
  pugi::xml_node score = doc.append_child("score-partwise");
  score.append_attribute("version") = "3.1";
  if (!sheet.title.empty()) {
    score.append_child("work").append_child("work-title").text().set(sheet.title.c_str());
    score.append_child("movement-title").text().set(sheet.title.c_str());
  }
  pugi::xml_node identification = score.append_child("identification");
  for (const auto& [role, name] : sheet.creators) {
    pugi::xml_node creator = identification.append_child("creator");
    creator.append_attribute("type") = role.c_str();
    creator.text().set(name.c_str());
  }
  if (!sheet.subtitle.empty() && sheet.creators.empty()) {
    pugi::xml_node creator = identification.append_child("creator");
    creator.append_attribute("type") = "artist";
    creator.text().set(sheet.subtitle.c_str());
  }
  if (!sheet.rights.empty()) identification.append_child("rights").text().set(sheet.rights.c_str());
  identification.append_child("encoding").append_child("software").text().set("Cantaro");

  pugi::xml_node scorePart = score.append_child("part-list").append_child("score-part");
  scorePart.append_attribute("id") = "P1";
  const std::string name = sheet.partName.empty() ? partName : sheet.partName;
  scorePart.append_child("part-name").text().set(name.c_str());
  // The sound the melody had in the song, so a notation program plays it back alike.
  pugi::xml_node instrument = scorePart.append_child("score-instrument");
  instrument.append_attribute("id") = "P1-I1";
  instrument.append_child("instrument-name").text().set(name.c_str());
  pugi::xml_node midi = scorePart.append_child("midi-instrument");
  midi.append_attribute("id") = "P1-I1";
  midi.append_child("midi-channel").text().set(sheet.channel + 1);
  midi.append_child("midi-program").text().set(sheet.program + 1);

  pugi::xml_node part = score.append_child("part");
  part.append_attribute("id") = "P1";
  TMeasureWriter writer(sheet, part);
  for (std::size_t m = 0; m < sheet.measures.size(); ++m) writer.Write(m);

  std::ostringstream out;
  doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}
