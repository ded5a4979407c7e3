#pragma once
// Where the program finds the files it ships with (the settings file that carries the chord
// table, the translations, the logo, the example songs and the manual), and where a text handed
// to the chord-text editor is put. Both are decided by the layout around the program file, never
// by permissions:
//
//  1. installed: "<program folder>/../share/cantaro/" exists (a package or `cmake --install`);
//     the manual is "../share/doc/cantaro/manual/" (a folder per language);
//  2. build tree: the program folder is the "bin" folder of a CMake build ("../CMakeCache.txt"
//     exists); the shipped files lie beside the program, the example songs in the source folder
//     the build was configured from;
//  3. portable copy: "INI/" lies beside the program; everything lies beside the program.
//
// Without any of them the installed layout is assumed and the folder looked for is reported,
// so the program can say which folder is missing and go on with its built-in defaults.

#include <string>

enum class TDataLayout { Installed, BuildTree, Portable };

struct TDataFolders {
  TDataLayout Layout = TDataLayout::Installed;
  std::string Data;      // the shipped files: INI/cantaro.ini, cantaro.<code>, the logo; ends in "/"
  std::string Examples;  // the example songs; ends in "/"
  std::string Manual;    // the manual's folder, a folder per language in it ("en/index.html"); ends in "/"
  // Empty when the shipped settings file was found; otherwise the folder that should have held
  // it (missing or damaged), for the message that names it.
  std::string Problem;
};

// The folders for a program in programFolder (with or without a trailing "/").
TDataFolders FindDataFolders(const std::string& programFolder);

// The shipped settings file inside a data folder.
std::string ShippedSettingsPath(const TDataFolders& folders);

// True when a copy in programFolder keeps its own files beside itself (a build tree or a
// portable copy: "INI/" is there), false for an installed copy.
bool KeepsFilesBesideProgram(const std::string& programFolder);

// The per-user folder for short-lived files handed between the program and the editor:
// "$XDG_RUNTIME_DIR/cantaro/" when that variable names an absolute folder, else
// "$XDG_CACHE_HOME/cantaro/", else "$HOME/.cache/cantaro/". Empty when none can be named.
std::string UserRuntimeFolder();

// The folder of the hand-off file for an editor in editorFolder: the editor's own folder for a
// copy that keeps its files beside itself, the per-user folder otherwise.
std::string HandoffFolderFor(const std::string& editorFolder);
