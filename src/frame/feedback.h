#pragma once
// The cheers, the buzzer and the information box that every screen reaches.

#include <QString>

class QWidget;

extern const QString ProgramTitle;   // title of the program's own message boxes

QString soundFolder();   // the folder "suoni" beside the program
void SuonoEsatto();      // a random cheer, if the sounds are on
void SuonoSbagliato();   // the buzzer, if the sounds are on
void MostraInformazioni(QWidget *parent);
