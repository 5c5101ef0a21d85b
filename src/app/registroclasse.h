#pragma once

#include "rigaregistro.h"

#include <QString>
#include <QStringList>

struct Andamento;
struct Alunno;
struct Contesto;
struct Scuola;
struct Storie;
class ModLanguageSupport;

// The titles of the columns the record writes, in the current language.
QStringList intestazioneRegistro(ModLanguageSupport &lingua);
// Every column's titles in every language file of the program folder (and
// the current language's), to read a record begun in any of them.
TitoliRegistro titoliRegistro(ModLanguageSupport &lingua);

// Appends the row of a problem that ended to this computer's record file.
// A folder that cannot be written is told once, after the current event,
// and play goes on. The record's writer is made in scuola at the first row.
void annotaProblema(Contesto &c, Scuola &scuola, const Storie &storie, const Andamento &a);

// The story file of an operation as the record names it ("testi/lista1.txt"):
// the review queue tells its problems apart by it.
QString fileDelleStorie(const Storie &s, bool sottrazione);

// The class of the settings folder into scuola; a file that cannot be read
// is told (and left as it is).
void caricaClasseDelProgramma(Contesto &c, Scuola &scuola);
// The pupil now playing, or null for a visitor.
const Alunno *alunnoCorrente(const Scuola &scuola);
