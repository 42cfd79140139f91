#pragma once
// Reading aloud: with "Leggi ad alta voce" ticked the program says its
// exercises and verdicts in Italian through the speech service; with it
// cleared nothing here reaches the service. Nothing here ever waits.

#include <QString>
#include <functional>

class QObject;

// The switch, program-wide. Switching on starts the engine in the background;
// when it turns out unable to speak the switch goes off by itself, the reason
// is said once on standard error and the listeners are told.
bool readingAloud();
void setReadingAloud(bool on);
// Why the program cannot read aloud, empty while it can (or may still).
QString readAloudUnavailable();
// Runs `changed` whenever the speech status changes, while `context` lives.
void onReadAloudChanged(QObject *context, std::function<void()> changed);

// Says `text` after what is still being said.
void readAloud(const QString &text);
// Silences what is being said and drops what waits, then says `text`.
void readAloudAnew(const QString &text);
// Says what `text` gives after `ms` milliseconds (a sound's length), unless
// reading was stopped or `context` is gone by then.
void readAloudAfter(int ms, QObject *context, std::function<QString()> text);
// Silences everything at once.
void stopReading();

// The length of a wave file in milliseconds, 0 when it cannot be read.
int soundLengthMs(const QString &path);
