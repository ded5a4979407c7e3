#pragma once
// Builds the bytes of small MIDI files for tests: a header chunk, track chunks from their
// raw event bytes, and any other chunk or stray bytes, in the order they are added.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class MidiBytes {
 public:
  MidiBytes& Header(uint16_t format, uint16_t tracks, uint16_t division) {
    return Chunk("MThd", {static_cast<uint8_t>(format >> 8), static_cast<uint8_t>(format),
                          static_cast<uint8_t>(tracks >> 8), static_cast<uint8_t>(tracks),
                          static_cast<uint8_t>(division >> 8), static_cast<uint8_t>(division)});
  }
  MidiBytes& Track(std::vector<uint8_t> events) { return Chunk("MTrk", std::move(events)); }
  // A chunk whose length field says what it is told, whatever follows.
  MidiBytes& ChunkHead(std::string_view type, uint32_t length) {
    bytes_.append(type.substr(0, 4));
    for (int shift = 24; shift >= 0; shift -= 8) bytes_.push_back(static_cast<char>(length >> shift));
    return *this;
  }
  MidiBytes& Chunk(std::string_view type, const std::vector<uint8_t>& data) {
    ChunkHead(type, static_cast<uint32_t>(data.size()));
    return Raw(data);
  }
  MidiBytes& Raw(const std::vector<uint8_t>& data) {
    bytes_.append(data.begin(), data.end());
    return *this;
  }
  const std::string& str() const { return bytes_; }
  operator std::string() const { return bytes_; }

 private:
  std::string bytes_;
};

// Event bytes helpers: a meta event with a delta of 0..127 and a short text.
inline std::vector<uint8_t> MetaText(uint8_t delta, uint8_t type, std::string_view text) {
  std::vector<uint8_t> v{delta, 0xFF, type, static_cast<uint8_t>(text.size())};
  v.insert(v.end(), text.begin(), text.end());
  return v;
}

inline std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}
