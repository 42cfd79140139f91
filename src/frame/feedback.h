#pragma once
// The cheers, the buzzer and the information box that every screen reaches.

#include <QString>
#include <QStringList>

class QWidget;

extern const QString ProgramTitle;   // title of the program's own message boxes

// The folder "suoni" beside the program (a build folder), else the installed
// one, share/tolvena/suoni, found from the program's own folder so that any
// install prefix works. With neither, the one beside the program: nothing
// plays and nothing else changes.
QString soundFolder();
QString findSoundFolder(const QString &programDir);
// What keeps the sounds in `folder` from playing, one Italian sentence each
// (missing folder, missing file, a file that is no wave sound); empty when
// all six are there (four cheers, the buzzer and the beep).
QStringList soundProblems(const QString &folder);
// Each returns the file it played, empty when the sounds are off.
QString SuonoEsatto();      // a random cheer, if the sounds are on
QString SuonoSbagliato();   // the buzzer, if the sounds are on
void MostraInformazioni(QWidget *parent);
