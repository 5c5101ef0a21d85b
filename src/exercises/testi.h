#pragma once

#include <QString>
#include <vector>

// Number text: a blank (a minus sign for a negative number) then the
// digits, so 3 gives " 3".
QString testoNumero(int n);

// The answer rule: for n == 1 the sentence for one, for n == 0 the sentence
// for zero when the step has one, otherwise before + " " + testoNumero(n) +
// " " + after.
QString fraseRisposta(const QString &prima, const QString &dopo, const QString &perUno,
                      const QString *perZero, int n);

inline constexpr int MassimoRecord = 100;

// One story file read into records of `campi` fields each (field 1 at
// index 0); the field after them is read and dropped.
struct EsitoLettura {
    std::vector<std::vector<QString>> record;
    QString errore; // empty on success: otherwise names the file, record and fault
    bool ok() const { return errore.isEmpty(); }
};
EsitoLettura leggiFileTesti(const QString &percorso, int campi);
// The same on bytes already read (for tests and fuzzing).
EsitoLettura analizzaTesti(const QByteArray &contenuto, int campi, const QString &nomeFile);

struct Modulo1;
// Fills Testi1/NumeroTesti1 and Testi2/NumeroTesti2 from
// <cartella>/testi/lista1.txt and lista2.txt. Returns the error text of the
// first file that cannot be loaded (empty on success); the tables are then
// left untouched.
QString CaricaListe(Modulo1 &m, const QString &cartellaProgramma);
