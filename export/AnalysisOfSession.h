#pragma once
// Fills the plain analysis document (AnalysisDocument.h) from a song's analysis: the song's
// tracks, tempo map and texts, the beats with their chosen chord and variants, the key named
// with its mode and the detector's evidence, and the lyrics with their times.

#include <string>
#include <vector>

#include "chords/untChords.h"
#include "export/AnalysisDocument.h"
#include "export/CodePage.h"
#include "export/SongAnalysis.h"

class TMidiSong;
class TSongSession;

// The song as it stands in a session goes in through SongAnalysisOf.
TAnalysisDocument AnalysisDocumentOf(const TSongAnalysis& analysis);

// A chord's parts, its names in the given notation.
TAnalysisChord AnalysisChord(const TChord& chord, NoteNotation notation,
                             const std::optional<TKeySpelling>& key = std::nullopt);

// The lyrics as syllables with their marks: the text events of track 2 of a karaoke song,
// the lyric events of any track otherwise; texts at tick 0 and "@" texts are header
// information and are left out.
std::vector<TAnalysisSyllable> AnalysisLyrics(const TMidiSong& song, bool karaoke, TCodePage codePage);
