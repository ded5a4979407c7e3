#include "export/AnalysisJson.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace {

// A document's values are allocated from a region of the writing thread and given back all at
// once after the document is written: a song's document has some ten thousand small values,
// and allocating and freeing them one by one was most of the cost of a JSON export.
class TJsonRegion {
 public:
  void* Allocate(std::size_t size, std::size_t align) {
    std::uintptr_t at = (current_ + align - 1) & ~(std::uintptr_t(align) - 1);
    if (current_ == 0 || at + size > end_) {
      NextBlock(size + align);
      at = (current_ + align - 1) & ~(std::uintptr_t(align) - 1);
    }
    current_ = at + size;
    return reinterpret_cast<void*>(at);
  }
  // Everything allocated before is free again; some blocks are kept for the next document.
  void Reset() {
    next_ = 0;
    current_ = end_ = 0;
    if (blocks_.size() > kKeptBlocks) blocks_.resize(kKeptBlocks);
  }

 private:
  struct TBlock {
    std::unique_ptr<std::byte[]> bytes;
    std::size_t size;
  };
  void NextBlock(std::size_t need) {
    while (next_ < blocks_.size() && blocks_[next_].size < need) ++next_;
    if (next_ == blocks_.size()) {
      const std::size_t size = std::max(need, kBlock);
      blocks_.push_back({std::make_unique<std::byte[]>(size), size});
    }
    current_ = reinterpret_cast<std::uintptr_t>(blocks_[next_].bytes.get());
    end_ = current_ + blocks_[next_].size;
    ++next_;
  }

  static constexpr std::size_t kBlock = 256 * 1024;
  static constexpr std::size_t kKeptBlocks = 64;  // at most about 16 MB kept per thread
  std::vector<TBlock> blocks_;
  std::size_t next_ = 0;
  std::uintptr_t current_ = 0;
  std::uintptr_t end_ = 0;
};

TJsonRegion& Region() {
  // Memory kept per thread for the next document, not values: a document's texts are built
  // and dropped within one call, and nothing of one call reaches the next.
  thread_local TJsonRegion region;
  return region;
}

template <class T>
struct TRegionAllocator {
  using value_type = T;
  TRegionAllocator() noexcept = default;
  template <class U>
  TRegionAllocator(const TRegionAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(Region().Allocate(n * sizeof(T), alignof(T))); }
  void deallocate(T*, std::size_t) noexcept {}
  template <class U>
  bool operator==(const TRegionAllocator<U>&) const noexcept {
    return true;
  }
};

// Texts of the document live in the region too, so nothing of a document needs freeing one
// by one.
using TRegionString = std::basic_string<char, std::char_traits<char>, TRegionAllocator<char>>;

// Objects keep their keys in a vector, in a reader's order (the schema's), not sorted.
using json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, TRegionString, bool, std::int64_t, std::uint64_t,
                                  double, TRegionAllocator>;

template <typename T>
json Optional(const std::optional<T>& value) {
  return value ? json(*value) : json(nullptr);
}

// Values are appended one by one: an object written as a braced list builds and takes apart a
// temporary pair for every key, and assigning by key searches the keys first. Every key is
// written once.
template <typename V>
void Put(json& object, const char* key, V&& value) {
  object.get_ref<json::object_t&>().emplace_back(key, json(std::forward<V>(value)));
}
json ChordJson(const TAnalysisChord& c) {
  json alterations = json::object();
  Put(alterations, "extension", c.extensionAlteration);
  Put(alterations, "fifth", c.fifthAlteration);
  Put(alterations, "ninth", c.ninthAlteration);
  Put(alterations, "eleventh", c.eleventhAlteration);
  json chord = json::object();
  Put(chord, "name", c.name);
  Put(chord, "root", c.root);
  Put(chord, "rootName", c.rootName);
  Put(chord, "bass", c.bass);
  Put(chord, "bassName", c.bassName);
  Put(chord, "type", c.type);
  Put(chord, "suffix", c.suffix);
  Put(chord, "extension", c.extension == 0 ? json(nullptr) : json(c.extension));
  Put(chord, "added", c.added);
  Put(chord, "alterations", std::move(alterations));
  Put(chord, "pitchClasses", c.pitchClasses);
  Put(chord, "tones", c.tones);
  Put(chord, "score", c.score);
  return chord;
}

json KeyCandidateJson(const std::optional<TAnalysisKeyCandidate>& k) {
  if (!k) return nullptr;
  json candidate = json::object();
  Put(candidate, "tonic", k->tonic);
  Put(candidate, "mode", k->minor ? "minor" : "major");
  Put(candidate, "name", k->name);
  Put(candidate, "score", k->score);
  return candidate;
}

