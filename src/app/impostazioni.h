#pragma once

#include <QString>

struct Impostazioni;
class ModLanguageSupport;

// True when the path names an existing ordinary file that is not hidden
// (on this platform: its name does not start with a dot).
bool EsisteFile(const QString &percorso);

// Velocita and Voce from the settings file, or 130 and 1 when it does not
// exist. A value that cannot be read gets its default.
void CaricaImpostazioni(Impostazioni &m);
// Writes " <Velocita> " CR LF " <Voce> " CR LF (0 replaced by 130 and 1 in
// the shared values too), atomically. False when it could not be written.
bool SalvaImpostazioni(Impostazioni &m);
// The bytes SalvaImpostazioni writes.
QByteArray testoImpostazioni(int velocita, int voce);
// Creates the settings folder and writes the readme from messages
// "0002" to "0004". False when the folder or the file could not be made.
bool CreaLeggimi(ModLanguageSupport &lingua, const QString &cartellaImpostazioni);
