#pragma once

#include <QByteArray>
#include <QString>

// The program's 8-bit text files (stories, language files, settings, readme)
// are Windows-1252 with CR LF. A file that is valid UTF-8 (with or without a
// byte-order mark) is read as UTF-8, so files saved by a modern editor work too.
QString decodificaTesto(const QByteArray &bytes);
// Whether decodificaTesto reads these bytes as UTF-8: they start with a
// byte-order mark, or hold bytes beyond ASCII that are all valid UTF-8.
bool testoInUtf8(const QByteArray &bytes);

// Windows-1252 bytes for a text; characters outside the code page become '?'.
QByteArray codificaWindows1252(const QString &testo);

// Reads a whole file. On failure returns false and, when given, a plain
// description of the fault in *errore.
bool leggiFile(const QString &percorso, QByteArray *contenuto, QString *errore = nullptr);

// Writes a whole file through a temporary file and a rename, so that a crash
// leaves either the old or the new file, never a broken one.
bool scriviFileAtomico(const QString &percorso, const QByteArray &contenuto);
