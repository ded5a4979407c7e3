#include "ui/untColors.h"

namespace {

constexpr TColor Sys(int index) { return static_cast<TColor>(0x80000000u | unsigned(index)); }

std::vector<TColorBoxEntry> BuildEntries() {
  using G = TColorGroup;
  return {
      {G::Standard, 0x000000, MesId::SColorBlack},
      {G::Standard, 0x000080, MesId::SColorMaroon},
      {G::Standard, 0x008000, MesId::SColorGreen},
      {G::Standard, 0x008080, MesId::SColorOlive},
      {G::Standard, 0x800000, MesId::SColorNavy},
      {G::Standard, 0x800080, MesId::SColorPurple},
      {G::Standard, 0x808000, MesId::SColorTeal},
      {G::Standard, 0x808080, MesId::SColorGray},
      {G::Standard, 0xC0C0C0, MesId::SColorSilver},
      {G::Standard, 0x0000FF, MesId::SColorRed},
      {G::Standard, 0x00FF00, MesId::SColorLime},
      {G::Standard, 0x00FFFF, MesId::SColorYellow},
      {G::Standard, 0xFF0000, MesId::SColorBlue},
      {G::Standard, 0xFF00FF, MesId::SColorFuchsia},
      {G::Standard, 0xFFFF00, MesId::SColorAqua},
      {G::Standard, 0xFFFFFF, MesId::SColorWhite},
      {G::Extended, 0xC0DCC0, MesId::SColorMoneyGreen},
      {G::Extended, 0xF0CAA6, MesId::SColorSkyBlue},
      {G::Extended, 0xF0FBFF, MesId::SColorCream},
      {G::Extended, 0xA4A0A0, MesId::SColorMedGray},
      {G::System, Sys(0), MesId::SColorScrollBar},
      {G::System, Sys(1), MesId::SColorBackground},
      {G::System, Sys(2), MesId::SColorActiveCaption},
      {G::System, Sys(3), MesId::SColorInactiveCaption},
      {G::System, Sys(4), MesId::SColorMenu},
      {G::System, Sys(5), MesId::SColorWindow},
      {G::System, Sys(6), MesId::SColorWindowFrame},
      {G::System, Sys(7), MesId::SColorMenuText},
      {G::System, Sys(8), MesId::SColorWindowText},
      {G::System, Sys(9), MesId::SColorCaptionText},
      {G::System, Sys(10), MesId::SColorActiveBorder},
      {G::System, Sys(11), MesId::SColorInactiveBorder},
      {G::System, Sys(12), MesId::SColorAppWorkSpace},
      {G::System, Sys(13), MesId::SColorHighlight},
      {G::System, Sys(14), MesId::SColorHighlightText},
      {G::System, Sys(15), MesId::SColorBtnFace},
      {G::System, Sys(16), MesId::SColorBtnShadow},
      {G::System, Sys(17), MesId::SColorGrayText},
      {G::System, Sys(18), MesId::SColorBtnText},
      {G::System, Sys(19), MesId::SColorInactiveCaptionText},
      {G::System, Sys(20), MesId::SColorBtnHighlight},
      {G::System, Sys(21), MesId::SColor3DDkShadow},
      {G::System, Sys(22), MesId::SColor3DLight},
      {G::System, Sys(23), MesId::SColorInfoText},
      {G::System, Sys(24), MesId::SColorInfoBk},
      {G::System, Sys(26), MesId::SColorHotLight},
      {G::System, Sys(27), MesId::SColorGradientActiveCaption},
      {G::System, Sys(28), MesId::SColorGradientInactiveCaption},
      {G::System, Sys(29), MesId::SColorMenuHighlight},
      {G::System, Sys(30), MesId::SColorMenuBar},
      {G::Default, clDefault, MesId::SColorDefault},
  };
}

}  // namespace

const std::vector<TColorBoxEntry>& ColorBoxEntries() {
  static const std::vector<TColorBoxEntry> entries = BuildEntries();
  return entries;
}

int ColorBoxIndexOf(TColor color) {
  const auto& e = ColorBoxEntries();
  for (std::size_t i = 0; i < e.size(); ++i)
    if (e[i].Color == color) return static_cast<int>(i);
  return -1;
}

bool IsSystemColor(TColor color) { return (static_cast<uint32_t>(color) & 0x80000000u) != 0; }

TRgb ExplicitColorRgb(TColor color) {
  auto c = static_cast<uint32_t>(color);
  return {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
          static_cast<uint8_t>((c >> 16) & 0xFF)};
}

TColor RgbToColor(TRgb rgb) {
  return static_cast<TColor>(uint32_t(rgb.R) | (uint32_t(rgb.G) << 8) | (uint32_t(rgb.B) << 16));
}
