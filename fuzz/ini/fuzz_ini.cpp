// Any bytes as a settings file: parsing gives every byte back, and writes derived from the
// input are read back exactly without changing what any other key reads.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/IniFile.h"

namespace {

constexpr const char* kSections[] = {"Main", "Keys", "Keysense", "MAIN", "New"};
constexpr const char* kKeys[] = {"PathTabulist", "MRU1", "Left", "a", "Main"};

void Check(bool ok) {
  if (!ok) std::abort();
}

std::string Sanitized(std::string_view v) {
  std::string out;
  for (char c : v)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TIniFile ini(bytes);
  Check(ini.Text() == bytes);

  // What every known key reads now.
  std::string before[5][5];
  for (int s = 0; s < 5; ++s)
    for (int k = 0; k < 5; ++k) {
      before[s][k] = ini.ReadString(kSections[s], kKeys[k], "\x01missing");
      (void)ini.ReadInteger(kSections[s], kKeys[k], 0);
    }

  // Up to four writes; section, key and value come from the input.
  for (std::size_t i = 0; i < 4 && i * 2 + 1 < size; ++i) {
    int s = data[i * 2] % 5, k = data[i * 2 + 1] % 5;
    std::size_t from = (data[i * 2] * 31u + i * 7u) % (size + 1);
    std::string_view value = bytes.substr(from, std::min<std::size_t>(data[i * 2 + 1] % 64, size - from));
    if (i % 2 == 0)
      ini.WriteString(kSections[s], kKeys[k], value);
    else
      ini.WriteInteger(kSections[s], kKeys[k], static_cast<int32_t>(value.size()) - 30);
    std::string expected = i % 2 == 0 ? Sanitized(value) : std::to_string(static_cast<int>(value.size()) - 30);
    for (int s2 = 0; s2 < 5; ++s2)
      if (SameIniName(kSections[s2], kSections[s])) before[s2][k] = expected;

    const TIniFile reread(ini.Text());
    for (int s2 = 0; s2 < 5; ++s2)
      for (int k2 = 0; k2 < 5; ++k2) {
        Check(ini.ReadString(kSections[s2], kKeys[k2], "\x01missing") == before[s2][k2]);
        Check(reread.ReadString(kSections[s2], kKeys[k2], "\x01missing") == before[s2][k2]);
      }
  }
  return 0;
}
