#include "settings/GuitarShapesStore.h"

#include "base/untMesConst.h"
#include "settings/ChordModelStore.h"
#include "settings/IniFileIO.h"
#include "settings/untVars.h"

namespace {

// Reads one file into the shapes; false when it is missing.
bool ReadInto(const std::string& path, TGuitarShapes& shapes, std::vector<std::string>& problems) {
  const TFileReadResult file = ReadWholeFile(path);
  if (file.status == TFileReadResult::Status::Missing) return false;
  if (file.status != TFileReadResult::Status::Ok) {
    problems.push_back(MesFormat(MesId::SShapesUnreadable, path, file.reason));
    return true;
  }
  const TGuitarShapesRead read = ReadGuitarShapes(file.bytes);
  for (const TShapeProblem& p : read.problems) problems.push_back(ShapeProblemText(path, p));
  shapes.Override(read.shapes);
  return true;
}

}  // namespace

std::string ShapeProblemText(const std::string& path, const TShapeProblem& problem) {
  MesId why = MesId::SShapesNoColon;
  switch (problem.fault) {
    case TShapeFault::NoColon: why = MesId::SShapesNoColon; break;
    case TShapeFault::UnknownChord: why = MesId::SShapesUnknownChord; break;
    case TShapeFault::BadFrets: why = MesId::SShapesBadFrets; break;
    case TShapeFault::BadBarre: why = MesId::SShapesBadBarre; break;
    case TShapeFault::WrongNotes: why = MesId::SShapesWrongNotes; break;
  }
  return MesFormat(MesId::SShapesLineSkipped, path, problem.line, Mes(why));
}

TGuitarShapesLoad LoadGuitarShapes(const std::vector<std::string>& folders, const std::string& userFile) {
  TGuitarShapesLoad load;
  TGuitarShapes shapes;
  for (const std::string& folder : folders) {
    if (folder.empty()) continue;
    if (ReadInto(folder + (folder.back() == '/' ? "" : "/") + GuitarShapesFileName, shapes, load.Problems)) break;
  }
  if (!userFile.empty()) ReadInto(userFile, shapes, load.Problems);
  load.Shapes = std::make_shared<const TGuitarShapes>(std::move(shapes));
  return load;
}

TGuitarShapesLoad LoadGuitarShapes() {
  return LoadGuitarShapes(ChordModelFolders(), SettingsFolder.empty() ? std::string() : SettingsFolder + GuitarShapesFileName);
}
