#pragma once
// Texts written for the eye, rewritten for a screen reader's voice: the
// speech synthesiser says nothing for a lone "-" and reads "1 000" as four
// numbers.

#include <QString>

// "94 - 1 = 93" -> "94 meno 1 uguale 93"; "37 +____ = 100" -> "37 più
// quanto uguale 100"; blanks and points between groups of figures go.
QString spokenSum(const QString &shown);

// Where a catalogue button leads: its heading, then its caption, e.g.
// "entro 99 - abaco" and "con cambio" -> "entro 99, abaco, con cambio".
QString spokenPlace(const QString &heading, const QString &caption);

// A text of several lines as one: Orca does not read a box's text that breaks
// into lines. Lines of no letter or figure (a rule of dashes) go.
QString spokenLines(const QString &shown);
