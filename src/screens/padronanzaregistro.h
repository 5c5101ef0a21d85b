#pragma once

#include "quadro.h"

#include <QString>
#include <QStringList>
#include <vector>

// The words of the sure and stuck parts, in the language of the run: the
// record view's marks and the printed page's sentences for a parent.
struct TestiPadronanza {
    QString sicuro, aiuto; // the marks' words
    QString hannoBisogno; // "%1": who needs help, and where
    QString nessuno; // nobody needs help
    QString sa, haBisogno, staImparando; // "%1" an operation, "%2" what, for a parent
    QStringList perGenitori; // the four parts in a parent's words
    QString come; // how sure and stuck are told, for a parent
    QStringList operazioni; // additions, subtractions
    QStringList parti; // the four parts, as the table names them
    QString ospite; // the visitors' name

    // A part's mark: a sign and a word, so that neither colour nor the sign
    // alone tells it (a page printed in black, a screen reader); empty for
    // neither.
    QString segno(Padronanza p) const;
    // Above the table: the pupils who need help, each with where.
    QString chi(const std::vector<QuadroAlunno> &quadri) const;
    // A pupil's page: one sentence an operation that the pupil played
    // (problemi: how many of each).
    QStringList frasi(const QuadroAlunno &q, const std::array<int, 2> &problemi) const;
};
