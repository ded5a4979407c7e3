// Finding and reading the shipped chord model.
#include "settings/ChordModelStore.h"

#include "base/untMesConst.h"
#include "settings/IniFileIO.h"
#include "settings/untVars.h"

TChordModelLoad LoadChordModel(const std::vector<std::string>& folders) {
  TChordModelLoad load;
  std::string lookedIn;
  for (const std::string& folder : folders) {
    if (folder.empty()) continue;
    const std::string path = folder + (folder.back() == '/' ? "" : "/") + ChordModelFileName;
    if (load.Path.empty()) load.Path = path;
    const TFileReadResult file = ReadWholeFile(path);
    if (file.status == TFileReadResult::Status::Missing) {
      lookedIn += (lookedIn.empty() ? "" : "\r") + folder;
      continue;
    }
    load.Path = path;
    if (file.status != TFileReadResult::Status::Ok) {
      load.Problem = MesFormat(MesId::SChordModelUnusable, path, file.reason);
      return load;
    }
    TChordModelRead read = ReadChordModel(file.bytes);
    if (!read.Model) {
      load.Problem = MesFormat(MesId::SChordModelUnusable, path, ChordModelFaultText(read));
      return load;
    }
    load.Model = std::make_shared<const TChordModel>(std::move(*read.Model));
    return load;
  }
  load.Problem = MesFormat(MesId::SChordModelNotFound, ChordModelFileName, lookedIn);
  return load;
}

std::vector<std::string> ChordModelFolders() {
  std::vector<std::string> folders{DataFolder()};
  if (ProgramFolder != DataFolder()) folders.push_back(ProgramFolder);
  return folders;
}
