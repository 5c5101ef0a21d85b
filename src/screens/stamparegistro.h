#pragma once

#include "padronanzaregistro.h"
#include "riassunto.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

class QChart;

// The record view's texts in the language of the run.
struct TestiRegistro {
    QStringList colonne; // pupil, days, problems, with no wrong press, goes wrong most, mean time
    QStringList parti; // the four parts of a problem
    QString ospite; // the visitors' name
    QString problemiAlGiorno; // the chart's two series
    QString senzaErrori;
    QString titoloStampa; // "%1" the pupil, "%2" and "%3" the dates
    QString asseGiorni, asseProblemi, asseQuota; // the chart's axis titles
    QString stampatoIl; // "%1" the day the page was printed
    QStringList operazioni; // addition, subtraction, both
    QString spiegaGrafico; // the chart in words, for a parent
    QStringList spiegaColonne; // columns 1 to 5 in words
    TestiPadronanza padronanza;

    // Columns 1 to 5 of the table for a pupil (column 0 is the name).
    QStringList valori(const RiassuntoAlunno &a) const;
    QString nome(const RiassuntoAlunno &a) const { return a.alunno.isEmpty() ? ospite : a.alunno; }
};

// A pupil's chart, untitled: problems a day (left axis) and the share of each week's
// problems finished with no wrong press (right axis, per cent).
QChart *creaGrafico(const RiassuntoAlunno &a, const TestiRegistro &t);

// One printed page: a pupil's whole record and its additions and
// subtractions apart.
struct PaginaRegistro {
    RiassuntoAlunno tutto, addizioni, sottrazioni;
    QuadroAlunno quadro; // where the pupil is sure and where stuck
};
// The pages of the pupils the filter takes, in the view's order.
std::vector<PaginaRegistro> pagineRegistro(const std::vector<RigaRegistro> &righe, const FiltroRegistro &filtro);

// One A4 page per pupil, with the chart and the table, ready to print.
// False, with the fault in *errore, when the file cannot be written.
bool stampaRegistro(const QString &file, const std::vector<PaginaRegistro> &pagine, const TestiRegistro &t,
                    const QDate &dal, const QDate &al, const QDate &oggi, QString *errore);
