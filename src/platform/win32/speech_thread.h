#pragma once
// Speech on a thread of its own, over a voice engine made on that thread.
// The window thread only posts sentences and stops to it and hears back the
// status; an engine that is slow to open or to take a sentence never holds
// the window up.

#include "frame/services.h"

#include <QString>

#include <functional>
#include <memory>

// What the speech thread drives: an engine that speaks in the background.
class VoiceEngine {
public:
    virtual ~VoiceEngine() = default;
    // Readies the engine with an Italian voice: why it cannot speak, or
    // nothing when it can.
    virtual QString open() = 0;
    // Queues `text` after what is being spoken; with `purge`, silences that
    // and drops the queue first (an empty text then only silences). Returns
    // at once: false when the engine refused.
    virtual bool speak(const QString &text, bool purge) = 0;
};

// Why the program cannot speak when an engine that opened refuses a sentence.
QString refusedSentenceReason();

// `make` runs on the speech thread, the first time the speech is started.
std::unique_ptr<Speech> threadedSpeech(std::function<std::unique_ptr<VoiceEngine>()> make);

// The engine over SAPI 5 on this machine.
std::unique_ptr<VoiceEngine> sapiEngine();
