#pragma once
// How well one colour reads on another: the contrast ratio of their relative luminances (1 to
// 21; text wants at least 4.5), and a colour moved just far enough in lightness to read.

#include <QColor>

// The relative luminance of a colour (0 black to 1 white), from its linearised sRGB channels.
double RelativeLuminance(const QColor& c);
// (lighter + 0.05) / (darker + 0.05).
double ContrastRatio(const QColor& a, const QColor& b);

// The minimum contrast of text on its background.
inline constexpr double LegibleContrast = 4.5;

// `wanted` itself when it reads on `background` with at least `ratio`; otherwise the colour of
// the same hue made lighter (on a dark background) or darker (on a light one) until it does.
QColor Legible(const QColor& wanted, const QColor& background, double ratio = LegibleContrast);

class QPalette;
// The palette with its selection colour (Highlight) moved just enough that the selected text
// (HighlightedText) reads on it, in every colour group; the other colours stay.
QPalette WithLegibleSelection(const QPalette& palette);
