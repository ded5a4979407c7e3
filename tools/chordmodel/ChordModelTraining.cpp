// Fitting the model: multinomial logistic regression with one weight set per chord type
// shared by the twelve roots through rotation of the features, trained with Adam.
#include "tools/chordmodel/ChordModelTraining.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <stdexcept>

#include "bench/accuracy/AccuracyRun.h"
#include "bench/accuracy/ChordTruth.h"
#include "song/ChordModelSearch.h"
#include "song/Prompter.h"
#include "song/SongSession.h"

namespace {

constexpr size_t kTypes = ChordModelTypeCount;
constexpr size_t kInputs = ChordFeatureCount;
constexpr size_t kParameters = kTypes * kInputs + kTypes;  // weights, then biases

// The model's numbers as one flat vector and back: the optimiser sees only the vector.
void Unpack(const std::vector<float>& theta, TChordModel& model) {
  for (size_t t = 0; t < kTypes; ++t) {
    std::copy_n(theta.begin() + static_cast<std::ptrdiff_t>(t * kInputs), kInputs, model.Weights[t].begin());
    model.Bias[t] = theta[kTypes * kInputs + t];
  }
}

// Adds the gradient of the beat's cross-entropy to grad; returns the loss.
double AddBeatGradient(const std::vector<float>& theta, const TTrainingBeat& beat, TRotatedFeatures& rotated,
                       std::vector<float>& grad) {
  RotateFeatures(beat.Features, rotated);
  std::array<float, ChordModelClassCount> p;
  float best = -INFINITY;
  for (size_t t = 0; t < kTypes; ++t) {
    const float* w = &theta[t * kInputs];
    const float bias = theta[kTypes * kInputs + t];
    for (size_t r = 0; r < 12; ++r) {
      const float* f = rotated[r].data();
      float s = bias;
      for (size_t i = 0; i < kInputs; ++i) s += w[i] * f[i];
      p[t * 12 + r] = s;
      best = std::max(best, s);
    }
  }
  double sum = 0;
  for (float& s : p) {
    s = std::exp(s - best);
    sum += s;
  }
  const float scale = static_cast<float>(1.0 / sum);
  for (float& s : p) s *= scale;
  const size_t label = static_cast<size_t>(beat.Class);
  const double loss = -std::log(std::max(1e-30, static_cast<double>(p[label])));
  p[label] -= 1.0f;
  for (size_t t = 0; t < kTypes; ++t) {
    float* g = &grad[t * kInputs];
    float biasGrad = 0;
    for (size_t r = 0; r < 12; ++r) {
      const float d = p[t * 12 + r];
      biasGrad += d;
      const float* f = rotated[r].data();
      for (size_t i = 0; i < kInputs; ++i) g[i] += d * f[i];
    }
    grad[kTypes * kInputs + t] += biasGrad;
  }
  return loss;
}

}  // namespace

std::vector<TTrainingBeat> LabelledBeats(const TTrainingSong& song) {
  SilentPrompter prompter;
  NullStatusSink status;
  TSongSession session(prompter, status);
  TTruthLabels labels;
  try {
    if (!session.LoadSong(song.MidiPath)) throw std::runtime_error("the file has no tracks");
    TCorpusSong corpusSong;
    corpusSong.MidiPath = song.MidiPath;
    corpusSong.TablePath = song.TablePath;
    labels = ReadSongLabels(corpusSong, session.MidiFile, song.LabelTrack);
    if (song.TablePath.empty() && !song.HearLabelTrack) session.SetTrackEnabled(song.LabelTrack, false);
  } catch (const std::exception& e) {
    throw std::runtime_error(song.MidiPath + ": " + e.what());
  }
  const int32_t beatLength = session.beatLength();
  if (beatLength < 1) throw std::runtime_error(song.MidiPath + ": no beats");
  const size_t count = static_cast<size_t>(std::max(0, session.MidiFile.SongLength()) / beatLength + 1);
  std::vector<TBeatFeatures> features = ChordModelFeatures(SongSoundingNotes(session.MidiFile.Song()), beatLength, count);
  std::vector<TTrainingBeat> beats;
  for (size_t b = 0; b < count; ++b) {
    if (features[b].Silent) continue;
    const TTruthLabel* label = LabelAt(labels, static_cast<int32_t>(b) * beatLength);
    if (!label) continue;
    const int cls = ChordModelClassOf(label->Tones, label->Root, label->Bass);
    if (cls < 0) continue;
    beats.push_back({features[b], cls});
  }
  return beats;
}

TChordModel TrainChordModel(const std::vector<TTrainingBeat>& beats, const TTrainingOptions& options,
                            const std::function<void(int, double)>& progress) {
  std::vector<float> theta(kParameters, 0.0f), m(kParameters, 0.0f), v(kParameters, 0.0f), grad(kParameters);
  constexpr double beta1 = 0.9, beta2 = 0.999, epsilon = 1e-8;
  std::vector<size_t> order(beats.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::mt19937 random(options.Seed);
  TRotatedFeatures rotated;
  const size_t batchSize = std::max<size_t>(1, options.BatchSize);
  double rate = options.Rate;
  int64_t step = 0;
  for (int epoch = 1; epoch <= options.Epochs; ++epoch) {
    if (epoch > options.HalveAfter) rate /= 2;
    // Fisher-Yates with the generator's raw numbers: the same order on every standard library.
    for (size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[random() % i]);
    double epochLoss = 0;
    for (size_t first = 0; first < order.size(); first += batchSize) {
      const size_t last = std::min(order.size(), first + batchSize);
      std::fill(grad.begin(), grad.end(), 0.0f);
      for (size_t i = first; i < last; ++i) epochLoss += AddBeatGradient(theta, beats[order[i]], rotated, grad);
      const float n = static_cast<float>(last - first);
      ++step;
      const double correction1 = 1 - std::pow(beta1, static_cast<double>(step));
      const double correction2 = 1 - std::pow(beta2, static_cast<double>(step));
      for (size_t k = 0; k < kParameters; ++k) {
        double g = grad[k] / n;
        if (k < kTypes * kInputs) g += 2.0 * options.WeightDecay * theta[k];
        m[k] = static_cast<float>(beta1 * m[k] + (1 - beta1) * g);
        v[k] = static_cast<float>(beta2 * v[k] + (1 - beta2) * g * g);
        const double mHat = m[k] / correction1, vHat = v[k] / correction2;
        theta[k] -= static_cast<float>(rate * mHat / (std::sqrt(vHat) + epsilon));
      }
    }
    if (progress) progress(epoch, beats.empty() ? 0.0 : epochLoss / static_cast<double>(beats.size()));
  }
  TChordModel model;
  Unpack(theta, model);
  return model;
}

double ClassAccuracy(const TChordModel& model, const std::vector<TTrainingBeat>& beats) {
  if (beats.empty()) return 0;
  size_t hits = 0;
  for (const TTrainingBeat& b : beats) {
    const TClassScores s = ChordModelLogProbabilities(model, b.Features);
    if (std::max_element(s.begin(), s.end()) - s.begin() == b.Class) ++hits;
  }
  return static_cast<double>(hits) / static_cast<double>(beats.size());
}
