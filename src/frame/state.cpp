#include "frame/state.h"

#include <limits>

SharedState &shared()
{
    static SharedState s;
    return s;
}

void countOne(std::int16_t &counter)
{
    if (counter < std::numeric_limits<std::int16_t>::max())
        ++counter;
}
