#pragma once

#include <QString>

// The Italian messages built into the program: what MLSGetString gives when
// neither the current language file nor Italiano.lng has the message.
QString messaggioItaliano(const QString &chiave);
