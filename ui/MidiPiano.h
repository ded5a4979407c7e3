#pragma once
// TMidiPiano: the on-screen piano keyboard. It draws the key model (song/MidiPianoModel.h):
// sounding keys filled, marked keys outlined with a dot, a window of whole octaves. A change of
// one key repaints only that key, so following a song does not redraw the whole keyboard for
// every note. The colours are the settings WhiteKey, BlackKey, Border, SelectedKey and
// MarkedKey, read at every paint.
//
// Mouse: the left button plays the key under it while held, sliding over the keys plays each
// in turn (OnPlayNote with velocity 127, and 0 to end it); any other button toggles the key's
// mark (OnMarkByMouse first, so the window can press its auto-search button down). Moving
// over the keys reports the key and its name (OnHoverNote) for the note display.
//
// The widget installs OnKeyChanged, OnRepaint and OnShiftOctaves on the model, calling any
// handler that was there before it; OnMarkKey stays the session's. The model must outlive
// the widget's use of it, but either may be destroyed first.

#include <QWidget>

#include "settings/untVars.h"
#include "song/MidiPianoModel.h"
#include "ui/PianoGeometry.h"

class TMidiPiano : public QWidget {
  Q_OBJECT

 public:
  // The settings give the keys' colours (read at every paint) and the notation of the names.
  TMidiPiano(TMidiPianoModel& model, const TSettings& settings, QWidget* parent = nullptr);

  TMidiPianoModel& Model() { return model_; }
  // The keys laid out in widget pixels, and in the screen's device pixels, where they are
  // painted (the same at a device pixel ratio of 1).
  TPianoGeometry Geometry() const;
  TPianoGeometry DeviceGeometry() const;

  // The fewest octaves shown (the settings' choice); a wider keyboard shows more, its keys
  // keeping their proportions (PianoOctavesToFit).
  void SetMinimumOctaves(int count);
  int MinimumOctaves() const { return minimumOctaves_; }

  // The note under a point in widget pixels, -1 when none.
  int KeyAtPoint(int x, int y) const;
  // The widget rectangle a note paints (empty when the note is not shown).
  QRect KeyRect(int note) const;

  // The note held by the left button, -1 for none.
  int HeldNote() const { return heldNote_; }
  // Ends the held note (as releasing the button does), e.g. when the window loses focus.
  void ReleaseHeldNote();

  QSize sizeHint() const override { return {617, 105}; }
  QSize minimumSizeHint() const override { return {120, 40}; }

 signals:
  // A note to start (velocity 127) or end (velocity 0) on the output, from the mouse.
  void OnPlayNote(int Ton, int Velocity);
  // A mouse click is about to toggle the mark of this key.
  void OnMarkByMouse(int Ton);
  // The mouse moved over a key; Name is its name with sharps in the settings' notation.
  void OnHoverNote(int Ton, const QString& Name);
  // The first shown octave changed.
  void OnShiftOctaves(int StartOctave);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // A held note ends when the keyboard is hidden or its window loses the focus (a dialog
  // opening takes the mouse, and the release would never come).
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlayHeld(int note);
  void FitOctaves();
  // A rectangle of device pixels as the widget rectangle that covers it.
  QRect WidgetRect(const TPianoRect& r) const;

  TMidiPianoModel& model_;
  const TSettings& settings_;
  int heldNote_ = -1;
  int minimumOctaves_ = 0;  // 0: the model's count stands
};
