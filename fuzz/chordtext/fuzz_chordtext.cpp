// Any MIDI file through the lyrics-with-chords text: the reader, the silent replay, the code
// page decoding of its texts, the ChordPro form. Nothing may crash, and every text that comes
// out must be valid UTF-8 whatever bytes the file carried.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "export/ChordText.h"
#include "export/ChordTextForms.h"
#include "export/CodePage.h"
#include "midi/MidiFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // The first byte picks the options; the rest is the file.
  const uint8_t flags = data[0];
  TMidiFile engine;
  try {
    engine.LoadFromBytes(data + 1, size - 1);
  } catch (...) {
  }
  TChordTextInput input;
  input.beatLength = 1 + (flags & 0x0F) * 60;
  input.karaoke = flags & 0x10;
  input.commExport = flags & 0x20;
  input.codePage = static_cast<TCodePage>((flags >> 6) % 3);
  input.key = (flags & 0x0F) % 13 - 1;
  input.transposition = (flags >> 4) - 8;
  input.dateTime = "d t";
  const int64_t beats = std::min<int64_t>(engine.SongLength() / input.beatLength + 1, 4096);
  for (int64_t b = 0; b < beats; ++b) input.cells.push_back(b % 3 == 0 ? "" : b % 3 == 1 ? "Am" : "?");
  const TChordText text = BuildChordText(engine, input);
  for (const std::string& line : text.Lines())
    if (!IsValidUtf8(line)) std::abort();
  if (!IsValidUtf8(ChordProString(text))) std::abort();
  return 0;
}
