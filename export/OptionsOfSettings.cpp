#include "export/OptionsOfSettings.h"

TSongOptions SongOptionsOf(const TSettings& settings) {
  TSongOptions options;
  options.keysense = settings.Keysense;
  options.continuity = settings.KeysenseContinuity;
  options.keysenseTable = settings.KeysenseTable;
  options.notation = settings.NoteSet;
  return options;
}

TExportOptions ExportOptionsOf(const TSettings& settings) {
  return TExportOptions{settings.CommExport, settings.TextCodepage, settings.NoteSet, settings.PathTabulist,
                        ProgramFolder};
}
