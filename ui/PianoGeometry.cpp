#include "ui/PianoGeometry.h"

#include <algorithm>

namespace {

// White keys with a black key on their left, and on their right.
bool BlackOnLeft(int s) { return s == 2 || s == 4 || s == 7 || s == 9 || s == 11; }
bool BlackOnRight(int s) { return s == 0 || s == 2 || s == 5 || s == 7 || s == 9; }

TPianoRect Union(const TPianoRect& a, const TPianoRect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

}  // namespace

int PianoOctavesToFit(int width, int height, int minimum) {
  constexpr int kMaxOctaves = 10;
  int fit = 0;
  if (width > 0 && height > 0) fit = static_cast<int>(int64_t(width) * 105 / (int64_t(height) * 22 * 7));
  return std::clamp(std::max(fit, minimum), 1, kMaxOctaves);
}

bool IsBlackSemitone(int s) { return s == 1 || s == 3 || s == 6 || s == 8 || s == 10; }

int TPianoGeometry::WhiteKeyWidth() const {
  return WhiteKeyCount() > 0 ? Width / WhiteKeyCount() : 0;
}

int TPianoGeometry::WhiteLeft(int w) const {
  // 64-bit products: a wide control times many keys must not overflow.
  return static_cast<int>(int64_t(w) * Width / WhiteKeyCount());
}

int TPianoGeometry::WhiteRight(int w) const {
  return static_cast<int>(int64_t(w + 1) * Width / WhiteKeyCount()) - 1;
}

TPianoKeyShape PianoKeyShape(const TPianoGeometry& g, int r) {
  TPianoKeyShape k;
  if (!g.Valid() || r < 0 || r >= g.KeyCount()) return k;
  int s = r % 12;
  int w = (r / 12) * 7 + WhiteIndexOf[s];
  int left = g.WhiteLeft(w);
  int right = g.WhiteRight(w);
  int half = g.BlackHalfWidth();
  int u = g.UpperHeight();

  TPianoRect last;
  if (IsBlackSemitone(s)) {
    k.Black = true;
    k.Upper = {right - half, 0, right + half, u};
    last = k.Upper;
    k.Bounds = k.Upper;
  } else {
    k.Upper = {left + (BlackOnLeft(s) ? half : 0), 0, right - (BlackOnRight(s) ? half : 0), u + 1};
    k.Lower = {left, u, right, g.Height};
    k.JoinLeft = left + 1;
    k.JoinRight = right - 2;
    k.JoinY = u;
    last = k.Lower;
    k.Bounds = Union(k.Upper, k.Lower);
  }
  int c = last.Left + (last.Right - last.Left) / 2;
  const auto px = [&g](int design) { return static_cast<int>(design * g.PixelRatio + 0.5); };
  k.Mark = {c - px(5), last.Bottom - px(15), c + px(5), last.Bottom - px(5)};
  k.Bounds = Union(k.Bounds, k.Mark);
  return k;
}

int PianoKeyAt(const TPianoGeometry& g, int x, int y) {
  if (!g.Valid() || x < 0 || x >= g.Width || y < 0 || y >= g.Height) return -1;
  int wkc = g.WhiteKeyCount();
  int w = static_cast<int>(int64_t(wkc) * x / g.Width);
  // The quotient can fall one key short of where the keys are drawn (x = 22 on a 617 pixel
  // keyboard of 28 keys is drawn as the second key): hit what is drawn.
  if (w + 1 < wkc && g.WhiteLeft(w + 1) <= x) ++w;
  int note = (w / 7) * 12 + WhiteSemitone[w % 7];
  if (y <= g.UpperHeight()) {
    int wm = w % 7;
    int half = g.BlackHalfWidth();
    bool blackRight = wm == 0 || wm == 1 || wm == 3 || wm == 4 || wm == 5;
    bool blackLeft = wm == 1 || wm == 2 || wm == 4 || wm == 5 || wm == 6;
    if (blackRight && x >= g.WhiteRight(w) - half)
      return note + 1;
    if (blackLeft && x <= g.WhiteLeft(w) + half)
      return note - 1;
  }
  return note;
}
