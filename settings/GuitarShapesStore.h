#pragma once
// The guitar shapes of the chord diagrams: the file the program ships, with the user's own
// file of the same name in the settings folder over it (its shapes take the place of the
// shipped ones for the same chords). Read by the window and the command line, handed on as a
// value.

#include <memory>
#include <string>
#include <vector>

#include "chords/GuitarShapes.h"

inline constexpr const char* GuitarShapesFileName = "chord-shapes.txt";

struct TGuitarShapesLoad {
  std::shared_ptr<const TGuitarShapes> Shapes;  // always there; without any file: empty
  // Each skipped line (file, line number, what is wrong) and each file that could not be
  // read, for the user.
  std::vector<std::string> Problems;
};

// Reads the shipped file from the first folder that holds it, then `userFile` when it exists.
TGuitarShapesLoad LoadGuitarShapes(const std::vector<std::string>& folders, const std::string& userFile);

// The shipped shapes (the data folders of the chord model) under the user's file in the
// settings folder.
TGuitarShapesLoad LoadGuitarShapes();

// What is wrong with a line of a shapes file, for the user.
std::string ShapeProblemText(const std::string& path, const TShapeProblem& problem);
