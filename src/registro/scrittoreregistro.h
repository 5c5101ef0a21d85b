#pragma once

#include "rigaregistro.h"

#include <QString>
#include <QStringList>

// Appends the rows of this computer's record file, registro-<computer>.csv
// in the record folder: UTF-8 with a byte order mark and the header row when
// the file is new, then one append per row, flushed to disk before it
// returns. A whole row is never changed. A row cut by a kill or a power cut
// is, before the next append, moved whole into <file>.troncata beside it,
// and the file cut back to its last whole row, so that a spreadsheet shows
// only whole rows. A file whose header is not the one this version writes
// (an older version's, or a later one's) is left as it is: the rows go to
// "registro-<computer> (2).csv", then (3) and on. Computers sharing a
// folder each write their own files.
class ScrittoreRegistro
{
public:
    // intestazione: the column titles of the language of the run; titoli:
    // those of every language known, to recognise a file begun in another.
    ScrittoreRegistro(const QString &cartella, const QString &computer, const QStringList &intestazione,
                      const TitoliRegistro &titoli);

    QString cartella() const { return m_cartella; }
    // The file the rows go to (after the first append, the one chosen).
    QString percorso() const { return m_percorso; }

    // False, with the fault in *errore, when the row could not be written
    // whole.
    bool aggiungi(const RigaRegistro &riga, QString *errore = nullptr);

    // The computer's name as a file name keeps it: letters, digits, '-',
    // '_' and '.', anything else '_' ("pc" when the system gives none).
    static QString nomeComputer(const QString &nomeDiSistema);
    // The file of a cut row's bytes, beside the record file.
    static QString fileTroncate(const QString &percorso);

private:
    // Makes m_percorso a file that ends with a whole row of this version's
    // header, or an empty one; its size in *dimensione.
    bool prepara(qint64 *dimensione, QString *errore);

    QString m_cartella;
    QString m_base; // "registro-<computer>"
    QString m_percorso;
    QByteArray m_intestazione;
    TitoliRegistro m_titoli;
    // The file's size after this run's last whole append; -1 when unknown.
    // Any other size means someone else touched it: it is looked at again.
    qint64 m_dimensioneNota = -1;
};
