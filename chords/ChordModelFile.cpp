// The learned chord model's file: a versioned text, one row of numbers per chord type.
//
//   cantaro chord model 1
//   comment <one line>
//   <type name> <bias> <84 weights: group by group, 12 classes each, counted from the root>
//   ... one row per type, in any order ...
//
// Blank lines and lines starting with '#' are skipped. Numbers are written with nine
// significant digits, which gives every float back exactly.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/untMesConst.h"
#include "chords/ChordModel.h"

namespace {

constexpr std::string_view kHeader = "cantaro chord model";
constexpr std::string_view kComment = "comment";
constexpr size_t kShownDetail = 40;
// Trained weights are a few units; a number beyond this is damage, and would overflow the
// scores of a beat.
constexpr float kLargestWeight = 1e6f;  // a damaged file may hold anything: quote a little of it

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string_view NextWord(std::string_view& s) {
  s = Trim(s);
  size_t n = 0;
  while (n < s.size() && s[n] != ' ' && s[n] != '\t') ++n;
  std::string_view word = s.substr(0, n);
  s.remove_prefix(n);
  return word;
}

std::string Shown(std::string_view s) {
  std::string out(s.substr(0, kShownDetail));
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  if (s.size() > kShownDetail) out += "...";
  return out;
}

TChordModelRead Fault(TChordModelFault fault, int line, std::string_view detail = {}) {
  TChordModelRead r;
  r.Fault = fault;
  r.Line = line;
  r.Detail = Shown(detail);
  return r;
}

bool ReadFloat(std::string_view word, float& value) {
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value) && std::fabs(value) <= kLargestWeight;
}

}  // namespace

TChordModelRead ReadChordModel(std::string_view bytes) {
  TChordModel model;
  std::array<bool, ChordModelTypeCount> seen{};
  bool header = false;
  int lineNo = 0;
  while (!bytes.empty()) {
    const size_t eol = bytes.find('\n');
    std::string_view line = Trim(bytes.substr(0, eol));
    bytes.remove_prefix(eol == std::string_view::npos ? bytes.size() : eol + 1);
    ++lineNo;
    if (line.empty() || line.front() == '#') continue;
    if (!header) {
      if (line.substr(0, kHeader.size()) != kHeader) return Fault(TChordModelFault::NotAModel, 0);
      std::string_view rest = line.substr(kHeader.size());
      const std::string_view version = NextWord(rest);
      int v = 0;
      auto [ptr, ec] = std::from_chars(version.data(), version.data() + version.size(), v);
      if (ec != std::errc() || ptr != version.data() + version.size() || !Trim(rest).empty() || v < 1)
        return Fault(TChordModelFault::NotAModel, 0);
      if (v > TChordModel::Version) return Fault(TChordModelFault::NewerVersion, 0, version);
      header = true;
      continue;
    }
    std::string_view rest = line;
    const std::string_view first = NextWord(rest);
    if (first == kComment) {
      // A carriage return inside the line is a space, as the writer writes it, so that a
      // model read back from what was written has the same comment.
      std::string comment(rest);
      for (char& c : comment)
        if (c == '\r') c = ' ';
      model.Comment = std::string(Trim(comment));
      continue;
    }
    int type = -1;
    for (int t = 0; t < ChordModelTypeCount; ++t)
      if (first == ChordModelTypes[static_cast<size_t>(t)].Name) type = t;
    if (type < 0) {
      // A row of numbers under a name the program does not know, or something else entirely.
      const std::string_view number = NextWord(rest);
      float ignored = 0;
      return Fault(ReadFloat(number, ignored) ? TChordModelFault::UnknownType : TChordModelFault::BadLine, lineNo,
                   ReadFloat(number, ignored) ? first : line);
    }
    if (seen[static_cast<size_t>(type)]) return Fault(TChordModelFault::Duplicate, lineNo, first);
    seen[static_cast<size_t>(type)] = true;
    int count = 0;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest), ++count) {
      float value = 0;
      if (!ReadFloat(word, value)) return Fault(TChordModelFault::BadNumber, lineNo, word);
      if (count == 0)
        model.Bias[static_cast<size_t>(type)] = value;
      else if (count <= ChordFeatureCount)
        model.Weights[static_cast<size_t>(type)][static_cast<size_t>(count - 1)] = value;
    }
    if (count != ChordFeatureCount + 1)
      return Fault(TChordModelFault::WrongCount, lineNo,
                   std::to_string(count) + " / " + std::to_string(ChordFeatureCount + 1));
  }
  if (!header) return Fault(TChordModelFault::NotAModel, 0);
  for (int t = 0; t < ChordModelTypeCount; ++t)
    if (!seen[static_cast<size_t>(t)])
      return Fault(TChordModelFault::Missing, 0, ChordModelTypes[static_cast<size_t>(t)].Name);
  TChordModelRead r;
  r.Model = std::move(model);
  return r;
}

std::string WriteChordModel(const TChordModel& model) {
  std::string out = std::string(kHeader) + " " + std::to_string(TChordModel::Version) + "\n";
  std::string comment = model.Comment;
  for (char& c : comment)
    if (c == '\n' || c == '\r') c = ' ';
  if (!comment.empty()) out += std::string(kComment) + " " + comment + "\n";
  out += "# per type: bias, then 7 groups x 12 pitch classes from the root (share, saturated,\n"
         "# bass, lowest, onset, share before, share after)\n";
  char number[32];
  for (int t = 0; t < ChordModelTypeCount; ++t) {
    out += ChordModelTypes[static_cast<size_t>(t)].Name;
    std::snprintf(number, sizeof number, " %.9g", static_cast<double>(model.Bias[static_cast<size_t>(t)]));
    out += number;
    for (float w : model.Weights[static_cast<size_t>(t)]) {
      std::snprintf(number, sizeof number, " %.9g", static_cast<double>(w));
      out += number;
    }
    out += '\n';
  }
  return out;
}

std::string ChordModelFaultText(const TChordModelRead& read) {
  switch (read.Fault) {
    case TChordModelFault::None: return {};
    case TChordModelFault::NotAModel: return Mes(MesId::SChordModelNotAModel);
    case TChordModelFault::NewerVersion: return MesFormat(MesId::SChordModelNewerVersion, read.Detail);
    case TChordModelFault::BadLine: return MesFormat(MesId::SChordModelBadLine, read.Line, read.Detail);
    case TChordModelFault::BadNumber: return MesFormat(MesId::SChordModelBadNumber, read.Line, read.Detail);
    case TChordModelFault::WrongCount: return MesFormat(MesId::SChordModelWrongCount, read.Line, read.Detail);
    case TChordModelFault::UnknownType: return MesFormat(MesId::SChordModelUnknownType, read.Line, read.Detail);
    case TChordModelFault::Missing: return MesFormat(MesId::SChordModelMissing, read.Detail);
    case TChordModelFault::Duplicate: return MesFormat(MesId::SChordModelDuplicate, read.Line, read.Detail);
  }
  return {};
}
