#include "frame/voice.h"

#include "frame/services.h"
#include "frame/state.h"

#include <QFile>
#include <QPointer>

#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Listener {
    QPointer<QObject> context;
    std::function<void()> changed;
};

std::vector<Listener> &listeners()
{
    static std::vector<Listener> l;
    return l;
}

// Grows with every stop: a sentence waiting for a sound to end is dropped
// when reading was stopped meanwhile.
unsigned &epoch()
{
    static unsigned e = 0;
    return e;
}

bool &toldUnavailable()
{
    static bool told = false;
    return told;
}

void speechChanged()
{
    if (!services().speech->available()) {
        shared().LeggiAdAltaVoce = 0;
        if (!toldUnavailable()) {
            toldUnavailable() = true;
            std::fprintf(stderr, "tolvena: la lettura ad alta voce non è disponibile: %s.\n",
                         qPrintable(readAloudUnavailable()));
        }
    }
    std::vector<Listener> live;
    for (Listener &l : listeners())
        if (l.context)
            live.push_back(l);
    listeners() = live;
    for (const Listener &l : live)
        if (l.context)
            l.changed();
}

} // namespace

bool readingAloud()
{
    return shared().LeggiAdAltaVoce != 0 && services().speech->available();
}

void setReadingAloud(bool on)
{
    Speech &speech = *services().speech;
    if (!on && readingAloud())
        stopReading();
    shared().LeggiAdAltaVoce = on && speech.available() ? -1 : 0;
    if (on)
        speech.start(speechChanged);
    if (on && !speech.available())
        speechChanged();
}

QString readAloudUnavailable()
{
    const Speech &speech = *services().speech;
    return speech.available() ? QString() : speech.unavailableReason();
}

void onReadAloudChanged(QObject *context, std::function<void()> changed)
{
    listeners().push_back({context, std::move(changed)});
}

void readAloud(const QString &text)
{
    if (readingAloud() && !text.trimmed().isEmpty())
        services().speech->say(text);
}

void readAloudAnew(const QString &text)
{
    stopReading();
    readAloud(text);
}

void readAloudAfter(int ms, QObject *context, std::function<QString()> text)
{
    if (!readingAloud())
        return;
    const unsigned at = epoch();
    services().timer->after(ms, context, [at, text = std::move(text)] {
        if (at == epoch())
            readAloud(text());
    });
}

void stopReading()
{
    ++epoch();
    if (readingAloud())
        services().speech->stop();
}

int soundLengthMs(const QString &path)
{
    if (path.isEmpty())
        return 0;
    static std::map<QString, int> known;
    const auto it = known.find(path);
    if (it != known.end())
        return it->second;
    int ms = 0;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(4096);
        const auto le32 = [&head](qsizetype at) {
            quint32 v = 0;
            for (int i = 3; i >= 0; --i)
                v = (v << 8) | static_cast<quint8>(head[at + i]);
            return v;
        };
        quint32 byteRate = 0;
        // Chunks follow "RIFF", the length and "WAVE": a name and a length each.
        for (qsizetype at = 12; at + 8 <= head.size();) {
            const QByteArray name = head.mid(at, 4);
            const quint32 size = le32(at + 4);
            if (name == "fmt " && at + 20 <= head.size())
                byteRate = le32(at + 16);
            if (name == "data") {
                if (byteRate > 0)
                    ms = static_cast<int>(std::min<quint64>(quint64(size) * 1000 / byteRate, 60000));
                break;
            }
            if (size > quint32(head.size()))
                break;
            at += 8 + qsizetype(size) + (size & 1);
        }
    }
    known[path] = ms;
    return ms;
}
