#include "export/ChordTrack.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/untMesConst.h"
#include "midi/MidiConstants.h"
#include "midi/MidiFile.h"

namespace {

constexpr uint8_t kChordVelocity = 80;
constexpr uint8_t kReleaseVelocity = 64;
constexpr char kChordTrackName[] = "Chords";

void PutU16(std::string& out, uint32_t v) {
  out += char((v >> 8) & 0xFF);
  out += char(v & 0xFF);
}

void PutU32(std::string& out, uint32_t v) {
  PutU16(out, v >> 16);
  PutU16(out, v & 0xFFFF);
}

void PutVlq(std::string& out, uint32_t v) {
  char buf[5];
  int n = 0;
  buf[n++] = char(v & 0x7F);
  while (v >>= 7) buf[n++] = char(0x80 | (v & 0x7F));
  while (n) out += buf[--n];
}

// Writes the events of one track chunk with delta times from absolute ticks.
class TTrackChunk {
 public:
  void Event(int32_t tick, std::string_view bytes) {
    Delta(tick);
    body_ += bytes;
  }
  void Meta(int32_t tick, uint8_t type, std::string_view data) {
    Delta(tick);
    body_ += char(MidiStatus::Meta);
    body_ += char(type);
    PutVlq(body_, static_cast<uint32_t>(data.size()));
    body_ += data;
  }
  void SysEx(int32_t tick, uint8_t status, std::string_view data) {
    Delta(tick);
    body_ += char(status);
    PutVlq(body_, static_cast<uint32_t>(data.size()));
    body_ += data;
  }
  void End(int32_t tick, std::string& out) {
    Meta(std::max(tick, last_), MidiMeta::EndOfTrack, {});
    out += "MTrk";
    PutU32(out, static_cast<uint32_t>(body_.size()));
    out += body_;
  }

 private:
  void Delta(int32_t tick) {
    // Ticks never run backwards in a track; a wrapped sum from a damaged file stays in place.
    tick = std::max(tick, last_);
    PutVlq(body_, static_cast<uint32_t>(tick - last_));
    last_ = tick;
  }
  std::string body_;
  int32_t last_ = 0;
};

int DataBytes(uint8_t status) {
  const uint8_t kind = MidiKind(status);
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

void WriteOriginalTrack(const TMidiTrack& track, std::string& out, int32_t& dropped) {
  TTrackChunk chunk;
  int32_t end = 0;
  for (const TMidiEventEx& e : track.Events()) {
    end = std::max(end, e.Time);
    if (e.Status >= 0x80 && e.Status < MidiStatus::SysEx) {
      const int n = DataBytes(e.Status);
      if (e.Data1 > 0x7F || (n == 2 && e.Data2 > 0x7F)) {
        ++dropped;
        continue;
      }
      char bytes[3] = {char(e.Status), char(e.Data1), char(e.Data2)};
      chunk.Event(e.Time, std::string_view(bytes, static_cast<size_t>(n + 1)));
    } else if (e.Status == MidiStatus::Meta) {
      if (e.Data1 != MidiMeta::EndOfTrack) chunk.Meta(e.Time, e.Data1, e.Text());
    } else if (e.Status == MidiStatus::SysEx || e.Status == MidiStatus::SysExContinued) {
      chunk.SysEx(e.Time, e.Status, e.Text());
    }
    // Events without a status, and system messages that carry no data here, are not MIDI
    // file events; they are left out.
  }
  chunk.End(end, out);
}

struct TChannelUse {
  std::array<int32_t, 16> notes{};
  std::array<bool, 16> used{};
};

TChannelUse ChannelUse(const TMidiSong& file) {
  TChannelUse use;
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t)
    for (const TMidiEventEx& e : file.TrackAt(t).Events()) {
      if (!IsMidiChannelMessage(e.Status)) continue;
      use.used[MidiChannel(e.Status)] = true;
      if (MidiKind(e.Status) == MidiStatus::NoteOn && e.Data2 > 0) ++use.notes[MidiChannel(e.Status)];
    }
  return use;
}

}  // namespace

