// The real speech service on this machine: Qt's speechd engine over a private
// speech-dispatcher that plays into ALSA's null device. Skipped where the
// engine, the server or its espeak-ng voices are not installed.
#include "frame/services.h"
#include "platform/linux/modules.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextToSpeech>

class SpeechEngineTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    QProcess server_;
    QString socket_;

private slots:
    void initTestCase()
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("speechd")) || server.isEmpty()
            || !QFile::exists(QStringLiteral("/usr/lib/speech-dispatcher-modules/sd_espeak-ng")))
            QSKIP("no speechd engine, speech-dispatcher or espeak-ng module here");
        QVERIFY(home_.isValid());
        const QString conf = home_.filePath(QStringLiteral("conf"));
        const QString runtime = home_.filePath(QStringLiteral("run"));
        QVERIFY(QDir().mkpath(conf) && QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile speechd(conf + QStringLiteral("/speechd.conf"));
        QVERIFY(speechd.open(QIODevice::WriteOnly));
        speechd.write("AudioOutputMethod \"alsa\"\nDefaultModule espeak-ng\nDefaultLanguage \"it\"\n"
                      "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n");
        speechd.close();
        QFile alsa(home_.filePath(QStringLiteral(".asoundrc")));
        QVERIFY(alsa.open(QIODevice::WriteOnly));
        alsa.write("pcm.!default { type null }\n");
        alsa.close();
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        socket_ = runtime + QStringLiteral("/speech-dispatcher/speechd.sock");
        server_.setProgram(server);
        server_.setArguments({QStringLiteral("-s"), QStringLiteral("-t"), QStringLiteral("0"),
                              QStringLiteral("-C"), conf});
        server_.start();
        QVERIFY(server_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket_), 10000);
    }

    void cleanupTestCase()
    {
        if (server_.state() == QProcess::NotRunning)
            return;
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished(5000);
    }

    // An Italian sentence goes from Ready to Speaking and back, and neither
    // the start nor the sentence holds up this thread.
    void speaksAnItalianSentence()
    {
        QList<bool> heard;
        QElapsedTimer sinceSay;
        qint64 toSpeaking = -1;
        auto speech = qtSpeech(QStringLiteral("speechd"), [&](bool on) {
            heard << on;
            if (on && toSpeaking < 0)
                toSpeaking = sinceSay.elapsed();
        });
        int changes = 0;
        QElapsedTimer call;
        call.start();
        speech->start([&] { ++changes; });
        QVERIFY2(call.elapsed() < 100, "the start waited for the engine");
        QCOMPARE(speech->status(), Speech::Status::Starting);
        QTRY_COMPARE_WITH_TIMEOUT(speech->status(), Speech::Status::Ready, 30000);
        const qint64 toReady = call.elapsed();
        QCOMPARE(changes, 1);
        QCOMPARE(speech->unavailableReason(), QString());
        sinceSay.start();
        speech->say(QStringLiteral("Esatto! 94 meno 1 uguale 93"));
        QVERIFY2(sinceSay.elapsed() < 20, "say waited for the engine");
        QTRY_COMPARE_WITH_TIMEOUT(heard, (QList<bool>{true, false}), 20000);
        qInfo("start to Ready %lld ms, say to Speaking %lld ms", toReady, toSpeaking);
    }
};

QTEST_GUILESS_MAIN(SpeechEngineTest)
#include "test_speech_engine.moc"
