#pragma once
// Work posted from any thread runs in the Qt event loop of the thread that created the poster
// (the GUI thread): the completion notices of the MIDI output come this way.

#include <QPointer>

#include <functional>
#include <string>

#include "midi/MainThreadPoster.h"

class QObject;

class TQtMainThreadPoster : public TMainThreadPoster {
 public:
  // Create it on the GUI thread.
  TQtMainThreadPoster();
  ~TQtMainThreadPoster() override;

  void Post(std::function<void()> work) override;
  // Receives the text of an exception that escapes posted work; without one it is printed
  // as a warning. The event loop must not see exceptions.
  void SetErrorReport(std::function<void(const std::string&)> report);

 private:
  QPointer<QObject> context_;
  std::function<void(const std::string&)> report_;
};
