// Sounds through Qt Multimedia. Every wave file of the sound folder is opened
// as the player is made, so that no cheer waits for its file to be read. A
// new sound stops the one still playing.

#include "platform/linux/modules.h"

#include <QApplication>
#include <QDir>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>
#include <map>

namespace {

class QtSoundPlayer final : public SoundPlayer {
public:
    explicit QtSoundPlayer(const QString &folder) : folder_(folder)
    {
        // The effects hang under one object of the application's, by file name,
        // where a tool that times the sounds can find them.
        effects_ = new QObject(QCoreApplication::instance());
        effects_->setObjectName(QStringLiteral("suoni"));
        // With no audio output there is nothing to make ready: an effect is
        // then made when first played, in case an output has come meanwhile.
        if (!folder.isEmpty() && !QMediaDevices::defaultAudioOutput().isNull())
            for (const QString &name : QDir(folder).entryList({QStringLiteral("*.wav")}, QDir::Files))
                effect(QDir(folder).filePath(name));
    }
    ~QtSoundPlayer() override { delete effects_; }

    void play(const QString &path) override
    {
        // An effect played again after it ended stays silent now and then
        // with this Qt: each sound is a new effect, which finds its file
        // already read by the one kept for that file.
        if (!effect(path))
            return;
        delete playing_;
        playing_ = new QSoundEffect(effects_);
        playing_->setSource(QUrl::fromLocalFile(path));
        playing_->play();
    }
    // The system beep is silent on most desktops: the program plays its own.
    void beep() override
    {
        const QString path = QDir(folder_).filePath(QStringLiteral("beep.wav"));
        if (!folder_.isEmpty() && QFile::exists(path))
            play(path);
        else
            QApplication::beep();
    }

private:
    QSoundEffect *effect(const QString &path)
    {
        auto found = byPath_.find(path);
        if (found != byPath_.end())
            return found->second;
        if (!QFile::exists(path))
            return nullptr;   // a missing file plays nothing and changes nothing else
        auto *e = new QSoundEffect(effects_);
        e->setObjectName(QFileInfo(path).fileName());
        QObject::connect(e, &QSoundEffect::statusChanged, e, [e, path] {
            if (e->status() == QSoundEffect::Error)
                std::fprintf(stderr, "tolvena: il suono %s non si può riprodurre.\n",
                             qPrintable(QDir::toNativeSeparators(path)));
        });
        e->setSource(QUrl::fromLocalFile(path));
        byPath_[path] = e;
        return e;
    }

    QString folder_;
    QPointer<QObject> effects_;
    QPointer<QSoundEffect> playing_;   // the one sound playing, or last played   // gone with the application, if that goes first
    std::map<QString, QSoundEffect *> byPath_;
};

} // namespace

SoundPlayer *tolvenaSoundPlayer(const QString &folder)
{
    return new QtSoundPlayer(folder);
}