json KeyJson(const TAnalysisKey& key) {
  json detection = nullptr;
  if (key.detection) {
    const TAnalysisKeyDetection& d = *key.detection;
    detection = json::object();
    Put(detection, "counts", d.counts);
    Put(detection, "best", KeyCandidateJson(d.best));
    Put(detection, "runnerUp", KeyCandidateJson(d.runnerUp));
    Put(detection, "runnerUpClose", d.runnerUpClose);
  }
  json result = json::object();
  Put(result, "entry", Optional(key.entry));
  Put(result, "name", key.entry ? json(key.name) : json(nullptr));
  Put(result, "source", key.source);
  Put(result, "current", Optional(key.current));
  Put(result, "detection", std::move(detection));
  return result;
}

json AnalysisJson(const TAnalysisDocument& doc) {
  json tracks = json::array();
  for (const TAnalysisTrack& t : doc.tracks) {
    json track = json::object();
    Put(track, "index", t.index);
    Put(track, "name", t.name);
    Put(track, "instrument", t.instrument);
    Put(track, "channels", t.channels);
    Put(track, "notes", t.notes);
    Put(track, "muted", t.muted);
    tracks.push_back(std::move(track));
  }
  json tempo = json::array();
  for (const TAnalysisTempo& t : doc.tempoMap) {
    json entry = json::object();
    Put(entry, "tick", t.tick);
    Put(entry, "ms", t.ms);
    Put(entry, "microsecondsPerQuarter", t.microsecondsPerQuarter);
    tempo.push_back(std::move(entry));
  }
  json signatures = json::array();
  for (const TAnalysisTimeSignature& t : doc.timeSignatures) {
    json entry = json::object();
    Put(entry, "tick", t.tick);
    Put(entry, "numerator", t.numerator);
    Put(entry, "denominator", t.denominator);
    signatures.push_back(std::move(entry));
  }

  json beats = json::array();
  beats.get_ref<json::array_t&>().reserve(doc.beats.size());
  for (const TAnalysisBeat& b : doc.beats) {
    json variants = json::array();
    variants.get_ref<json::array_t&>().reserve(b.variants.size());
    for (const TAnalysisVariant& v : b.variants) {
      json variant = json::object();
      Put(variant, "name", v.name);
      Put(variant, "score", v.score);
      variants.push_back(std::move(variant));
    }
    json beat = json::object();
    Put(beat, "index", b.index);
    Put(beat, "tick", b.tick);
    Put(beat, "ms", b.ms);
    Put(beat, "chord", b.chord ? ChordJson(*b.chord) : json(nullptr));
    Put(beat, "rank", Optional(b.rank));
    Put(beat, "variants", std::move(variants));
    Put(beat, "notes", b.notes);
    beats.push_back(std::move(beat));
  }
  json lyrics = json::array();
  for (const TAnalysisSyllable& l : doc.lyrics) {
    json syllable = json::object();
    Put(syllable, "text", l.text);
    Put(syllable, "tick", l.tick);
    Put(syllable, "ms", l.ms);
    Put(syllable, "newLine", l.newLine);
    Put(syllable, "newParagraph", l.newParagraph);
    lyrics.push_back(std::move(syllable));
  }

  json length = json::object();
  Put(length, "ticks", doc.lengthTicks);
  Put(length, "ms", doc.lengthMs);

  json root = json::object();
  Put(root, "schemaVersion", kAnalysisSchemaVersion);
  Put(root, "file", doc.file);
  Put(root, "format", doc.format);
  Put(root, "ticksPerQuarter", doc.ticksPerQuarter);
  Put(root, "tracks", std::move(tracks));
  Put(root, "tempoMap", std::move(tempo));
  Put(root, "timeSignatures", std::move(signatures));
  Put(root, "length", std::move(length));
  Put(root, "beatLength", doc.beatLength);
  Put(root, "notation", doc.notation);
  json recognition = json::object();
  Put(recognition, "method", doc.chordRecognition);
  if (!doc.chordModel.empty()) Put(recognition, "model", doc.chordModel);
  Put(root, "chordRecognition", std::move(recognition));
  Put(root, "karaoke", doc.karaoke);
  Put(root, "transposition", doc.transposition);
  Put(root, "key", KeyJson(doc.key));
  Put(root, "beats", std::move(beats));
  Put(root, "lyrics", std::move(lyrics));
  Put(root, "errors", doc.errors);
  Put(root, "warnings", doc.warnings);
  return root;
}

// Texts of a file that are not valid UTF-8 get the replacement character rather than failing
// the whole document.
std::string AnalysisText(const TAnalysisDocument& doc, int indent) {
  // The document is placed in the region and never destroyed: taking apart ten thousand
  // values one by one would cost as much as making them, and the region gives all of their
  // memory back at once.
  json* value = new (Region().Allocate(sizeof(json), alignof(json))) json(AnalysisJson(doc));
  const TRegionString dumped = value->dump(indent, ' ', false, json::error_handler_t::replace);
  std::string text(dumped.data(), dumped.size());
  text += '\n';
  Region().Reset();
  return text;
}

}  // namespace

std::string AnalysisJsonDocument(const TAnalysisDocument& doc) { return AnalysisText(doc, 2); }

std::string AnalysisJsonLine(const TAnalysisDocument& doc) { return AnalysisText(doc, -1); }
