#pragma once
// The learned chord model the program ships: found in the data folders and read by whoever
// analyses songs (the window, the command line, the batch), which hands it on as a value.

#include <memory>
#include <string>
#include <vector>

#include "chords/ChordModel.h"

inline constexpr const char* ChordModelFileName = "chord-model.txt";

struct TChordModelLoad {
  std::shared_ptr<const TChordModel> Model;  // none: the file is missing or damaged
  std::string Path;                          // the file read (or the first one looked for)
  std::string Problem;                       // why there is no model, for the user; empty with one
};

// Reads the model from the first of the folders that holds its file. A missing file, one that
// cannot be read and a damaged one are named in Problem (the folders looked in, or the file
// and what is wrong with it).
TChordModelLoad LoadChordModel(const std::vector<std::string>& folders);

// The folders the program looks in, in order: the data folder of its layout
// (settings/DataFolders.h), then the program's own folder.
std::vector<std::string> ChordModelFolders();
