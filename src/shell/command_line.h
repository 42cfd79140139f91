#pragma once
// The program's command line, read before any window system is touched, so
// that --help and --version answer on a machine without a display.

#include <QString>
#include <QStringList>
#include <optional>

// The program's one identity, used by the desktop entry, the icon and the
// software-centre listing.
extern const QString ProgramId;        // "it.tolvena.Tolvena"
extern const QString ProgramVersion;   // the project's version

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<QString> zoom;   // --zoom N, as written
    bool platform = false;         // Qt's -platform was given
    bool voice = false;            // --voce: start reading aloud
    QString error;   // not empty: the line cannot be used; say it and stop
};

// Reads the arguments (the first is the program). Qt's own options
// (-platform, -display, -style...) are let through untouched.
CommandLine parseCommandLine(const QStringList &arguments);

QString helpText();      // in Italian, ends with a line break
QString versionText();   // "tolvena 1.0\n"

// The window system Qt is to use. Qt ends the process when no platform can
// be loaded, so the choice is made before the application is: Wayland when
// the Wayland display named by WAYLAND_DISPLAY is there (its socket, in
// `runtimeDir` unless the name is a path), with X11 after it when DISPLAY
// names one too; X11 when only an X display is named; a platform named by the
// user (-platform or QT_QPA_PLATFORM) is left alone.
struct WindowSystem {
    QString platform;    // the value for QT_QPA_PLATFORM; empty: set nothing
    bool none = false;   // there is no display to open
};
WindowSystem chooseWindowSystem(bool platformOption, const QString &qpaPlatform,
                                const QString &waylandDisplay, const QString &runtimeDir,
                                const QString &x11Display);

// The one line said when no window system can be used.
QString noWindowSystemText();   // in Italian, ends with a line break
