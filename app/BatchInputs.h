#pragma once
// What a batch export works through: the songs named on the command line and found in the
// folders named (recursively, .mid, .midi and .kar in any letter case), each with the path of
// its result under the output folder, and the songs whose result another song already
// takes.

#include <filesystem>
#include <string>
#include <vector>

struct TBatchItem {
  std::filesystem::path input;   // the song as found
  std::string name;              // how messages name it: the folder given and the path below it, or as given
  std::filesystem::path relative;  // below the folder given; a song named directly: its file name
  std::filesystem::path output;  // empty: the result goes to the shared stream (JSON Lines)
  std::string skip;              // not empty: why the song is skipped (the message text)
};

struct TBatchInputs {
  std::vector<TBatchItem> items;
  std::vector<std::string> errors;  // folders that could not be searched, with the reason
  bool fromFolder = false;          // some input was a folder
};

// True for the song file extensions, in any letter case.
bool IsSongFileName(const std::filesystem::path& path);

// Lists the songs of the inputs: a folder gives its songs in name order, recursively (the
// folder `skipFolder`, where the results go, is not searched); anything else is taken as a
// song file, so that a missing file is reported when it is read.
TBatchInputs CollectBatchInputs(const std::vector<std::string>& inputs, const std::filesystem::path& skipFolder = {});

// The result of every song under outputFolder: its path relative to the folder it was found in
// (a song named directly: its file name), with the extension replaced. A second song whose
// result would land on the same path, and a song whose result would replace the song itself,
// are marked skipped.
void MapBatchOutputs(std::vector<TBatchItem>& items, const std::filesystem::path& outputFolder,
                     const std::string& extension);
