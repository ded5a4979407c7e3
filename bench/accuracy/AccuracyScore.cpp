#include "bench/accuracy/AccuracyScore.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

double Percent(int64_t part, int64_t whole) {
  return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

template <typename... Args>
std::string Format(const char* fmt, Args... args) {
  char buf[512];
  std::snprintf(buf, sizeof buf, fmt, args...);
  return buf;
}

std::string FiguresLine(const TAccuracyCounts& c) {
  return Format("root %6.2f %%   major/minor %6.2f %% (of %lld)   full chord %6.2f %%   "
                "without a chord %5.2f %%   beats %lld",
                c.RootPercent(), c.MajMinPercent(), static_cast<long long>(c.MajMinBeats),
                c.FullPercent(), c.NoChordPercent(), static_cast<long long>(c.Beats));
}

}  // namespace

TBeatChord BeatChordOf(const TChord& chord) {
  TChord c = chord;
  const TChordTones slots = ChordTones(c);
  TBeatChord b;
  b.Present = true;
  const int base = ((c.BasePitch % 12) + 12) % 12;
  for (int8_t s : slots)
    if (s != NoChordTone) b.Tones |= static_cast<PitchClassSet>(1u << ((base + s) % 12));
  b.Root = static_cast<int8_t>((base + c.RootOffset) % 12);
  b.Bass = static_cast<int8_t>((base + c.BassOffset) % 12);
  b.Name = ChordName(chord, NoteNotation::English);
  return b;
}

void TAccuracyCounts::Add(const TTruthLabel& label, const TBeatChord& chosen) {
  ++Beats;
  const bool majMin = label.Family != TChordFamily::Other;
  if (majMin) ++MajMinBeats;
  if (!chosen.Present) {
    ++NoChord;
    return;
  }
  const bool root = chosen.Root == label.Root;
  RootHits += root;
  MajMinHits += majMin && root && ChordFamily(chosen.Tones, chosen.Root) == label.Family;
  // Compared as sets over the bass, so a symmetric chord named from another of its tones
  // (G#aug/C for Caug) still agrees in full while its root does not.
  FullHits += chosen.Tones == label.Tones && chosen.Bass == label.Bass;
}

TAccuracyCounts& TAccuracyCounts::operator+=(const TAccuracyCounts& o) {
  Beats += o.Beats;
  RootHits += o.RootHits;
  MajMinBeats += o.MajMinBeats;
  MajMinHits += o.MajMinHits;
  FullHits += o.FullHits;
  NoChord += o.NoChord;
  return *this;
}

double TAccuracyCounts::RootPercent() const { return Percent(RootHits, Beats); }
double TAccuracyCounts::MajMinPercent() const { return Percent(MajMinHits, MajMinBeats); }
double TAccuracyCounts::FullPercent() const { return Percent(FullHits, Beats); }
double TAccuracyCounts::NoChordPercent() const { return Percent(NoChord, Beats); }

std::vector<TBeatVerdict> JudgeBeats(const TTruthLabels& labels,
                                     const std::vector<TBeatChord>& beats, int32_t beatLength,
                                     TBeatJudging judging) {
  std::vector<TBeatVerdict> verdicts;
  verdicts.reserve(beats.size());
  for (size_t b = 0; b < beats.size(); ++b) {
    TBeatVerdict v;
    v.Beat = static_cast<int32_t>(b);
    v.Tick = static_cast<int32_t>(static_cast<int64_t>(b) * beatLength);
    const int64_t end = std::min<int64_t>(int64_t{v.Tick} + beatLength, INT32_MAX);
    v.Label = judging == TBeatJudging::Start ? LabelAt(labels, v.Tick)
                                             : LabelCovering(labels, v.Tick, static_cast<int32_t>(end));
    v.Chosen = beats[b];
    if (v.Label && v.Chosen.Present) {
      v.RootHit = v.Chosen.Root == v.Label->Root;
      v.FullHit = v.Chosen.Tones == v.Label->Tones && v.Chosen.Bass == v.Label->Bass;
    }
    verdicts.push_back(std::move(v));
  }
  return verdicts;
}

