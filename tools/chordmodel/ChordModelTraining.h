#pragma once
// Training the learned chord model: labelled beats from songs whose chords people wrote down,
// and the weights fitted to them. Deterministic: the same beats and options give the same
// model, bit for bit, on the same build.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chords/ChordModel.h"

struct TTrainingBeat {
  TBeatFeatures Features;
  int32_t Class = -1;
};

// One labelled song: a MIDI file, with its labels in a "<name>.truth.tsv" table beside it or
// in a label track (one block of notes per chord).
struct TTrainingSong {
  std::string MidiPath;
  std::string TablePath;      // empty: the label track
  int LabelTrack = 2;
  bool HearLabelTrack = false;  // the label track is part of the music (else it is muted)
};

// The sounding beats of a song whose label (the chord sounding at the beat's first tick) maps
// to a class, cut at the program's own beat length for the song. Throws std::runtime_error
// naming the song when it cannot be read or has no labels.
std::vector<TTrainingBeat> LabelledBeats(const TTrainingSong& song);

struct TTrainingOptions {
  int Epochs = 10;
  size_t BatchSize = 2048;
  float Rate = 0.03f;
  int HalveAfter = 5;            // the rate is halved at the start of every later epoch
  float WeightDecay = 0.5e-5f;   // times the sum of the squared weights (not the biases)
  uint32_t Seed = 20241207;
};

// Cross-entropy over the softmax of all classes plus the weight decay, minimised with Adam
// over shuffled mini-batches. `progress` hears the mean loss of every epoch.
TChordModel TrainChordModel(const std::vector<TTrainingBeat>& beats, const TTrainingOptions& options,
                            const std::function<void(int epoch, double loss)>& progress = {});

// The share of the beats whose most likely class is their label's (no decoding).
double ClassAccuracy(const TChordModel& model, const std::vector<TTrainingBeat>& beats);
