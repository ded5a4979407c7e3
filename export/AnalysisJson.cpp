#include "export/AnalysisJson.h"

#include <nlohmann/json.hpp>

// Objects keep their keys in a vector: cheaper to build and free than a tree of nodes, and the
// keys stay in a reader's order.
using json = nlohmann::ordered_json;

namespace {

template <typename T>
json Optional(const std::optional<T>& value) {
  return value ? json(*value) : json(nullptr);
}

json ChordJson(const TAnalysisChord& c) {
  return json{
      {"name", c.name},
      {"root", c.root},
      {"rootName", c.rootName},
      {"bass", c.bass},
      {"bassName", c.bassName},
      {"type", c.type},
      {"suffix", c.suffix},
      {"extension", c.extension == 0 ? json(nullptr) : json(c.extension)},
      {"added", c.added},
      {"alterations",
       {{"extension", c.extensionAlteration},
        {"fifth", c.fifthAlteration},
        {"ninth", c.ninthAlteration},
        {"eleventh", c.eleventhAlteration}}},
      {"pitchClasses", c.pitchClasses},
      {"tones", c.tones},
      {"score", c.score},
  };
}

json KeyCandidateJson(const std::optional<TAnalysisKeyCandidate>& k) {
  if (!k) return nullptr;
  return json{{"tonic", k->tonic}, {"mode", k->minor ? "minor" : "major"}, {"name", k->name}, {"score", k->score}};
}

json KeyJson(const TAnalysisKey& key) {
  json detection = nullptr;
  if (key.detection) {
    const TAnalysisKeyDetection& d = *key.detection;
    detection = json{{"counts", d.counts},
                     {"best", KeyCandidateJson(d.best)},
                     {"runnerUp", KeyCandidateJson(d.runnerUp)},
                     {"runnerUpClose", d.runnerUpClose}};
  }
  return json{{"entry", Optional(key.entry)},
              {"name", key.entry ? json(key.name) : json(nullptr)},
              {"source", key.source},
              {"current", Optional(key.current)},
              {"detection", detection}};
}

}  // namespace

json AnalysisJson(const TAnalysisDocument& doc) {
  json tracks = json::array();
  for (const TAnalysisTrack& t : doc.tracks)
    tracks.push_back({{"index", t.index},
                      {"name", t.name},
                      {"instrument", t.instrument},
                      {"channels", t.channels},
                      {"notes", t.notes},
                      {"muted", t.muted}});
  json tempo = json::array();
  for (const TAnalysisTempo& t : doc.tempoMap)
    tempo.push_back({{"tick", t.tick}, {"ms", t.ms}, {"microsecondsPerQuarter", t.microsecondsPerQuarter}});
  json signatures = json::array();
  for (const TAnalysisTimeSignature& s : doc.timeSignatures)
    signatures.push_back({{"tick", s.tick}, {"numerator", s.numerator}, {"denominator", s.denominator}});

  json beats = json::array();
  beats.get_ref<json::array_t&>().reserve(doc.beats.size());
  for (const TAnalysisBeat& b : doc.beats) {
    json variants = json::array();
    variants.get_ref<json::array_t&>().reserve(b.variants.size());
    for (const TAnalysisVariant& v : b.variants) {
      json variant = json::object();
      variant["name"] = v.name;
      variant["score"] = v.score;
      variants.push_back(std::move(variant));
    }
    json beat = json::object();
    beat["index"] = b.index;
    beat["tick"] = b.tick;
    beat["ms"] = b.ms;
    beat["chord"] = b.chord ? ChordJson(*b.chord) : json(nullptr);
    beat["rank"] = Optional(b.rank);
    beat["variants"] = std::move(variants);
    beat["notes"] = b.notes;
    beats.push_back(std::move(beat));
  }
  json lyrics = json::array();
  for (const TAnalysisSyllable& s : doc.lyrics)
    lyrics.push_back({{"text", s.text},
                      {"tick", s.tick},
                      {"ms", s.ms},
                      {"newLine", s.newLine},
                      {"newParagraph", s.newParagraph}});

  return json{{"schemaVersion", kAnalysisSchemaVersion},
              {"file", doc.file},
              {"format", doc.format},
              {"ticksPerQuarter", doc.ticksPerQuarter},
              {"tracks", tracks},
              {"tempoMap", tempo},
              {"timeSignatures", signatures},
              {"length", {{"ticks", doc.lengthTicks}, {"ms", doc.lengthMs}}},
              {"beatLength", doc.beatLength},
              {"notation", doc.notation},
              {"karaoke", doc.karaoke},
              {"transposition", doc.transposition},
              {"key", KeyJson(doc.key)},
              {"beats", beats},
              {"lyrics", lyrics},
              {"errors", doc.errors},
              {"warnings", doc.warnings}};
}

// Texts of a file that are not valid UTF-8 get the replacement character rather than failing
// the whole document.
std::string AnalysisJsonDocument(const TAnalysisDocument& doc) {
  return AnalysisJson(doc).dump(2, ' ', false, json::error_handler_t::replace) + '\n';
}

std::string AnalysisJsonLine(const TAnalysisDocument& doc) {
  return AnalysisJson(doc).dump(-1, ' ', false, json::error_handler_t::replace) + '\n';
}
