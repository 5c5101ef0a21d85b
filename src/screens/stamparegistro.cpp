#include "stamparegistro.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QValueAxis>

QStringList TestiRegistro::valori(const RiassuntoAlunno &a) const
{
    return {QString::number(a.giorni), QString::number(a.problemi),
            QStringLiteral("%1 (%2%)").arg(a.senzaErrori).arg(a.problemi ? 100 * a.senzaErrori / a.problemi : 0),
            a.partePeggiore ? parti.value(*a.partePeggiore) : QStringLiteral("—"),
            a.finiti ? QStringLiteral("%1 s").arg(qRound(a.tempoMedio)) : QStringLiteral("—")};
}

QChart *creaGrafico(const RiassuntoAlunno &a, const TestiRegistro &t)
{
    auto *g = new QChart;
    g->setTitle(t.nome(a));
    auto *giorni = new QLineSeries;
    giorni->setName(t.problemiAlGiorno);
    int massimo = 1;
    for (const auto &[giorno, n] : a.perGiorno) {
        giorni->append(double(giorno.startOfDay().toMSecsSinceEpoch()), n);
        massimo = std::max(massimo, n);
    }
    giorni->setPointsVisible(a.perGiorno.size() < 60);
    auto *settimane = new QLineSeries;
    settimane->setName(t.senzaErrori);
    for (const auto &[lunedi, s] : a.perSettimana)
        settimane->append(double(lunedi.startOfDay().toMSecsSinceEpoch()), 100 * RiassuntoAlunno::quota(s));
    settimane->setPointsVisible(true);
    g->addSeries(giorni);
    g->addSeries(settimane);

    auto *x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("dd/MM"));
    if (!a.perGiorno.empty()) {
        // One day on its own still gets a span to stand in.
        const QDate primo = a.perGiorno.begin()->first, ultimo = a.perGiorno.rbegin()->first;
        x->setRange(primo.addDays(-1).startOfDay(), ultimo.addDays(1).startOfDay());
    }
    auto *y = new QValueAxis;
    y->setRange(0, massimo);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%d"));
    auto *quota = new QValueAxis;
    quota->setRange(0, 100);
    quota->setLabelFormat(QStringLiteral("%d%%"));
    g->addAxis(x, Qt::AlignBottom);
    g->addAxis(y, Qt::AlignLeft);
    g->addAxis(quota, Qt::AlignRight);
    giorni->attachAxis(x);
    giorni->attachAxis(y);
    settimane->attachAxis(x);
    settimane->attachAxis(quota);
    g->legend()->setAlignment(Qt::AlignBottom);
    QFont titolo(QStringLiteral("Liberation Sans"), 13, QFont::Bold);
    g->setTitleFont(titolo);
    QFont testo(QStringLiteral("Liberation Sans"), 10);
    g->legend()->setFont(testo);
    for (QAbstractAxis *a : g->axes())
        a->setLabelsFont(testo);
    return g;
}

bool stampaRegistro(const QString &file, const std::vector<RiassuntoAlunno> &riassunti, const TestiRegistro &t,
                    const QDate &dal, const QDate &al, QString *errore)
{
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(150);
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(QFileInfo(file).completeBaseName());
    QPainter p;
    if (!p.begin(&pdf)) {
        *errore = file;
        return false;
    }
    const QRect pagina = p.viewport();
    // Numbers only: the system's month names need not be the program's language.
    const QString formato = QStringLiteral("dd/MM/yyyy");
    for (size_t i = 0; i < riassunti.size(); ++i) {
        if (i)
            pdf.newPage();
        const RiassuntoAlunno &a = riassunti[i];
        QFont titolo(QStringLiteral("Liberation Sans"), 18, QFont::Bold);
        p.setFont(titolo);
        const int altezzaTitolo = p.fontMetrics().height() * 2;
        p.drawText(QRect(pagina.left(), pagina.top(), pagina.width(), altezzaTitolo), Qt::AlignLeft | Qt::AlignVCenter,
                   t.titoloStampa.arg(t.nome(a), dal.toString(formato), al.toString(formato)));

        // The chart, drawn by its own scene into the upper half of the page.
        QGraphicsScene scena;
        QChart *g = creaGrafico(a, t);
        scena.addItem(g);
        const QRect area(pagina.left(), pagina.top() + altezzaTitolo, pagina.width(), pagina.height() / 2);
        g->resize(QSizeF(900, 900.0 * area.height() / area.width()));
        scena.setSceneRect(QRectF(QPointF(0, 0), g->size()));
        scena.render(&p, area);

        // The table: one line per column of the view.
        p.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
        const int riga = p.fontMetrics().height() * 3 / 2;
        int y = area.bottom() + riga;
        const QStringList v = t.valori(a);
        for (int k = 0; k < v.size(); ++k, y += riga) {
            p.drawLine(pagina.left(), y, pagina.right(), y);
            p.drawText(QRect(pagina.left(), y, pagina.width() / 2, riga), Qt::AlignVCenter, t.colonne.value(k + 1));
            p.drawText(QRect(pagina.left() + pagina.width() / 2, y, pagina.width() / 2, riga), Qt::AlignVCenter, v[k]);
        }
        p.drawLine(pagina.left(), y, pagina.right(), y);
    }
    if (!p.end()) {
        *errore = file;
        return false;
    }
    return true;
}
