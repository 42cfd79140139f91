#pragma once
// The benches' one way of letting time pass: the event loop runs until `done`
// holds or `ms` milliseconds have gone by.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

inline bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    return done();
}
