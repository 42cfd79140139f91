#pragma once
// What a screen reader is told of a change the child made: it reads a
// description when the control is reached, but says nothing when the
// description changes under it, so the new one is also spoken.

class QString;
class QWidget;

// Speaks `text` through the screen's announcer (nothing without a listener)
// and, with "Leggi ad alta voce" ticked, aloud.
void tell(const QString &text);

// The drawn model's description (its counts), spoken as it stands now.
void tellDescription(const QWidget *model);
