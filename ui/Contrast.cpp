#include "ui/Contrast.h"

#include <algorithm>
#include <cmath>

#include <QPalette>

namespace {
double Linear(double channel) {
  return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}
}  // namespace

double RelativeLuminance(const QColor& c) {
  const QColor rgb = c.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Legible(const QColor& wanted, const QColor& background, double ratio) {
  if (ContrastRatio(wanted, background) >= ratio) return wanted;
  // Towards white on a dark background, towards black on a light one, in small steps of HSL
  // lightness so that the hue stays recognisable.
  const bool lighter = RelativeLuminance(background) < 0.18;
  QColor c = wanted.toHsl();
  for (int step = 0; step < 100; ++step) {
    const double l = std::clamp(c.lightnessF() + (lighter ? 0.02 : -0.02), 0.0, 1.0);
    c.setHslF(c.hslHueF(), c.hslSaturationF(), l, c.alphaF());
    if (ContrastRatio(c, background) >= ratio) return c.toRgb();
    if (l <= 0.0 || l >= 1.0) break;
  }
  return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

namespace {
// Selected text is small and smoothed at its edges: its colour needs room above the minimum for
// the thin strokes to read.
constexpr double kSelectionContrast = 7.0;
}  // namespace

QPalette WithLegibleSelection(const QPalette& palette) {
  QPalette p = palette;
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    const QColor text = p.color(group, QPalette::HighlightedText);
    const QColor highlight = p.color(group, QPalette::Highlight);
    const QColor legible = Legible(highlight, text, kSelectionContrast);
    if (legible != highlight) p.setColor(group, QPalette::Highlight, legible);
  }
  return p;
}
