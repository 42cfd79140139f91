// Windows: sounds through the multimedia library, the display switch through
// the display settings, speech through SAPI 5.

#include "platform/platform.h"
#include "platform/win32/speech_thread.h"

#include <QFileInfo>

#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <string>

namespace {

class WinSound final : public SoundPlayer {
public:
    // The system plays the file on a thread of its own, cutting off the one
    // before; a missing or broken file is refused without a sound.
    void play(const QString &path) override
    {
        if (!QFileInfo(path).isFile())
            return;
        const std::wstring wide = path.toStdWString();
        PlaySoundW(wide.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
    }
    void beep() override { MessageBeep(MB_OK); }
};

} // namespace

std::unique_ptr<SoundPlayer> platformSound() { return std::make_unique<WinSound>(); }

std::unique_ptr<Speech> platformSpeech() { return threadedSpeech(sapiEngine); }

int platformSwitchDisplay(int width, int height)
{
    DEVMODEW current{};
    current.dmSize = sizeof current;
    EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &current);
    // Of the modes of that size, the one closest to the colours and the rate
    // in use.
    DEVMODEW best{};
    bool found = false;
    auto distance = [&current](const DEVMODEW &m) {
        return (m.dmBitsPerPel != current.dmBitsPerPel) * 1000
            + std::abs(static_cast<int>(m.dmDisplayFrequency)
                       - static_cast<int>(current.dmDisplayFrequency));
    };
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; EnumDisplaySettingsW(nullptr, i, &mode); ++i) {
        if (static_cast<int>(mode.dmPelsWidth) != width
            || static_cast<int>(mode.dmPelsHeight) != height)
            continue;
        if (!found || distance(mode) < distance(best))
            best = mode;
        found = true;
    }
    if (!found)
        return DISP_CHANGE_BADMODE;
    best.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
    // DISP_CHANGE_SUCCESSFUL is 0 and DISP_CHANGE_RESTART is 1, the codes the
    // program's own; every failure is below 0.
    return ChangeDisplaySettingsW(&best, CDS_UPDATEREGISTRY);
}

// Nothing waits for the first window: the sound and speech libraries are the
// system's own and load with the program.
void platformStarted() {}

std::jthread platformPrepare() { return {}; }
