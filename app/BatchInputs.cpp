#include "app/BatchInputs.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <system_error>

#include "base/untMesConst.h"

namespace fs = std::filesystem;

bool IsSongFileName(const fs::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext == ".mid" || ext == ".midi" || ext == ".kar";
}

namespace {

bool SameFolder(const fs::path& a, const fs::path& b) {
  if (b.empty()) return false;
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

void CollectFolder(const fs::path& folder, const std::string& given, const fs::path& skipFolder, TBatchInputs& result) {
  std::vector<TBatchItem> found;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  if (ec) {
    result.errors.push_back(MesFormat(MesId::SBatchFolderError, given, ec.message()));
    return;
  }
  for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
    if (ec) {
      result.errors.push_back(MesFormat(MesId::SBatchFolderError, given, ec.message()));
      break;
    }
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      if (SameFolder(it->path(), skipFolder)) it.disable_recursion_pending();
      continue;
    }
    // A folder named like a song is not followed above; anything else with a song's name is
    // taken, and reading it tells whether it is one.
    if (!IsSongFileName(it->path())) continue;
    TBatchItem item;
    item.input = it->path();
    item.relative = it->path().lexically_relative(folder);
    item.name = (fs::path(given) / item.relative).string();
    found.push_back(std::move(item));
  }
  std::sort(found.begin(), found.end(), [](const TBatchItem& a, const TBatchItem& b) { return a.input < b.input; });
  for (TBatchItem& item : found) result.items.push_back(std::move(item));
}

}  // namespace

TBatchInputs CollectBatchInputs(const std::vector<std::string>& inputs, const fs::path& skipFolder) {
  TBatchInputs result;
  for (const std::string& input : inputs) {
    std::error_code ec;
    if (fs::is_directory(input, ec)) {
      result.fromFolder = true;
      const size_t before = result.items.size();
      CollectFolder(input, input, skipFolder, result);
      if (result.items.size() == before && result.errors.empty())
        result.errors.push_back(MesFormat(MesId::SBatchNoSongs, input));
    } else {
      TBatchItem item;
      item.input = input;
      item.name = input;
      item.relative = fs::path(input).filename();
      result.items.push_back(std::move(item));
    }
  }
  return result;
}

void MapBatchOutputs(std::vector<TBatchItem>& items, const fs::path& outputFolder, const std::string& extension) {
  std::map<std::string, std::string> taken;  // output path -> the song that writes it
  for (TBatchItem& item : items) {
    if (!item.skip.empty()) continue;
    item.output = (outputFolder / item.relative).lexically_normal();
    item.output.replace_extension(extension);
    const std::string key = item.output.string();
    std::error_code ec;
    if (fs::exists(item.output, ec) && fs::equivalent(item.output, item.input, ec)) {
      item.skip = MesFormat(MesId::SBatchOverwritesSong, key);
      continue;
    }
    auto [it, inserted] = taken.emplace(key, item.name);
    if (!inserted) item.skip = MesFormat(MesId::SBatchSameOutput, key, it->second);
  }
}
