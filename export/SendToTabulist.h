#pragma once
// Hands the lyrics-with-chords text to the chord-text editor: finds or starts the editor,
// writes the text as TEMP.$$$ into the hand-off folder, has the editor take it, removes the
// file and brings the editor to the front. The hand-off folder is the editor's own for a copy
// that keeps its files beside itself ("INI/" there: a build or a portable copy) and the user's
// runtime folder for an installed copy (settings/DataFolders.h), created with mode 0700; the
// file is written with mode 0600 and renamed into place. Every wait is bounded, so a missing or silent
// editor ends in a message box instead of a program that no longer answers.

#include <string>
#include <vector>

class Prompter;
class TTabulistPeer;

enum class TSendResult {
  Sent,             // the editor took the text
  NoEditorProgram,  // the editor is not running and its program file is missing
  StartFailed,      // the editor could not be started
  NoEditorWindow,   // started, but it did not show up in time
  NoAnswer,         // it did not take the text in time
  ForeignEditor,    // a program of another user holds the editor's name: nothing is handed over
};

struct TSendOptions {
  int windowWaitMs = 10000;  // for the editor to appear after it was started
  int answerWaitMs = 10000;  // for the editor to take the text
  int pollMs = 100;          // pause between two looks
};

// pathTabulist: the setting with the editor's folder (ending in a separator, empty: not set).
// When the editor has to be started and the setting is empty, it becomes programFolder (the
// folder of this program, where the editor is built and installed) and keeps that value.
// File errors (TEMP.$$$ not written or not deleted) are thrown as std::runtime_error.
TSendResult SendToTabulist(const std::vector<std::string>& lines, std::string& pathTabulist,
                           const std::string& programFolder, TTabulistPeer& peer, Prompter& prompter,
                           const TSendOptions& options = {});

// The program file and the hand-off file inside an editor folder (a missing trailing
// separator is supplied).
std::string TabulistProgramFile(const std::string& folder);
std::string TabulistHandoffFile(const std::string& folder);
// The folder of the hand-off file for the editor in editorFolder.
std::string HandoffFolderOf(const std::string& editorFolder);

// The hand-off file's content: every line followed by CR LF.
std::string HandoffFileContent(const std::vector<std::string>& lines);
