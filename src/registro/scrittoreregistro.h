#pragma once

#include "rigaregistro.h"

#include <QString>
#include <QStringList>

// Appends the rows of this computer's record file, registro-<computer>.csv
// in the record folder: UTF-8 with a byte order mark and the header row when
// the file is new, then one append per row, flushed to disk before it
// returns. The file is never rewritten: a row cut by a kill or a power cut
// is closed (its quote, its line) before the next row, and the reader skips
// it. Computers sharing a folder each write their own file.
class ScrittoreRegistro
{
public:
    // intestazione: the column titles of the language of the run.
    ScrittoreRegistro(const QString &cartella, const QString &computer, const QStringList &intestazione);

    QString cartella() const { return m_cartella; }
    QString percorso() const { return m_percorso; }

    // False, with the fault in *errore, when the row could not be written
    // whole.
    bool aggiungi(const RigaRegistro &riga, QString *errore = nullptr);

    // The computer's name as a file name keeps it: letters, digits, '-',
    // '_' and '.', anything else '_' ("pc" when the system gives none).
    static QString nomeComputer(const QString &nomeDiSistema);

private:
    QString m_cartella;
    QString m_percorso;
    QByteArray m_intestazione;
    // The file's size after this run's last whole append; -1 when unknown.
    // Any other size means someone else touched it: it is looked at again.
    qint64 m_dimensioneNota = -1;
};
