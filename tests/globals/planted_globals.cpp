// Process-wide variables planted for the check of scripts/check-process-globals: each kind of
// writable static it must report, and constants it must let pass.
#include <array>
#include <string>
#include <vector>

// Reported: writable, each in its own way.
int PlantedCounter = 0;                          // .bss
int PlantedStart = 7;                            // .data
thread_local int PlantedPerThread = 0;           // .tbss
namespace {
std::string plantedName = "planted";             // needs a constructor: .bss
}  // namespace
struct TPlanted {
  static std::vector<int> instances;             // a class static
};
std::vector<int> TPlanted::instances;

int PlantedLocal() {
  static int calls = 0;                          // a function-local static
  return ++calls;
}

// Allowed by the planted allow-list.
int PlantedAllowed = 3;

// Passed: constants of every kind.
const int kPlantedLimit = 10;
constexpr std::array<int, 4> kPlantedTable = {1, 2, 3, 4};
const char* const kPlantedText = "text";         // a relocated constant: .data.rel.ro
extern const int kPlantedExported;
const int kPlantedExported = 5;

int PlantedUse() {
  TPlanted::instances.push_back(PlantedLocal());
  return PlantedCounter + PlantedStart + PlantedPerThread + static_cast<int>(plantedName.size()) + PlantedAllowed +
         kPlantedLimit + kPlantedTable[1] + kPlantedText[0] + kPlantedExported;
}
