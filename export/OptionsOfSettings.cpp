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
  TExportOptions options{settings.CommExport, settings.TextCodepage, settings.NoteSet, settings.PathTabulist,
                         ProgramFolder};
  options.spellByKey = settings.SpellByKey;
  options.diagrams = settings.ChordDiagrams == 2   ? TDiagramInstrument::Piano
                     : settings.ChordDiagrams == 0 ? TDiagramInstrument::None
                                                   : TDiagramInstrument::Guitar;
  return options;
}
