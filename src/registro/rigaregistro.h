#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <array>
#include <optional>
#include <vector>

// One problem as the record keeps it: one row of registro-<computer>.csv.
struct RigaRegistro {
    // The wrong presses are counted per part of the problem.
    enum Parte { Inizio, Cambio, Risultato, Scrittura, Parti };

    QDateTime inizio; // the first question, with the computer's offset from UTC
    QString alunno; // empty: a visitor
    QString lingua;
    QChar operazione = u'+'; // '+' or '-'
    QString fileStorie; // "testi/lista1.txt"
    int rigaStoria = 0;
    int primo = 0; // the numbers in the story's order: 7 - 3 = 4
    int secondo = 0;
    int risultato = 0;
    std::array<int, Parti> errati{}; // things at first, the change, the result, writing the operation
    int riascolti = 0; // times the sentence was heard again
    int secondi = -1; // first question to the complete operation; -1: not finished
    bool finito = false;
    bool ripasso = false; // a problem met again from the pupil's review queue

    bool operator==(const RigaRegistro &) const = default;
};

// The columns, in the file's order.
inline constexpr int ColonneRegistro = 16;

// "2026-03-02T08:15:00+01:00": ISO 8601 with the offset always written,
// which a spreadsheet sorts as text in time order for one computer.
QByteArray dataIso(const QDateTime &d);
// The row's fields as the file writes them.
QStringList campiRiga(const RigaRegistro &r);
// Fields joined by ';', each quoted when it holds ';', a quote, a line
// break or a blank at an end (RFC 4180), ended by CR LF; UTF-8.
QByteArray rigaCsv(const QStringList &campi);

// A record of the file, split into fields (quotes undone). A field points
// into the text it was read from, or into a copy of its own when doubled
// quotes had to be undone; it lives no longer than either.
struct CampiCsv {
    QVarLengthArray<QByteArrayView, 16> campi;
    std::vector<QByteArray> copie;

    qsizetype size() const { return campi.size(); }
    QByteArrayView operator[](qsizetype i) const { return campi[i]; }
};
// Reads the record that starts at *pos, moving *pos past it. False when the
// text ends before the record does (no line end, or inside quotes): a row
// cut by a kill or a power cut, or one still being written.
bool prossimoRecord(QByteArrayView testo, qsizetype *pos, CampiCsv *campi);
// The row of a record, or nothing when it is not one (the header, a row
// closed after a cut, a field out of range).
// Texts that repeat from row to row (pupils, languages, story files) are
// kept once in *uniche, when given.
std::optional<RigaRegistro> rigaDaCampi(const CampiCsv &campi, QHash<QByteArray, QString> *uniche = nullptr);
