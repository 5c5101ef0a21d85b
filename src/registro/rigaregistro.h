#pragma once

#include "andamento.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <optional>
#include <span>
#include <vector>

// One problem as the record keeps it: one row of registro-<computer>.csv.
struct RigaRegistro : Andamento {
    // The wrong presses are counted per part of the problem.
    enum Parte { Inizio, Cambio, Risultato, Scrittura, Parti };

    QString alunno; // empty: a visitor
    QString lingua;
    QString fileStorie; // "testi/lista1.txt"

    bool operator==(const RigaRegistro &) const = default;
};

// What a column's reader fills in besides the row: the start's day, time
// and offset come in cells of their own and make one QDateTime at the end.
struct CelleLette {
    QDate giorno;
    QTime ora;
    std::optional<int> offset; // seconds east of UTC
    QHash<QByteArray, QString> *uniche = nullptr; // texts kept once, when given
};

// A column of the record, described once: the message of its title, how a
// row's value is written into its cell, how the cell is read back.
struct ColonnaRegistro {
    const char *chiave; // the title's message: "0121"
    // Appends the cell (quoted when it is text). Null: a column that only
    // older versions wrote, still read.
    void (*scrivi)(const RigaRegistro &r, QByteArray *riga);
    // False when the cell is not a value of the column.
    bool (*leggi)(QByteArrayView cella, RigaRegistro *r, CelleLette *celle);
    // The columns a file may hold instead of this one (keys, blank
    // separated): the older single start column stands for day, time and
    // offset.
    const char *alPostoDi = "";
    // A column added after files were written lacks in them: its field
    // keeps RigaRegistro's default.
    bool facoltativa = false;
};

// Every column known: first those this version writes, in the file's
// order, then those only read.
std::span<const ColonnaRegistro> colonneRegistro();
// How many of them this version writes.
int colonneScritte();

// For each column of colonneRegistro(), the titles it has in the languages
// known (any letter case), to read a file by its header.
using TitoliRegistro = std::vector<QStringList>;

// A text cell as the file writes it: quoted, doubled quotes inside, and an
// apostrophe before one that starts with '=', '+', '-', '@' (or with
// apostrophes before one of them), so that a spreadsheet shows it and never
// runs it. testoDaCella undoes both.
QByteArray cellaTesto(const QString &t);
QString testoDaCella(QByteArrayView cella);
// The header: the titles of the columns written, in the file's order.
QByteArray intestazioneCsv(const QStringList &titoli);
// The row of a problem as the file writes it, ended by CR LF; UTF-8.
QByteArray rigaCsv(const RigaRegistro &r);

// A record of the file, split into fields (quotes undone). A field points
// into the text it was read from, or into a copy of its own when doubled
// quotes had to be undone; it lives no longer than either.
struct CampiCsv {
    QVarLengthArray<QByteArrayView, 24> campi;
    std::vector<QByteArray> copie;

    qsizetype size() const { return campi.size(); }
    QByteArrayView operator[](qsizetype i) const { return campi[i]; }
};
// Reads the record that starts at *pos, moving *pos past it. False when the
// text ends before the record does (no line end, or inside quotes): a row
// cut by a kill or a power cut, or one still being written.
bool prossimoRecord(QByteArrayView testo, qsizetype *pos, CampiCsv *campi);

// Which column of colonneRegistro() each cell of a file's rows holds (-1:
// one this version does not know), from the file's header.
struct DisposizioneRegistro {
    std::vector<int> colonne;
    // Exactly the header this version writes: the columns written, in
    // their order, nothing else. Only such a file is appended to.
    bool attuale = false;

    bool valida() const { return !colonne.empty(); }
};
// From the header's cells: by their titles, in any language of `titoli`;
// failing that, a header of the count of cells of the older layout (start
// as one ISO 8601 cell) or of this one is taken to be in that order. Not
// valid when a needed column is missing.
DisposizioneRegistro disposizione(const CampiCsv &intestazione, const TitoliRegistro &titoli);
// The row of a record, or nothing when it is not one (a row closed after a
// cut, a field out of range, a count of cells other than the header's).
// Texts that repeat from row to row (pupils, languages, story files) are
// kept once in *uniche, when given.
std::optional<RigaRegistro> rigaDaCampi(const CampiCsv &campi, const DisposizioneRegistro &d,
                                        QHash<QByteArray, QString> *uniche = nullptr);
