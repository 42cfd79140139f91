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
    bool voice = false;            // --voce: start reading aloud
    QString error;   // not empty: the line cannot be used; say it and stop
};

// Reads the arguments (the first is the program). Qt's own options
// (-platform, -display, -style...) are let through untouched.
CommandLine parseCommandLine(const QStringList &arguments);

QString helpText();      // in Italian, ends with a line break
QString versionText();   // "tolvena 1.0\n"
