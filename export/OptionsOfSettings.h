#pragma once
// The one place where the user's settings become what the core takes: the song's analysis
// options and the written text's options. The window and the command line each own a settings
// object and hand it here; nothing below reads settings of its own.

#include "export/WriteText.h"
#include "settings/untVars.h"
#include "song/SongModel.h"

// The key-aware choice and its continuity, the key-aware table and the notation.
TSongOptions SongOptionsOf(const TSettings& settings);

// The file's comments, the code page and notation of the texts, and the editor's folder.
TExportOptions ExportOptionsOf(const TSettings& settings);
