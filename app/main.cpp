// cantaro: the chords of a song from its MIDI or karaoke file.
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"

int main(int argc, char** argv) {
  // Dates in the signature of an exported text follow the user's locale.
  std::setlocale(LC_TIME, "");
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunCommandLine(args, std::cout, std::cerr);
}
