#include "frame/feedback.h"

#include "frame/services.h"
#include "frame/state.h"

#include <QCoreApplication>
#include <QDir>

const QString ProgramTitle = QStringLiteral("Esercitazioni sulle Tolvena");

QString soundFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("suoni"));
}

void SuonoEsatto()
{
    if (!soundsOn())
        return;   // no random draw is made when the sounds are off
    const int k = std::clamp(Int(4 * Rnd()) + 1, 1, 4);
    services().sound->play(QDir(soundFolder()).filePath(QStringLiteral("si%1.wav").arg(k)));
}

void SuonoSbagliato()
{
    if (soundsOn())
        services().sound->play(QDir(soundFolder()).filePath(QStringLiteral("no.wav")));
}

void MostraInformazioni(QWidget *parent)
{
    const QString text = QStringLiteral("Velandri  \r\n")
                         + QLatin1Char(' ') + QString(23, QLatin1Char('-')) + QLatin1Char(' ')
                         + QStringLiteral("\r\nhttps://tolvena.example.org\r\nmail: scuola@tolvena.example.org");
    services().messages->show(parent, text, ProgramTitle, MessageBoxes::Icon::Information,
                              MessageBoxes::Buttons::Ok);
}
