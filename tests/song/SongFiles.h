#pragma once
// Small standard MIDI files built in memory and written to a scratch folder, so each test
// states the notes it needs.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace songfiles {

struct TEvent {
  int32_t tick;
  std::vector<uint8_t> bytes;
};

class TTrackBuilder {
 public:
  TTrackBuilder& Raw(int32_t tick, std::vector<uint8_t> bytes) {
    events_.push_back({tick, std::move(bytes)});
    return *this;
  }
  TTrackBuilder& Note(int channel, int note, int32_t on, int32_t off, int velocity = 100) {
    Raw(on, {static_cast<uint8_t>(0x90 | channel), static_cast<uint8_t>(note), static_cast<uint8_t>(velocity)});
    return Raw(off, {static_cast<uint8_t>(0x80 | channel), static_cast<uint8_t>(note), 0});
  }
  TTrackBuilder& Meta(int32_t tick, uint8_t type, const std::string& text) {
    std::vector<uint8_t> b = {0xFF, type, static_cast<uint8_t>(text.size())};
    b.insert(b.end(), text.begin(), text.end());
    return Raw(tick, std::move(b));
  }
  TTrackBuilder& Name(const std::string& name) { return Meta(0, 3, name); }
  TTrackBuilder& TimeSignature(int numerator, int denominatorPower) {
    return Raw(0, {0xFF, 0x58, 4, static_cast<uint8_t>(numerator), static_cast<uint8_t>(denominatorPower), 24, 8});
  }

  std::string Chunk() const {
    auto sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const TEvent& a, const TEvent& b) { return a.tick < b.tick; });
    std::string data;
    int32_t last = 0;
    for (const auto& e : sorted) {
      Vlq(data, static_cast<uint32_t>(e.tick - last));
      last = e.tick;
      data.append(e.bytes.begin(), e.bytes.end());
    }
    Vlq(data, 0);
    data += std::string("\xFF\x2F\x00", 3);
    return "MTrk" + Be32(static_cast<uint32_t>(data.size())) + data;
  }

  static void Vlq(std::string& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7F;
    while (v >>= 7) buf[n++] = static_cast<uint8_t>(0x80 | (v & 0x7F));
    while (n) out += static_cast<char>(buf[--n]);
  }
  static std::string Be32(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
  }

 private:
  std::vector<TEvent> events_;
};

inline std::string SongBytes(const std::vector<TTrackBuilder>& tracks, int division = 480) {
  std::string s = "MThd" + TTrackBuilder::Be32(6);
  s += std::string("\x00\x01", 2);
  s += static_cast<char>(tracks.size() >> 8);
  s += static_cast<char>(tracks.size() & 0xFF);
  s += static_cast<char>(division >> 8);
  s += static_cast<char>(division & 0xFF);
  for (const auto& t : tracks) s += t.Chunk();
  return s;
}

// A scratch folder of this test program, created at first use and removed at exit.
inline std::filesystem::path ScratchDir() {
  struct TScratch {
    std::filesystem::path dir;
    TScratch() : dir(std::filesystem::temp_directory_path() / ("cantaro_song_" + std::to_string(::getpid()))) {
      std::filesystem::remove_all(dir);
      std::filesystem::create_directories(dir);
    }
    ~TScratch() {
      std::error_code ec;
      std::filesystem::remove_all(dir, ec);
    }
  };
  static TScratch scratch;
  return scratch.dir;
}

inline std::string WriteFile(const std::string& name, const std::string& bytes) {
  auto path = ScratchDir() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

inline std::string WriteSong(const std::string& name, const std::vector<TTrackBuilder>& tracks,
                             int division = 480) {
  return WriteFile(name, SongBytes(tracks, division));
}

}  // namespace songfiles
