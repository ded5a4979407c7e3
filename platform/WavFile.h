#pragma once
// Writing 16-bit PCM WAV files: the header for a known length, then the samples as they are
// rendered, saved atomically (a half-written file never replaces an existing one).

#include <QSaveFile>

#include <cstdint>
#include <string>

// The 44-byte RIFF/WAVE header of a PCM file with that many frames.
std::string WavHeader(uint32_t frames, int sampleRate, int channels);

// The largest number of stereo 16-bit frames a WAV file can hold (its sizes are 32-bit).
constexpr uint64_t kMaxWavStereoFrames = (0xFFFFFFFFull - 36) / 4;

class TWavWriter {
 public:
  explicit TWavWriter(const std::string& path);

  // Opens the file and writes the header for frames of interleaved stereo audio.
  bool Begin(uint32_t frames, int sampleRate);
  bool Write(const int16_t* interleaved, int frames);
  // Puts the file in place; false when anything went wrong on the way.
  bool Commit();
  std::string ErrorString() const;

 private:
  QSaveFile file_;
  uint64_t expected_ = 0;
  uint64_t written_ = 0;
  std::string error_;
};
