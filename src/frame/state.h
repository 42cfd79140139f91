#pragma once
// The program-wide values that the screens share. Each lives once for the run.

#include <cstdint>

struct SharedState {
    std::int16_t NumeroEsatti = 0;   // right answers on the current screen
    std::int16_t NumeroErrati = 0;   // wrong answers on the current screen
    std::int16_t SuoniAttivi = -1;   // sounds switch: -1 on, 0 off
    std::int16_t NumeroMassimo = 0;  // largest number, set by some catalogue buttons
    std::int16_t NumeroCasuale = 0;  // the number of the exercise on show
    std::int16_t LeggiAdAltaVoce = 0; // read-aloud switch: -1 on, 0 off
};

SharedState &shared();

// One more answer on a counter that stops at 32767 instead of wrapping.
void countOne(std::int16_t &counter);

inline bool soundsOn() { return shared().SuoniAttivi != 0; }
