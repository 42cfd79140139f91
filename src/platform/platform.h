#pragma once
// What differs from one system to another. qt/ holds the services Qt gives
// alike everywhere; linux/ and win32/ each define the functions below for
// their system, and the build takes one of the two.

#include "frame/services.h"

#include <memory>
#include <thread>

// Wave files played by path in the background, and the system beep.
std::unique_ptr<SoundPlayer> platformSound();
// Speech in Italian, or a service that says why there is none.
std::unique_ptr<Speech> platformSpeech();
// Switches the display to width x height: 0 switched, 1 switched after a
// restart, anything else not switched.
int platformSwitchDisplay(int width, int height);
// Called once, when the child has left the splash screen: what the start did
// not need (the sound libraries, say) is made ready from then on, before the
// first answer.
void platformStarted();
// Called first thing, before the application object is made: starts on a
// thread of its own what the first window will need and what can be done
// beside Qt's own start (reading the font configuration, say). Joined before
// the first window is made; a thread that cannot join does nothing.
std::jthread platformPrepare();
