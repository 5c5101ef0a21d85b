#pragma once

#include "rigaregistro.h"

#include <QStringList>
#include <vector>

// Every row of the record files in a folder.
struct LetturaRegistro {
    std::vector<RigaRegistro> righe; // file by file, in each file's order
    QStringList file; // the files read
    int scartate = 0; // rows skipped: cut by a kill, or not rows of this program
    QStringList errori; // "<file>: <fault>" for each file that could not be read
};

// The rows of one file's text (with or without its byte order mark),
// added to *lettura, each cell taken for the column its title in the
// header names. False when the header names none of the columns a row
// needs: every row is then skipped.
bool leggiTestoRegistro(const QByteArray &testo, const TitoliRegistro &titoli, LetturaRegistro *lettura);
// Reads every registro-*.csv in the folder, in name order.
LetturaRegistro leggiCartellaRegistro(const QString &cartella, const TitoliRegistro &titoli);
// One pupil's problems ("" for visitors) from every record file of the
// folder, every computer's, oldest first: the history the pupil's review
// queue is folded from, so that it follows the child to another computer
// sharing the folder and over a restart. A file that cannot be read is
// passed over: the record view tells it.
std::vector<RigaRegistro> storiaAlunno(const QString &cartella, const QString &alunno, const TitoliRegistro &titoli);
