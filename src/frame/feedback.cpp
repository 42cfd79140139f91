#include "frame/feedback.h"

#include "frame/services.h"
#include "frame/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString ProgramTitle = QStringLiteral("Esercitazioni sulle Tolvena");

QString findSoundFolder(const QString &programDir)
{
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("suoni"));
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/tolvena/suoni")));
    for (const QString &candidate : {beside, installed})
        if (QFileInfo(candidate).isDir())
            return candidate;
    return beside;
}

QString soundFolder()
{
    // The program does not move while it runs: look once.
    static const QString folder = findSoundFolder(QCoreApplication::applicationDirPath());
    return folder;
}

QStringList soundProblems(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return {QStringLiteral("manca la cartella dei suoni %1: il programma resta muto.").arg(folder)};
    QStringList problems;
    for (const char *name : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav", "beep.wav"}) {
        const QString path = QDir(folder).filePath(QLatin1String(name));
        QFile file(path);
        if (!file.exists()) {
            problems << QStringLiteral("manca il suono %1.").arg(path);
            continue;
        }
        // A wave file opens with "RIFF", its length, then "WAVE".
        const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(12) : QByteArray();
        if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
            problems << QStringLiteral("il suono %1 non è un file WAVE leggibile.").arg(path);
    }
    return problems;
}

QString SuonoEsatto()
{
    if (!soundsOn())
        return {};   // no random draw is made when the sounds are off
    const int k = Int(4 * Rnd()) + 1;
    Q_ASSERT(k >= 1 && k <= 4);
    const QString path = QDir(soundFolder()).filePath(QStringLiteral("si%1.wav").arg(k));
    services().sound->play(path);
    return path;
}

QString SuonoSbagliato()
{
    if (!soundsOn())
        return {};
    const QString path = QDir(soundFolder()).filePath(QStringLiteral("no.wav"));
    services().sound->play(path);
    return path;
}

void MostraInformazioni(QWidget *parent)
{
    const QString text = QStringLiteral("Velandri  \r\n")
                         + QLatin1Char(' ') + QString(23, QLatin1Char('-')) + QLatin1Char(' ')
                         + QStringLiteral("\r\nhttps://tolvena.example.org\r\nmail: scuola@tolvena.example.org");
    services().messages->show(parent, text, ProgramTitle, MessageBoxes::Icon::Information,
                              MessageBoxes::Buttons::Ok);
}
