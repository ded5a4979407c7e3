#include "platform/WavFile.h"

#include <QString>

#include "base/untMesConst.h"

namespace {

void Put16(std::string& s, uint16_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8);
}

void Put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string WavHeader(uint32_t frames, int sampleRate, int channels) {
  const uint32_t blockAlign = static_cast<uint32_t>(channels) * 2;
  const uint32_t dataBytes = frames * blockAlign;
  std::string h;
  h.reserve(44);
  h += "RIFF";
  Put32(h, 36 + dataBytes);
  h += "WAVE";
  h += "fmt ";
  Put32(h, 16);
  Put16(h, 1);  // PCM
  Put16(h, static_cast<uint16_t>(channels));
  Put32(h, static_cast<uint32_t>(sampleRate));
  Put32(h, static_cast<uint32_t>(sampleRate) * blockAlign);
  Put16(h, static_cast<uint16_t>(blockAlign));
  Put16(h, 16);
  h += "data";
  Put32(h, dataBytes);
  return h;
}

TWavWriter::TWavWriter(const std::string& path) : file_(QString::fromStdString(path)) {}

bool TWavWriter::Begin(uint32_t frames, int sampleRate) {
  if (!file_.open(QIODevice::WriteOnly)) {
    error_ = file_.errorString().toStdString();
    return false;
  }
  expected_ = frames;
  const std::string header = WavHeader(frames, sampleRate, 2);
  if (file_.write(header.data(), static_cast<qint64>(header.size())) != static_cast<qint64>(header.size())) {
    error_ = file_.errorString().toStdString();
    file_.cancelWriting();
    return false;
  }
  return true;
}

bool TWavWriter::Write(const int16_t* interleaved, int frames) {
  if (frames <= 0) return true;
  // The file's samples are little-endian, as is every machine this program builds for.
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "WAV samples are written in memory order");
  const qint64 bytes = static_cast<qint64>(frames) * 4;
  if (file_.write(reinterpret_cast<const char*>(interleaved), bytes) != bytes) {
    error_ = file_.errorString().toStdString();
    file_.cancelWriting();
    return false;
  }
  written_ += static_cast<uint64_t>(frames);
  return true;
}

bool TWavWriter::Commit() {
  if (!error_.empty()) return false;
  if (written_ != expected_) {
    // The header promised a length the data does not have.
    file_.cancelWriting();
    error_ = Mes(MesId::SRenderIncomplete);
    return false;
  }
  if (!file_.commit()) {
    error_ = file_.errorString().toStdString();
    return false;
  }
  return true;
}

std::string TWavWriter::ErrorString() const { return error_; }
