#include "platform/win32/desktop.h"

#include "frame/feedback.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

#include <windows.h>

#include <string>

namespace {

bool writesSomewhere(DWORD which)
{
    const HANDLE h = GetStdHandle(which);
    return h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

// Where the program's lines go: the file, pipe or console its standard
// output and error were given, the console of the process that started it,
// or nowhere a person sees.
enum class Sink { Standard, ParentConsole, None };

Sink sink()
{
    static const Sink s = writesSomewhere(STD_ERROR_HANDLE) || writesSomewhere(STD_OUTPUT_HANDLE)
        ? Sink::Standard
        : AttachConsole(ATTACH_PARENT_PROCESS) ? Sink::ParentConsole
                                               : Sink::None;
    return s;
}

// A console is written in UTF-16, whatever its code page.
bool writeConsole(HANDLE h, const QString &text)
{
    DWORD mode = 0;
    if (!GetConsoleMode(h, &mode))
        return false;
    const std::wstring wide = text.toStdWString();
    DWORD written = 0;
    return WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

} // namespace

void platformSay(std::FILE *to, const QString &text, bool box)
{
    switch (sink()) {
    case Sink::Standard: {
        std::fflush(to);
        if (writeConsole(GetStdHandle(to == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), text))
            return;
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, bytes.size(), to);
        std::fflush(to);
        return;
    }
    case Sink::ParentConsole: {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        const bool written = console != INVALID_HANDLE_VALUE && writeConsole(console, text);
        if (console != INVALID_HANDLE_VALUE)
            CloseHandle(console);
        if (written)
            return;
        break;
    }
    case Sink::None:
        break;
    }
    if (!box)
        return;
    const std::wstring body = text.trimmed().toStdWString();
    const std::wstring title = ProgramTitle.toStdWString();
    MessageBoxW(nullptr, body.c_str(), title.c_str(),
                to == stderr ? MB_OK | MB_ICONERROR : MB_OK | MB_ICONINFORMATION);
}

QStringList loadMissingFaces(const QString &folder)
{
    struct Face {
        const char *family;
        const char *files;
    };
    static const Face faces[] = {{"Comic Sans MS", "ComicNeue-*"}, {"Arial", "LiberationSans-*"}};
    QStringList loaded;
    const QDir dir(folder);
    for (const Face &face : faces) {
        if (QFontDatabase::hasFamily(QLatin1String(face.family)))
            continue;
        const QStringList files = dir.entryList(
            {QLatin1String(face.files) + QStringLiteral(".ttf"),
             QLatin1String(face.files) + QStringLiteral(".otf")},
            QDir::Files);
        for (const QString &file : files) {
            const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
            for (const QString &family : QFontDatabase::applicationFontFamilies(id))
                if (!loaded.contains(family))
                    loaded << family;
        }
    }
    return loaded;
}

namespace {

class MutexInstance final : public SingleInstance {
public:
    explicit MutexInstance(std::wstring name) : name_(std::move(name)) {}
    ~MutexInstance() override
    {
        if (mutex_)
            CloseHandle(mutex_);
    }
    bool acquire() override
    {
        if (mutex_)
            return true;
        HANDLE h = CreateMutexW(nullptr, FALSE, name_.c_str());
        if (!h)
            return true;   // no mutex to be had must not keep the program from running
        if (GetLastError() == ERROR_ALREADY_EXISTS) {
            CloseHandle(h);
            return false;
        }
        mutex_ = h;
        return true;
    }

private:
    std::wstring name_;
    HANDLE mutex_ = nullptr;
};

} // namespace

std::unique_ptr<SingleInstance> mutexInstance(const QString &name)
{
    return std::make_unique<MutexInstance>((QStringLiteral("Local\\") + name).toStdWString());
}
