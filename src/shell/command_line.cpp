#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#ifndef TOLVENA_VERSION
#define TOLVENA_VERSION "0"
#endif

const QString ProgramId = QStringLiteral("it.tolvena.Tolvena");
const QString ProgramVersion = QStringLiteral(TOLVENA_VERSION);

namespace {

// The options the program answers, in the order the help lists them.
struct OptionRow {
    QStringList names;
    QString valueName;   // empty for a switch
    QString description;
};

const QList<OptionRow> &programOptions()
{
    static const QList<OptionRow> rows{
        {{QStringLiteral("h"), QStringLiteral("help")}, {},
         QStringLiteral("Mostra questo aiuto ed esce.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, {},
         QStringLiteral("Mostra la versione ed esce.")},
        {{QStringLiteral("zoom")}, QStringLiteral("N"),
         QStringLiteral("Ingrandisce le finestre del N per cento: 100, 125, 150, 175, 200, 250 o 300.")},
        {{QStringLiteral("voce")}, {},
         QStringLiteral("Parte con «Leggi ad alta voce» attivato.")},
    };
    return rows;
}

// Options that QApplication reads for itself; accepted here and left to it.
const QStringList qtOptionsWithValue{
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("display"),
    QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("geometry"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("title"), QStringLiteral("name"),
    QStringLiteral("session"), QStringLiteral("qmljsdebugger")};
const QStringList qtSwitches{QStringLiteral("reverse"), QStringLiteral("nograb"),
                             QStringLiteral("dograb"), QStringLiteral("sync"),
                             QStringLiteral("widgetcount")};

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options come with one dash (-platform); read them as whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow &row : programOptions())
        parser.addOption(QCommandLineOption(row.names, row.description, row.valueName));
    for (const QString &name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("x")));
    for (const QString &name : qtSwitches)
        parser.addOption(QCommandLineOption(name));

    CommandLine line;
    const QStringList args = arguments.isEmpty() ? QStringList{QStringLiteral("tolvena")} : arguments;
    if (!parser.parse(args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString &name = unknown.first();
            line.error = QStringLiteral("Opzione sconosciuta: %1%2")
                             .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        } else {
            // An option that takes a value came last, without it.
            line.error = QStringLiteral("Manca il valore dopo l'ultima opzione: %1").arg(args.last());
        }
        return line;
    }
    line.help = parser.isSet(QStringLiteral("help"));
    line.version = parser.isSet(QStringLiteral("version"));
    line.platform = parser.isSet(QStringLiteral("platform"));
    if (parser.isSet(QStringLiteral("zoom")))
        line.zoom = parser.value(QStringLiteral("zoom"));
    line.voice = parser.isSet(QStringLiteral("voce"));
    if (!parser.positionalArguments().isEmpty())
        line.error = QStringLiteral("Argomento inatteso: %1").arg(parser.positionalArguments().first());
    return line;
}

QString helpText()
{
    QString text = QStringLiteral("Uso: tolvena [opzioni]\n"
                                  "Tolvena: esercitazioni matematiche sulla sottrazione "
                                  "per la scuola primaria.\n\nOpzioni:\n");
    QStringList left;
    for (const OptionRow &row : programOptions()) {
        QStringList forms;
        for (const QString &n : row.names)
            forms << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        QString l = forms.join(QStringLiteral(", "));
        if (!row.valueName.isEmpty())
            l += QLatin1Char(' ') + row.valueName;
        left << l;
    }
    qsizetype width = 0;
    for (const QString &l : left)
        width = std::max(width, l.size());
    for (qsizetype i = 0; i < left.size(); ++i)
        text += QStringLiteral("  ") + left[i].leftJustified(width + 2) + programOptions()[i].description
              + QLatin1Char('\n');
    return text;
}

QString versionText()
{
    return QStringLiteral("tolvena %1\n").arg(ProgramVersion);
}

WindowSystem chooseWindowSystem(bool platformOption, const QString &qpaPlatform,
                                const QString &waylandDisplay, const QString &runtimeDir,
                                const QString &x11Display)
{
    WindowSystem choice;
    if (platformOption || !qpaPlatform.isEmpty())
        return choice;
    const bool wayland = !waylandDisplay.isEmpty()
        && (QDir::isAbsolutePath(waylandDisplay)
                ? QFileInfo::exists(waylandDisplay)
                : !runtimeDir.isEmpty() && QFileInfo::exists(QDir(runtimeDir).filePath(waylandDisplay)));
    if (wayland)
        choice.platform = x11Display.isEmpty() ? QStringLiteral("wayland") : QStringLiteral("wayland;xcb");
    else if (!x11Display.isEmpty())
        choice.platform = QStringLiteral("xcb");
    else
        choice.none = true;
    return choice;
}

QString noWindowSystemText()
{
    return QStringLiteral("tolvena: non trovo uno schermo da usare: il programma va avviato in una "
                          "sessione grafica (X11 o Wayland).\n");
}