std::vector<int32_t> ChordBlockNotes(const TChord& chord) {
  TChord c = chord;
  const TChordTones tones = ChordTones(c);  // normalised: BasePitch is the bass
  std::vector<int32_t> notes;
  auto add = [&notes](int32_t n) {
    if (n >= 0 && n <= 127) notes.push_back(n);
  };
  add(c.BasePitch - 12);
  for (int8_t t : tones)
    if (t != NoChordTone) add(c.BasePitch + t);
  std::sort(notes.begin(), notes.end());
  notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
  return notes;
}

std::vector<TChordBlock> ChordBlocks(const TBeats& beats, int32_t beatLength, NoteNotation notation,
                                    const std::optional<TKeySpelling>& key) {
  std::vector<TChordBlock> blocks;
  bool open = false;
  for (size_t b = 0; b < beats.size(); ++b) {
    const int64_t start64 = int64_t(b) * beatLength;
    const int32_t start = static_cast<int32_t>(std::min<int64_t>(start64, std::numeric_limits<int32_t>::max()));
    const int32_t end =
        static_cast<int32_t>(std::min<int64_t>(start64 + beatLength, std::numeric_limits<int32_t>::max()));
    const TVariants& v = beats[b];
    if (!v.HasChord()) {
      open = false;
      continue;
    }
    std::string name = ChordNameIn(v.Chord(), notation, key);
    if (open && blocks.back().name == name) {
      blocks.back().end = end;
      continue;
    }
    blocks.push_back({start, end, std::move(name), ChordBlockNotes(v.Chord())});
    open = true;
  }
  return blocks;
}

TResult<TChordTrackFile> MidiWithChordTrack(const TMidiSong& file, const std::vector<TChordBlock>& blocks) {
  if (file.FileFormat() == TFileFormat::multi_asynch) return TError(Mes(MesId::SChordTrackFormat2));
  TChordTrackFile result;

  // A channel without notes, and best one that carries nothing at all (no instrument chosen
  // for it); else the one with the fewest notes.
  const TChannelUse use = ChannelUse(file);
  int channel = -1;
  for (int pass = 0; pass < 2 && channel < 0; ++pass)
    for (int c = 0; c < 16 && channel < 0; ++c)
      if (c != MidiPercussionChannel && use.notes[c] == 0 && (pass == 1 || !use.used[c])) channel = c;
  if (channel < 0) {
    channel = 0;
    for (int c = 1; c < 16; ++c)
      if (c != MidiPercussionChannel && use.notes[c] < use.notes[channel]) channel = c;
    result.channelShared = true;
    result.sharedChannelNotes = use.notes[channel];
  }
  result.channel = channel;

  std::string& out = result.bytes;
  out += "MThd";
  PutU32(out, 6);
  PutU16(out, 1);
  PutU16(out, static_cast<uint32_t>(file.NumberOfTracks() + 1));
  PutU16(out, static_cast<uint32_t>(file.TicksPerQuarter()) & 0xFFFF);
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t) WriteOriginalTrack(file.TrackAt(t), out, result.droppedEvents);

  // At a chord change the old block is released before the marker and the new block sound.
  struct TTimed {
    int32_t tick;
    int order;  // 0 release, 1 marker, 2 start
    size_t block;
  };
  std::vector<TTimed> timeline;
  timeline.reserve(blocks.size() * 3);
  for (size_t i = 0; i < blocks.size(); ++i) {
    timeline.push_back({blocks[i].start, 1, i});
    timeline.push_back({blocks[i].start, 2, i});
    timeline.push_back({blocks[i].end, 0, i});
  }
  std::stable_sort(timeline.begin(), timeline.end(), [](const TTimed& a, const TTimed& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  TTrackChunk chunk;
  chunk.Meta(0, MidiMeta::TrackName, kChordTrackName);
  int32_t end = 0;
  for (const TTimed& t : timeline) {
    const TChordBlock& block = blocks[t.block];
    if (t.order == 1) {
      chunk.Meta(t.tick, MidiMeta::Marker, block.name);
      continue;
    }
    for (int32_t n : block.notes) {
      const char bytes[3] = {char((t.order == 2 ? MidiStatus::NoteOn : MidiStatus::NoteOff) | channel), char(n),
                             char(t.order == 2 ? kChordVelocity : kReleaseVelocity)};
      chunk.Event(t.tick, std::string_view(bytes, 3));
    }
    end = std::max(end, t.tick);
  }
  chunk.End(end, out);
  return result;
}
