#pragma once
// Builds standard MIDI files in memory for the tests: tracks of (delta, bytes) events.
#include <cstdint>
#include <string>
#include <vector>

namespace smf {

inline std::string VarLen(uint32_t v) {
  std::string out(1, char(v & 0x7F));
  while (v >>= 7) out.insert(out.begin(), char(0x80 | (v & 0x7F)));
  return out;
}

class Track {
 public:
  Track& Raw(uint32_t delta, const std::string& bytes) {
    data_ += VarLen(delta) + bytes;
    return *this;
  }
  Track& Meta(uint32_t delta, uint8_t type, const std::string& text) {
    return Raw(delta, std::string{char(0xFF), char(type)} + VarLen(uint32_t(text.size())) + text);
  }
  Track& On(uint32_t delta, int ch, int note, int vel = 100) {
    return Raw(delta, std::string{char(0x90 | ch), char(note), char(vel)});
  }
  Track& Off(uint32_t delta, int ch, int note) { return Raw(delta, std::string{char(0x80 | ch), char(note), char(0)}); }
  std::string Chunk() const {
    std::string d = data_ + VarLen(0) + std::string{char(0xFF), char(0x2F), char(0)};
    const uint32_t n = uint32_t(d.size());
    return std::string("MTrk") + char(n >> 24) + char(n >> 16) + char(n >> 8) + char(n) + d;
  }

 private:
  std::string data_;
};

inline std::string File(const std::vector<Track>& tracks, int division = 480, int format = 1) {
  std::string out = "MThd";
  out += std::string{0, 0, 0, 6, 0, char(format), 0, char(tracks.size()), char(division >> 8), char(division & 0xFF)};
  for (const Track& t : tracks) out += t.Chunk();
  return out;
}

}  // namespace smf
