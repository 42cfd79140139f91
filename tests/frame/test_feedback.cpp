#include "fakes.h"
#include "frame/feedback.h"
#include "frame/look.h"
#include "frame/services.h"
#include "frame/state.h"
#include "frame/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QLocale>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

class FeedbackTest : public QObject {
    Q_OBJECT
    Fakes f{};
private slots:
    void init() { f = installFakes(); }

    // The program's own message boxes answer in Italian, whatever the
    // machine's language, and report the button pressed. Their text, buttons
    // and icon (32 pixels at zoom 1) grow with the run's zoom.
    void messageBoxesSpeakItalian_data()
    {
        QTest::addColumn<bool>("question");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("answer");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("iconSide");
        QTest::newRow("yes") << true << QString::fromUtf8("Sì") << QStringList{"No", QString::fromUtf8("Sì")}
                             << int(MessageBoxes::Answer::Yes) << 1.0 << 32;
        QTest::newRow("no, zoom 2.5") << true << "No" << QStringList{"No", QString::fromUtf8("Sì")}
                                      << int(MessageBoxes::Answer::No) << 2.5 << 80;
        QTest::newRow("ok, zoom 1.25") << false << "OK" << QStringList{"OK"}
                                       << int(MessageBoxes::Answer::Ok) << 1.25 << 40;
        // Escape answers "No" (and "OK" where that is the only answer).
        QTest::newRow("escape on a question") << true << "Escape" << QStringList{"No", QString::fromUtf8("Sì")}
                                              << int(MessageBoxes::Answer::No) << 1.0 << 32;
    }
    void messageBoxesSpeakItalian()
    {
        QFETCH(bool, question);
        QFETCH(QString, press);
        QFETCH(QStringList, buttons);
        QFETCH(int, answer);
        QFETCH(double, zoom);
        QFETCH(int, iconSide);
        QLocale::setDefault(QLocale(QLocale::English));
        Services real = qtServices();
        setZoom(zoom);
        QStringList seen;
        QList<double> points;   // of the text and of each button
        QSize icon;
        bool oneLine = false;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            for (auto *l : box->findChildren<QLabel *>()) {
                if (l->objectName() == QStringLiteral("qt_msgboxex_icon_label"))
                    icon = l->pixmap().size();
                else if (!l->text().isEmpty()) {
                    points << l->font().pointSizeF();
                    oneLine = l->width() > l->fontMetrics().horizontalAdvance(l->text());
                }
            }
            for (QAbstractButton *b : box->findChildren<QAbstractButton *>()) {
                seen << b->text();
                points << b->font().pointSizeF();
            }
            if (press == QLatin1String("Escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton *b : box->findChildren<QAbstractButton *>())
                if (b->text() == press)
                    b->click();
        });
        const auto got = real.messages->show(nullptr, QStringLiteral("Vuoi tornare al menù?"),
                                             QStringLiteral("Esercitazioni sulle Tolvena"),
                                             MessageBoxes::Icon::Question,
                                             question ? MessageBoxes::Buttons::YesNo
                                                      : MessageBoxes::Buttons::Ok);
        setZoom(1);
        seen.sort();
        QCOMPARE(seen, buttons);
        QCOMPARE(int(got), answer);
        QCOMPARE(icon, QSize(iconSide, iconSide));
        QVERIFY(oneLine);
        QCOMPARE(points.size(), 1 + buttons.size());
        for (double p : points)
            QCOMPARE(p, QApplication::font().pointSizeF() * zoom);
    }

