#include "platform/QtMainThreadPoster.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QtGlobal>

#include <exception>

TQtMainThreadPoster::TQtMainThreadPoster() : context_(new QObject) {}

TQtMainThreadPoster::~TQtMainThreadPoster() {
  if (!context_) return;
  // The last owner may let go on a service thread; the object then dies on its own thread.
  if (context_->thread() == QThread::currentThread())
    delete context_.data();
  else
    context_->deleteLater();
}

void TQtMainThreadPoster::SetErrorReport(std::function<void(const std::string&)> report) {
  report_ = std::move(report);
}

void TQtMainThreadPoster::Post(std::function<void()> work) {
  if (!work || !context_) return;
  auto report = report_;
  QMetaObject::invokeMethod(
      context_.data(),
      [work = std::move(work), report] {
        try {
          work();
        } catch (const std::exception& e) {
          if (report)
            report(e.what());
          else
            qWarning("%s", e.what());
        }
      },
      Qt::QueuedConnection);
}
