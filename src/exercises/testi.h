#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Number text: a blank (a minus sign for a negative number) then the
// digits, so 3 gives " 3".
QString testoNumero(int n);

// The answer rule: for n == 1 the sentence for one, for n == 0 the sentence
// for zero when the step has one, otherwise before + " " + testoNumero(n) +
// " " + after.
QString fraseRisposta(const QString &prima, const QString &dopo, const QString &perUno, const QString *perZero, int n);

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

// One answer sentence of a story: the words around the number, the
// sentence for one and, where the step has one, the sentence for zero.
struct FraseRisposta {
    QString prima;
    QString dopo;
    QString perUno;
    std::optional<QString> perZero;
    // The answer rule for this number.
    QString per(int n) const;
};

// One story, named by what each field of its record is for.
struct Storia {
    QString fileCi; // the animation of the things there at first
    QString fileCambia; // the animation of the things that come or go
    QString domanda1;
    FraseRisposta risposta1;
    QString domanda2;
    FraseRisposta risposta2;
    QString domanda3;
    FraseRisposta risposta3;
};

// A record of 15 fields (addition) or 16 (subtraction, whose third answer
// has a sentence for zero) as a story; fields that are missing stay empty.
Storia storiaDaCampi(const std::vector<QString> &campi);

// Fills both tables from <cartella>/<storie>/lista1.txt (15 fields a record)
// and lista2.txt (16). Returns the error text of the first file that cannot
// be loaded (empty on success); the tables are then left untouched.
QString CaricaListe(std::vector<Storia> &testi1, std::vector<Storia> &testi2, const QString &cartellaProgramma,
                    const QString &storie = QStringLiteral("testi"));

// The animations named by the stories that cannot be shown (by the cell's
// own rule, controllaAnimazione), one line each, naming the story file, the
// story's number, the field and the fault; each file is opened once.
// cartellaStorie: the folder of the story files, as the lines name it.
QStringList animazioniGuaste(const std::vector<Storia> &testi1, const std::vector<Storia> &testi2,
                             const QString &cartellaProgramma, const QString &cartellaStorie);