    // A screen reader reads a box's text of several lines as one line, the
    // rule of dashes left out.
    void boxTextIsReadAsOneLine()
    {
        Services real = qtServices();
        QString name;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            name = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->accessibleName();
            box->findChild<QAbstractButton *>()->click();
        });
        real.messages->show(nullptr, QStringLiteral("Velandri.  \r\n --------- \r\nhttps://tolvena.example.org\r\nmail: x@y.org"),
                            ProgramTitle, MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
        QCOMPARE(name, QStringLiteral("Velandri. https://tolvena.example.org, mail: x@y.org"));
    }

    // Qt's own texts are Italian whatever the machine's language: the answer
    // fields' context menu among them.
    void qtTextsAreItalian()
    {
        QLocale::setDefault(QLocale(QLocale::English));
        QVERIFY(installQtItalian());
        QLineEdit field;
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList items;
        for (QAction *a : menu->actions())
            if (!a->isSeparator())
                items << a->text().split(QLatin1Char('\t')).first();
        QCOMPARE(items, QStringList({"Ann&ulla", "&Rifai", "&Taglia", "&Copia", "&Incolla",
                                     "Elimina", "Seleziona tutto"}));
    }

    // Like the real timer, the fake drops a step whose object is gone.
    void stepsOfAGoneObjectNeverRun()
    {
        int ran = 0;
        auto *gone = new QObject;
        QObject kept;
        f.timer->after(300, gone, [&] { ran += 1; });
        f.timer->after(300, &kept, [&] { ran += 10; });
        delete gone;
        f.timer->runAll();
        QCOMPARE(ran, 10);
    }

    void colourNeverTakesTheEmptyEntry()
    {
        // The lowest and highest draws reach entries 1 and 18, never 0.
        f.random->push({0.0, 0.9999999999999999, 0.5});
        QCOMPARE(ColoreCasuale(), bgr(0xC0C0FF));
        QCOMPARE(ColoreCasuale(), bgr(0xFF00FF));
        QCOMPARE(ColoreCasuale(), bgr(palette()[10]));
        QCOMPARE(bgr(0x0080FF), QColor(0xFF, 0x80, 0x00));   // &H00BBGGRR
    }

    void repeatedColoursComeUpMoreOften()
    {
        std::map<QRgb, int> seen;
        for (int i = 0; i < 36000; ++i)
            ++seen[ColoreCasuale().rgb()];
        const int pink = seen[bgr(0xFFC0FF).rgb()];     // three entries
        const int grey = seen[bgr(0xE0E0E0).rgb()];     // one entry
        QVERIFY(grey > 1500 && grey < 2500);
        QVERIFY2(pink > 2.5 * grey && pink < 3.5 * grey, qPrintable(QString("%1 vs %2").arg(pink).arg(grey)));
        QCOMPARE(seen.size(), std::size_t(13));          // 18 entries, 13 colours
    }

    void cheersFollowTheDrawAndTheSwitch()
    {
        f.random->push({0.0, 0.99, 0.5});
        SuonoEsatto();
        SuonoEsatto();
        SuonoEsatto();
        QCOMPARE(f.sound->played.size(), 3);
        QVERIFY(f.sound->played[0].endsWith("suoni/si1.wav"));
        QVERIFY(f.sound->played[1].endsWith("suoni/si4.wav"));
        QVERIFY(f.sound->played[2].endsWith("suoni/si3.wav"));
        SuonoSbagliato();
        QVERIFY(f.sound->played.last().endsWith("suoni/no.wav"));

        shared().SuoniAttivi = 0;
        const int draws = f.random->draws;
        SuonoEsatto();
        SuonoSbagliato();
        QCOMPARE(f.sound->played.size(), 4);
        QCOMPARE(f.random->draws, draws);   // silence takes no draw
        shared().SuoniAttivi = 1;            // any value but 0 is on
        SuonoSbagliato();
        QCOMPARE(f.sound->played.size(), 5);
    }

    void informationBox()
    {
        MostraInformazioni(nullptr);
        QCOMPARE(f.messages->shown.size(), 1);
        const RecordedBox box = f.messages->shown.first();
        QCOMPARE(box.title, QStringLiteral("Esercitazioni sulle Tolvena"));
        QCOMPARE(box.icon, MessageBoxes::Icon::Information);
        QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
        const QStringList lines = box.text.split("\r\n");
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Velandri  "));
        QCOMPARE(lines[1], QStringLiteral(" ") + QString(23, '-') + QStringLiteral(" "));
        QVERIFY(lines[3].startsWith("mail: "));
        QVERIFY(lines[3].size() > 6 && !lines[2].isEmpty());
    }

    void countersStopAtTheTop()
    {
        std::int16_t c = 32766;
        countOne(c);
        QCOMPARE(c, std::int16_t(32767));
        countOne(c);
        QCOMPARE(c, std::int16_t(32767));
    }

    void missingSoundsChangeNothing()
    {
        // The real player, pointed at files that are not there.
        // The real player, pointed at files that are not there, returns at once.
        Services real = qtServices();
        QElapsedTimer clock;
        clock.start();
        real.sound->play(QStringLiteral("/nonexistent/suoni/si1.wav"));
        real.sound->play(QStringLiteral("/nonexistent/suoni/si1.wav"));
        real.sound->play(QString());
        QVERIFY(clock.elapsed() < 500);
    }

    void soundsBesideTheProgramComeFirst_data()
    {
        QTest::addColumn<QStringList>("folders");   // made under a fresh prefix
        QTest::addColumn<QString>("found");         // relative to the prefix
        QTest::newRow("build folder") << QStringList{"bin/suoni"} << "bin/suoni";
        QTest::newRow("installed") << QStringList{"share/tolvena/suoni"} << "share/tolvena/suoni";
        QTest::newRow("both: beside wins")
            << QStringList{"bin/suoni", "share/tolvena/suoni"} << "bin/suoni";
        QTest::newRow("neither: beside, silent") << QStringList{} << "bin/suoni";
        QTest::newRow("other data only") << QStringList{"share/altro/suoni"} << "bin/suoni";
    }
    void soundsBesideTheProgramComeFirst()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, found);
        QTemporaryDir prefix;
        QDir root(prefix.path());
        QVERIFY(root.mkpath("bin"));
        for (const QString &f : folders)
            QVERIFY(root.mkpath(f));
        QCOMPARE(findSoundFolder(root.filePath("bin")), root.filePath(found));
    }

    void soundProblemsAreNamed()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("suoni");
        QCOMPARE(soundProblems(folder),
                 QStringList{QStringLiteral("manca la cartella dei suoni %1: il programma resta muto.").arg(folder)});
        QVERIFY(QDir().mkpath(folder));
        const QByteArray wave = QByteArray("RIFF") + QByteArray(4, '\0') + "WAVEfmt ";
        const QList<QPair<QString, QByteArray>> files{
            {"si1.wav", wave}, {"si2.wav", "RIFF\0\0\0\0AVI "}, {"si3.wav", "RIFF"},
            {"si4.wav", QByteArray()}};
        for (const auto &[name, bytes] : files) {
            QFile file(QDir(folder).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const QString at = folder + QLatin1Char('/');
        QCOMPARE(soundProblems(folder),
                 (QStringList{QString::fromUtf8("il suono %1si2.wav non è un file WAVE leggibile.").arg(at),
                              QString::fromUtf8("il suono %1si3.wav non è un file WAVE leggibile.").arg(at),
                              QString::fromUtf8("il suono %1si4.wav non è un file WAVE leggibile.").arg(at),
                              QStringLiteral("manca il suono %1no.wav.").arg(at),
                              QStringLiteral("manca il suono %1beep.wav.").arg(at)}));
        // The program's own sounds are all right.
        QCOMPARE(soundProblems(QStringLiteral(TOLVENA_SOUNDS)), QStringList());
    }

    void secondCopyIsRefusedAndAStaleLockIsTakenOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("lock");
        auto first = lockFileInstance(path);
        auto second = lockFileInstance(path);
        QVERIFY(first->acquire());
        QVERIFY(!second->acquire());
        first.reset();   // the first copy ends
        QVERIFY(second->acquire());
        second.reset();

        // A lock left behind by a run that crashed names a process that is gone.
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("2147483646\ntolvena\n\n");
        stale.close();
        auto third = lockFileInstance(path);
        QVERIFY(third->acquire());

        // Nowhere to write the lock: the program still starts.
        auto nowhere = lockFileInstance(dir.filePath("missing/folder/lock"));
        QVERIFY(nowhere->acquire());
    }
};

QTEST_MAIN(FeedbackTest)
#include "test_feedback.moc"
