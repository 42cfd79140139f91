// The command line, read without any window.
#include "shell/command_line.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("version");
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing") << QStringList{"tolvena"} << false << false << "";
        QTest::newRow("--help") << QStringList{"tolvena", "--help"} << true << false << "";
        QTest::newRow("-h") << QStringList{"tolvena", "-h"} << true << false << "";
        QTest::newRow("--version") << QStringList{"tolvena", "--version"} << false << true << "";
        QTest::newRow("-v") << QStringList{"tolvena", "-v"} << false << true << "";
        QTest::newRow("both") << QStringList{"tolvena", "-v", "--help"} << true << true << "";
        QTest::newRow("Qt's -platform")
            << QStringList{"tolvena", "-platform", "offscreen"} << false << false << "";
        QTest::newRow("Qt's --style=")
            << QStringList{"tolvena", "--style=Fusion", "-reverse"} << false << false << "";
        QTest::newRow("unknown long")
            << QStringList{"tolvena", "--colore"} << false << false << "Opzione sconosciuta: --colore";
        QTest::newRow("unknown short")
            << QStringList{"tolvena", "-x"} << false << false << "Opzione sconosciuta: -x";
        QTest::newRow("a stray word")
            << QStringList{"tolvena", "sottrazioni"} << false << false << "Argomento inatteso: sottrazioni";
        QTest::newRow("value missing")
            << QStringList{"tolvena", "-display"} << false << false
            << "Manca il valore dopo l'ultima opzione: -display";
        QTest::newRow("no arguments at all") << QStringList{} << false << false << "";
        QTest::newRow("--zoom without its value")
            << QStringList{"tolvena", "--zoom"} << false << false
            << "Manca il valore dopo l'ultima opzione: --zoom";
    }
    void reading()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, help);
        QFETCH(bool, version);
        QFETCH(QString, error);
        const CommandLine line = parseCommandLine(args);
        QCOMPARE(line.help, help);
        QCOMPARE(line.version, version);
        QCOMPARE(line.error, error);
    }

    // The zoom is passed on as written; its value is judged at start.
    void zoomIsPassedOn()
    {
        QCOMPARE(parseCommandLine({"tolvena", "--zoom", "150"}).zoom, std::optional<QString>("150"));
        QCOMPARE(parseCommandLine({"tolvena", "--zoom=abc"}).zoom, std::optional<QString>("abc"));
        QVERIFY(!parseCommandLine({"tolvena"}).zoom);
    }

    // The window system is chosen before Qt needs one: what the user named is
    // left alone; Wayland first (when its socket is there) with X11 behind it;
    // no display at all is said.
    void windowSystem_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("qpa");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("x11");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("none");
        QTest::newRow("-platform given") << true << "" << "" << "" << "" << false;
        QTest::newRow("QT_QPA_PLATFORM set") << false << "offscreen" << "wayland-0" << ":0" << "" << false;
        QTest::newRow("Wayland and X11") << false << "" << "wayland-0" << ":0" << "wayland;xcb" << false;
        QTest::newRow("Wayland only") << false << "" << "wayland-0" << "" << "wayland" << false;
        QTest::newRow("Wayland by its path") << false << "" << "@/wayland-0" << "" << "wayland" << false;
        QTest::newRow("no Wayland socket, X11") << false << "" << "wayland-1" << ":0" << "xcb" << false;
        QTest::newRow("no Wayland socket only") << false << "" << "wayland-1" << "" << "" << true;
        QTest::newRow("X11 only") << false << "" << "" << ":1" << "xcb" << false;
        QTest::newRow("no display") << false << "" << "" << "" << "" << true;
    }
    void windowSystem()
    {
        QFETCH(bool, option);
        QFETCH(QString, qpa);
        QFETCH(QString, wayland);
        QFETCH(QString, x11);
        QFETCH(QString, platform);
        QFETCH(bool, none);
        QTemporaryDir runtime;   // holds the socket "wayland-0" only
        QFile socket(runtime.filePath(QStringLiteral("wayland-0")));
        QVERIFY(socket.open(QIODevice::WriteOnly));
        wayland.replace(QStringLiteral("@"), runtime.path());
        const WindowSystem choice = chooseWindowSystem(option, qpa, wayland, runtime.path(), x11);
        QCOMPARE(choice.platform, platform);
        QCOMPARE(choice.none, none);
        QCOMPARE(parseCommandLine({"tolvena", "-platform", "xcb"}).platform, true);
    }

    void voiceIsASwitch()
    {
        QVERIFY(parseCommandLine({"tolvena", "--voce"}).voice);
        QVERIFY(!parseCommandLine({"tolvena"}).voice);
    }

    void helpIsItalianAndListsTheOptions()
    {
        QCOMPARE(helpText(),
                 QString::fromUtf8("Uso: tolvena [opzioni]\n"
                                   "Tolvena: esercitazioni matematiche sulla sottrazione per la "
                                   "scuola primaria.\n\n"
                                   "Opzioni:\n"
                                   "  -h, --help     Mostra questo aiuto ed esce.\n"
                                   "  -v, --version  Mostra la versione ed esce.\n"
                                   "  --zoom N       Ingrandisce le finestre del N per cento: 100, "
                                   "125, 150, 175, 200, 250 o 300.\n"
                                   "  --voce         Parte con «Leggi ad alta voce» attivato.\n"));
    }

    void versionNamesTheProgram()
    {
        QCOMPARE(versionText(), QStringLiteral("tolvena 1.0\n"));
        QCOMPARE(ProgramId, QStringLiteral("it.tolvena.Tolvena"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
