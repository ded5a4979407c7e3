#pragma once
// The colours the settings hold (0x00BBGGRR, or with the top bit set a system colour by its
// index), the list the colour boxes offer, and their conversion to the screen's colours.

#include <cstdint>
#include <string>
#include <vector>

#include "base/untMesConst.h"
#include "settings/untVars.h"

// The "default colour" entry of a colour box: the window colour.
constexpr TColor clDefault = 0x20000000;
constexpr TColor SystemColorFlag = static_cast<TColor>(0x80000000u);

struct TNamedColor {
  TColor Color;
  MesId Name;
};

enum class TColorGroup { Standard, Extended, System, Default, Custom };

struct TColorBoxEntry {
  TColorGroup Group;
  TColor Color;
  MesId Name;
};

// Standard colours, extended colours, system colours and the default colour, in the order the
// colour boxes list them (the custom entry follows them).
const std::vector<TColorBoxEntry>& ColorBoxEntries();

// The index of a colour among ColorBoxEntries(), -1 when it is not listed (a custom colour).
int ColorBoxIndexOf(TColor color);

bool IsSystemColor(TColor color);

// Red, green and blue of an explicit colour, and back. System colours and the default colour
// are resolved against the palette by the widgets (ColorBox.h).
struct TRgb {
  uint8_t R = 0, G = 0, B = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};
TRgb ExplicitColorRgb(TColor color);
TColor RgbToColor(TRgb rgb);
