#include "frame/services.h"

#include <cmath>

namespace {

Services &current()
{
    static Services s = qtServices();
    return s;
}

} // namespace

Services &services() { return current(); }

void installServices(Services s)
{
    Services &c = current();
    if (s.random) c.random = std::move(s.random);
    if (s.messages) c.messages = std::move(s.messages);
    if (s.sound) c.sound = std::move(s.sound);
    if (s.display) c.display = std::move(s.display);
    if (s.instance) c.instance = std::move(s.instance);
    if (s.timer) c.timer = std::move(s.timer);
    if (s.application) c.application = std::move(s.application);
    if (s.speech) c.speech = std::move(s.speech);
    if (s.announcer) c.announcer = std::move(s.announcer);
}

double Rnd() { return services().random->next(); }

int Int(double x) { return static_cast<int>(std::floor(x)); }
