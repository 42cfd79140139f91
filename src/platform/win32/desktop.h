#pragma once
// What a Windows program needs beyond the services: a place for its command
// line's answers, the faces of the look where the system lacks them, and the
// one running copy.

#include "frame/services.h"

#include <QString>

#include <cstdio>
#include <memory>

// Writes `text` to `to` (standard output or error) where the person who
// started the program sees it: the console it was started from, or the file
// or pipe it was sent to; started from the desktop, a message box shows it,
// unless `box` is false.
void platformSay(std::FILE *to, const QString &text, bool box = true);

// The faces the look asks for that the system does not have, loaded from
// the fonts in `folder` (Comic Neue for "Comic Sans MS", Liberation Sans for
// "Arial"). Returns the families loaded.
QStringList loadMissingFaces(const QString &folder);

// One running copy in the session: a named mutex, which the system lets go
// of when the copy that holds it ends, crashed or not.
std::unique_ptr<SingleInstance> mutexInstance(const QString &name);