TAccuracyCounts CountVerdicts(const std::vector<TBeatVerdict>& verdicts) {
  TAccuracyCounts c;
  for (const TBeatVerdict& v : verdicts)
    if (v.Label) c.Add(*v.Label, v.Chosen);
  return c;
}

std::string FormatAccuracyReport(const std::vector<TSongAccuracy>& songs,
                                 const TAccuracyReportOptions& options) {
  TAccuracyCounts total, onGrid, offGrid;
  int offGridSongs = 0;
  std::vector<const TSongAccuracy*> measured, failed;
  int keysense = 0, keyless = 0;
  for (const TSongAccuracy& s : songs) {
    if (!s.Error.empty()) {
      failed.push_back(&s);
      continue;
    }
    total += s.Counts;
    (s.OnBeatGrid ? onGrid : offGrid) += s.Counts;
    offGridSongs += !s.OnBeatGrid;
    if (s.Counts.Beats > 0) measured.push_back(&s);
    keysense += s.Keysense;
    keyless += s.KeyEntry < 0;
  }
  std::string out;
  if (!options.Title.empty()) out += options.Title + "\n";
  out += Format("songs measured %zu of %zu; Keysense active in %d, no key in %d\n",
                measured.size(), songs.size(), keysense, keyless);
  out += FiguresLine(total) + "\n";
  if (offGridSongs > 0) {
    out += Format("songs whose chords change on the program's beats (%zu):\n  ", songs.size() - failed.size() - static_cast<size_t>(offGridSongs)) +
           FiguresLine(onGrid) + "\n";
    out += Format("songs whose chords change inside the program's beats (%d):\n  ", offGridSongs) +
           FiguresLine(offGrid) + "\n";
  }
  std::stable_sort(measured.begin(), measured.end(), [](const TSongAccuracy* a, const TSongAccuracy* b) {
    if (a->Counts.RootPercent() != b->Counts.RootPercent())
      return a->Counts.RootPercent() < b->Counts.RootPercent();
    return a->Counts.FullPercent() < b->Counts.FullPercent();
  });
  const size_t worst = std::min(measured.size(), static_cast<size_t>(std::max(options.WorstSongs, 0)));
  if (worst > 0) {
    out += Format("worst %zu songs:     root   maj/min   full   no chord   beats   key\n", worst);
    for (size_t i = 0; i < worst; ++i) {
      const TSongAccuracy& s = *measured[i];
      out += Format("  %-16s %6.2f   %6.2f   %6.2f   %6.2f   %6lld   %-3s%s\n", s.Name.c_str(),
                    s.Counts.RootPercent(), s.Counts.MajMinPercent(), s.Counts.FullPercent(),
                    s.Counts.NoChordPercent(), static_cast<long long>(s.Counts.Beats),
                    s.KeyEntry < 0 ? "-" : PitchClassName(static_cast<int8_t>(s.KeyEntry), AccidentalSpelling::Sharps, NoteNotation::English).c_str(),
                    s.OnBeatGrid ? "" : "   chords change inside the beats");
    }
  }
  if (!failed.empty()) {
    out += "not measured:\n";
    for (const TSongAccuracy* s : failed) out += "  " + s->Name + ": " + s->Error + "\n";
  }
  return out;
}

std::string FormatBeatVerdicts(const std::vector<TBeatVerdict>& verdicts) {
  std::string out;
  for (const TBeatVerdict& v : verdicts) {
    if (!v.Label) continue;
    const char* mark = !v.Chosen.Present ? "none" : v.FullHit ? "full" : v.RootHit ? "root" : "WRONG";
    out += Format("%5d %8d  %-10s %-12s %s\n", v.Beat, v.Tick, v.Label->Name.c_str(),
                  v.Chosen.Present ? v.Chosen.Name.c_str() : "-", mark);
  }
  return out;
}

