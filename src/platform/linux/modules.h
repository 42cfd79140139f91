#pragma once
// On Linux the sounds (Qt Multimedia, PulseAudio, the codec libraries) and
// the speech (Qt's text-to-speech) live in modules of their own,
// libtolvena-suoni.so and libtolvena-voce.so, loaded once the first window
// is painted: none of those libraries is needed to show the splash screen.
// Each module gives one function that makes its service.

#include "frame/services.h"

#include <functional>
#include <memory>

extern "C" {
// A player that has already opened every wave file of `folder`, so that the
// first sound starts as soon as any later one.
using MakeSoundPlayer = SoundPlayer *(const QString &folder);
SoundPlayer *tolvenaSoundPlayer(const QString &folder);

// Speech in Italian through Qt's text-to-speech `engine`; `onSpeaking`, if
// set, is told on the window thread when a sentence begins and ends.
using MakeSpeech = Speech *(const QString &engine, const std::function<void(bool)> &onSpeaking);
Speech *tolvenaSpeech(const QString &engine, const std::function<void(bool)> &onSpeaking);
}

// Why there is no speech when Qt's engine for speech-dispatcher is missing.
inline QString missingSpeechEngine()
{
    return QStringLiteral("manca il motore di sintesi vocale (qt6-speech-speechd-plugin)");
}

// The same, for code linked with the module's source (tests and tools).
std::unique_ptr<Speech> qtSpeech(const QString &engine = QStringLiteral("speechd"),
                                 std::function<void(bool)> onSpeaking = {});
