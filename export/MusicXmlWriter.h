#pragma once
// The lead sheet (LeadSheet.h) as a MusicXML 3.1 score (partwise, uncompressed), the exchange
// format notation programs read: one part with the melody, its lyrics and the chord symbols,
// the key signature, the time signatures and the tempo marks. The document is built as a tree
// by an XML library and serialised by it, so every text is escaped as XML wants.

#include <string>
#include <vector>

#include "chords/untChords.h"
#include "export/LeadSheet.h"

// A chord symbol's kind as MusicXML names it ("major", "minor-seventh", "dominant-ninth", ...)
// with the degrees that the kind alone does not say: tones added, altered or (for a fifth)
// left out.
struct TXmlDegree {
  int value = 0;  // 5, 7, 9, 11, 13
  int alter = 0;  // semitones
  std::string type;  // "add", "alter", "subtract"
  bool operator==(const TXmlDegree&) const = default;
};

struct TXmlHarmonyKind {
  std::string kind;
  std::vector<TXmlDegree> degrees;
};

TXmlHarmonyKind MusicXmlHarmonyKind(const TChord& chord);

// The text of a chord's kind attribute: its name as the program writes it after the root, the
// bass left off ("m7", "7sus4", "add9"), since notation programs print the root and bass
// themselves.
std::string MusicXmlKindText(const TChord& chord);

// The whole score. partName: the part's name when the melody's track has none.
std::string MusicXmlOf(const TLeadSheet& sheet, const std::string& partName);
