#pragma once
// Helpers for the front-end tests, which run on Qt's offscreen platform.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

// Lets the event loop run until `done` holds or `ms` have passed; returns `done()`.
inline bool waitFor(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return done();
}
