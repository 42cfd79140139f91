// The Windows services on what Wine gives of the system, and the speech
// thread on scripted engines (Wine's SAPI speaks nothing).

#include "platform/platform.h"
#include "platform/win32/desktop.h"
#include "platform/win32/speech_thread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <mutex>
#include <thread>

namespace {

struct Said {
    QString text;
    bool purge;
    bool operator==(const Said &) const = default;
};

// Shared with the test: the engine itself lives on the speech thread.
struct Script {
    QString openReason;
    int openMs = 0;
    bool refuse = false;
    std::mutex mutex;
    QList<Said> said;
};

class ScriptedEngine final : public VoiceEngine {
public:
    explicit ScriptedEngine(Script &s) : s_(s) {}
    QString open() override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(s_.openMs));
        return s_.openReason;
    }
    bool speak(const QString &text, bool purge) override
    {
        std::lock_guard lock(s_.mutex);
        s_.said.append({text, purge});
        return !s_.refuse;
    }

private:
    Script &s_;
};

// Starts `speech` and waits until its engine has opened.
int startAndWait(Speech &speech)
{
    int changes = 0;
    speech.start([&changes] { ++changes; });
    if (!QTest::qWaitFor([&speech] { return speech.status() != Speech::Status::Starting; }, 5000))
        return -1;
    return changes;
}

} // namespace

class Win32Test : public QObject {
    Q_OBJECT
private slots:
    void speechFollowsItsEngine_data()
    {
        QTest::addColumn<QString>("openReason");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        const QString noVoice = QStringLiteral("manca una voce italiana");
        QTest::newRow("ready") << QString() << false << int(Speech::Status::Ready) << QString();
        QTest::newRow("no voice") << noVoice << false << int(Speech::Status::Unavailable) << noVoice;
        QTest::newRow("refuses text") << QString() << true << int(Speech::Status::Unavailable)
                                      << refusedSentenceReason();
    }
    void speechFollowsItsEngine()
    {
        QFETCH(QString, openReason);
        QFETCH(bool, refuse);
        QFETCH(int, status);
        QFETCH(QString, reason);
        Script script;
        script.openReason = openReason;
        script.refuse = refuse;
        auto speech = threadedSpeech([&script] { return std::make_unique<ScriptedEngine>(script); });
        QCOMPARE(startAndWait(*speech), 1);
        speech->say(QStringLiteral("uno"));
        if (refuse)
            QVERIFY(QTest::qWaitFor([&] { return !speech->available(); }, 5000));
        else
            QTest::qWait(100);
        QCOMPARE(int(speech->status()), status);
        QCOMPARE(speech->unavailableReason(), reason);
        std::lock_guard lock(script.mutex);
        QCOMPARE(script.said.size(), openReason.isEmpty() ? 1 : 0);
    }

    // Sentences reach the engine in order; a stop reaches it as a purge, and
    // nothing said before it is spoken after it.
    void stopPurges()
    {
        Script script;
        auto speech = threadedSpeech([&script] { return std::make_unique<ScriptedEngine>(script); });
        QCOMPARE(startAndWait(*speech), 1);
        speech->say(QStringLiteral("uno"));
        speech->say(QStringLiteral("due"));
        speech->stop();
        speech->say(QStringLiteral("tre"));
        QVERIFY(QTest::qWaitFor([&] {
            std::lock_guard lock(script.mutex);
            return !script.said.isEmpty() && script.said.last().text == QStringLiteral("tre");
        }, 5000));
        std::lock_guard lock(script.mutex);
        const QList<Said> tail = {{QString(), true}, {QStringLiteral("tre"), false}};
        QCOMPARE(script.said.mid(script.said.size() - 2), tail);
        QVERIFY(script.said.size() <= 4);
        if (script.said.size() == 4)
            QCOMPARE(script.said.first().text, QStringLiteral("uno"));
    }

    // A slow engine keeps the window waiting for nothing.
    void slowEngineNeverBlocks()
    {
        Script script;
        script.openMs = 1500;
        auto speech = threadedSpeech([&script] { return std::make_unique<ScriptedEngine>(script); });
        QElapsedTimer clock;
        clock.start();
        speech->start({});
        speech->say(QStringLiteral("uno"));
        speech->stop();
        QVERIFY(clock.elapsed() < 300);
        QCOMPARE(speech->status(), Speech::Status::Starting);
        speech.reset();   // ends while the engine is still opening
    }

    // The system's SAPI: a voice, or a reason in Italian (Wine has no voice).
    void systemSpeech()
    {
        auto speech = platformSpeech();
        QCOMPARE(speech->status(), Speech::Status::NotStarted);
        QCOMPARE(startAndWait(*speech), 1);
        QVERIFY(speech->status() == Speech::Status::Ready || !speech->unavailableReason().isEmpty());
        speech->say(QStringLiteral("Esatto"));
        speech->stop();
    }

    // Missing, broken and real sounds all come back at once.
    void soundsNeverWait()
    {
        QTemporaryDir dir;
        QFile broken(dir.filePath(QStringLiteral("rotto.wav")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("RIFF\x10\0\0\0WAVEjunk");
        broken.close();
        auto sound = platformSound();
        QElapsedTimer clock;
        clock.start();
        for (const QString &path : {dir.filePath(QStringLiteral("manca.wav")), broken.fileName(),
                                    QStringLiteral(TOLVENA_SOUNDS "/si1.wav"),
                                    QStringLiteral(TOLVENA_SOUNDS "/no.wav")})
            sound->play(path);
        sound->beep();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    // A size no display offers is refused, never taken for a switch.
    void displayRefusesUnknownSize()
    {
        const int result = platformSwitchDisplay(12345, 678);
        QVERIFY2(result != 0 && result != 1, qPrintable(QString::number(result)));
    }

    // One copy in the session; the next may start once the first has ended.
    void oneCopyInTheSession()
    {
        const QString name = QStringLiteral("tolvena-test-%1").arg(QCoreApplication::applicationPid());
        auto first = mutexInstance(name);
        auto second = mutexInstance(name);
        QVERIFY(first->acquire());
        QVERIFY(first->acquire());
        QVERIFY(!second->acquire());
        first.reset();
        QVERIFY(second->acquire());
    }

    // The look's faces come from the program's folder when the system lacks
    // them: the offscreen platform knows only the fonts of its own folder.
    void missingFacesLoaded()
    {
        QTemporaryDir empty;
        QCOMPARE(loadMissingFaces(empty.path()), QStringList());
        const QString fonts = qEnvironmentVariable("QT_QPA_FONTDIR");
        if (fonts.isEmpty())
            QSKIP("QT_QPA_FONTDIR names no folder of fonts");
        QVERIFY(!QFontDatabase::hasFamily(QStringLiteral("Arial")));
        QStringList loaded = loadMissingFaces(fonts);
        loaded.sort();
        QCOMPARE(loaded, QStringList({QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans")}));
    }
};

QTEST_MAIN(Win32Test)
#include "test_win32.moc"