namespace {

struct TGroupTotals {
  TAccuracyCounts All, OnGrid, OffGrid;
  int Songs = 0, OnGridSongs = 0;
};

TGroupTotals SumGroups(const std::vector<TSongAccuracy>& songs) {
  TGroupTotals t;
  for (const TSongAccuracy& s : songs) {
    if (!s.Error.empty()) continue;
    ++t.Songs;
    t.All += s.Counts;
    (s.OnBeatGrid ? t.OnGrid : t.OffGrid) += s.Counts;
    t.OnGridSongs += s.OnBeatGrid;
  }
  return t;
}

std::string ComparisonRow(const std::string& label, const TAccuracyCounts& c) {
  return Format("  %-28s %7.2f %8.2f %7.2f %9.2f\n", label.c_str(), c.RootPercent(), c.MajMinPercent(),
                c.FullPercent(), c.NoChordPercent());
}

std::string DifferenceRow(const std::string& label, const TAccuracyCounts& base, const TAccuracyCounts& c) {
  return Format("  %-28s %+7.2f %+8.2f %+7.2f %+9.2f\n", label.c_str(), c.RootPercent() - base.RootPercent(),
                c.MajMinPercent() - base.MajMinPercent(), c.FullPercent() - base.FullPercent(),
                c.NoChordPercent() - base.NoChordPercent());
}

}  // namespace

std::string FormatChoiceComparison(const std::vector<TChoiceResults>& choices, int changedSongs) {
  if (choices.empty()) return {};
  std::vector<TGroupTotals> totals;
  for (const TChoiceResults& c : choices) totals.push_back(SumGroups(c.Songs));
  const TGroupTotals& first = totals.front();
  std::string out;
  struct TGroup {
    std::string title;
    TAccuracyCounts TGroupTotals::*counts;
  };
  const std::vector<TGroup> groups = {
      {Format("all %d songs", first.Songs), &TGroupTotals::All},
      {Format("%d songs changing chords on the beats", first.OnGridSongs), &TGroupTotals::OnGrid},
      {Format("%d songs changing chords inside the beats", first.Songs - first.OnGridSongs), &TGroupTotals::OffGrid},
  };
  for (const TGroup& g : groups) {
    if ((first.*g.counts).Beats == 0) continue;
    out += g.title + ":\n" + std::string(34, ' ') + "root  maj/min    full  no chord\n";
    for (size_t i = 0; i < choices.size(); ++i) out += ComparisonRow(choices[i].Name, totals[i].*g.counts);
    for (size_t i = 1; i < choices.size(); ++i)
      out += DifferenceRow("change, " + choices[i].Name, first.*g.counts, totals[i].*g.counts);
  }

  // The songs the last choice changed most, gains and losses of root agreement.
  const std::vector<TSongAccuracy>& a = choices.front().Songs;
  const std::vector<TSongAccuracy>& b = choices.back().Songs;
  struct TChange {
    const TSongAccuracy* before;
    const TSongAccuracy* after;
    double points;
  };
  std::vector<TChange> changes;
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if (a[i].Error.empty() && b[i].Error.empty() && a[i].Counts.Beats > 0)
      changes.push_back({&a[i], &b[i], b[i].Counts.RootPercent() - a[i].Counts.RootPercent()});
  std::stable_sort(changes.begin(), changes.end(),
                   [](const TChange& x, const TChange& y) { return x.points < y.points; });
  const size_t n = std::min(changes.size(), static_cast<size_t>(std::max(changedSongs, 0)));
  if (choices.size() > 1 && n > 0) {
    auto list = [&](const char* title, auto begin, auto end) {
      out += Format("%s (root before -> after, full before -> after):\n", title);
      for (auto it = begin; it != end; ++it)
        out += Format("  %-16s %6.2f -> %6.2f   %6.2f -> %6.2f%s\n", it->before->Name.c_str(),
                      it->before->Counts.RootPercent(), it->after->Counts.RootPercent(),
                      it->before->Counts.FullPercent(), it->after->Counts.FullPercent(),
                      it->before->OnBeatGrid ? "" : "   chords change inside the beats");
    };
    list("songs losing most", changes.begin(), changes.begin() + static_cast<std::ptrdiff_t>(n));
    list("songs gaining most", changes.rbegin(), changes.rbegin() + static_cast<std::ptrdiff_t>(n));
  }
  return out;
}
