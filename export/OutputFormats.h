#pragma once
// The output formats, one table for the command line's parser and help, the batch and the
// window's Export dialog: each row names a format, its files' extension, its label and its
// writer over a song's analysis (export/SongAnalysis.h). A new format is a row and a writer.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "base/untMesConst.h"
#include "export/SongAnalysis.h"

// What a writer made: the bytes and notices about them (a shared channel, ...).
struct TFormatOutput {
  std::string bytes;
  std::vector<std::string> messages;
};

// What a writer made, or why it could not (a format 2 song as MIDI).
using TFormatWriter = TResult<TFormatOutput> (*)(const TSongAnalysis& analysis);

struct TOutputFormat {
  std::string_view name;       // as --format takes it
  std::string_view extension;  // of its files, with the dot
  MesId label;                 // the Export dialog's entry and the help's line
  TFormatWriter write;
  bool inWindow = true;        // offered by the window's Export dialog
  bool oneStream = false;      // every song of a batch goes into one output (JSON Lines)
  bool batchOnly = false;      // one song in this format is still exported as a batch
};

// Every format, the plain text first (the default).
std::span<const TOutputFormat> OutputFormats();
// The format of a name (letter case ignored); null when there is none.
const TOutputFormat* FindOutputFormat(std::string_view name);
// The plain chord text, the default format.
const TOutputFormat& DefaultOutputFormat();

// The chord text's builder input for an analysis: each beat's chord as the model has it,
// named in the request's notation, the key named with its mode.
TChordTextInput ChordTextInputOf(const TSongAnalysis& analysis);
