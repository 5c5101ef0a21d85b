#include "stamparegistro.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QHash>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QValueAxis>
#include <cmath>

namespace {
const QColor Grigio(64, 64, 64);
const QColor Blu(0, 70, 160);
const QColor Arancio(180, 70, 0);
const QString Famiglia = QStringLiteral("Liberation Sans");

// A point's mark: a filled circle for the problems, a hollow square for the
// share, so that the two lines differ on a page printed in black.
QImage marcatore(bool cerchio, const QColor &colore)
{
    QImage m(32, 32, QImage::Format_ARGB32_Premultiplied);
    m.fill(Qt::transparent);
    QPainter p(&m);
    p.setRenderHint(QPainter::Antialiasing);
    if (cerchio) {
        p.setPen(Qt::NoPen);
        p.setBrush(colore);
        p.drawEllipse(QRectF(3, 3, 26, 26));
    } else {
        p.setPen(QPen(colore, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 5, 22, 22));
    }
    return m;
}

// The problems axis in whole steps, its top above the busiest day so that no
// point sits on the frame, in 2, 4 or 5 intervals: the per cent axis on the
// right divides those evenly, and the two share their grid lines.
std::pair<int, int> scalaProblemi(int massimo)
{
    int alto = 0, intervalli = 0;
    for (int decina = 1; !alto; decina *= 10) {
        for (int passo : {decina, 2 * decina, 5 * decina}) {
            for (int n : {5, 4, 2}) {
                if (passo * n > massimo && (!alto || passo * n < alto))
                    alto = passo * n, intervalli = n;
            }
        }
    }
    return {alto, intervalli};
}

// Days stand at noon: a change of clock time inside the range moves a tick
// by an hour, never onto another day's label.
qreal mezzogiorno(const QDate &g)
{
    return qreal(QDateTime(g, QTime(12, 0)).toMSecsSinceEpoch());
}

QFont font(double punti, bool grassetto = false)
{
    QFont f(Famiglia, 1, grassetto ? QFont::Bold : QFont::Normal);
    f.setPointSizeF(punti);
    return f;
}
} // namespace

QStringList TestiRegistro::valori(const RiassuntoAlunno &a) const
{
    return {QString::number(a.giorni), QString::number(a.problemi),
            QStringLiteral("%1 (%2%)").arg(a.senzaErrori).arg(a.problemi ? 100 * a.senzaErrori / a.problemi : 0),
            a.partePeggiore ? parti.value(*a.partePeggiore) : QStringLiteral("—"),
            a.finiti ? QStringLiteral("%1 s").arg(qRound(a.tempoMedio)) : QStringLiteral("—")};
}

QChart *creaGrafico(const RiassuntoAlunno &a, const TestiRegistro &t)
{
    // No title: the view's table and the page's title name the pupil. The
    // room above the plot is for the numbers of the points at its top.
    auto *g = new QChart;
    g->setBackgroundRoundness(0);
    g->setBackgroundBrush(Qt::white);
    g->setMargins(QMargins(4, 20, 4, 4));
    const QFont testo = font(10);

    auto *giorni = new QLineSeries;
    giorni->setName(t.problemiAlGiorno);
    int massimo = 0;
    for (const auto &[giorno, n] : a.perGiorno) {
        giorni->append(mezzogiorno(giorno), n);
        massimo = std::max(massimo, n);
    }
    auto *settimane = new QLineSeries;
    settimane->setName(t.senzaErrori);
    // A week stands on its first day with problems: on the chart's range,
    // even when the range starts after the week's Monday.
    for (const auto &[lunedi, s] : a.perSettimana) {
        const auto giorno = a.perGiorno.lower_bound(lunedi);
        settimane->append(mezzogiorno(giorno == a.perGiorno.end() ? lunedi : giorno->first),
                          qRound(100 * RiassuntoAlunno::quota(s)));
    }
    // Each point marked and numbered while there is room for it.
    const bool pochi = a.perGiorno.size() <= 31;
    giorni->setPen(QPen(Blu, 3));
    giorni->setLightMarker(marcatore(true, Blu));
    giorni->setMarkerSize(pochi ? 12 : 7);
    giorni->setPointsVisible(a.perGiorno.size() <= 62);
    settimane->setPen(QPen(Arancio, 3, Qt::DashLine));
    settimane->setLightMarker(marcatore(false, Arancio));
    settimane->setMarkerSize(12);
    settimane->setPointsVisible(true);
    for (QLineSeries *s : {giorni, settimane}) {
        s->setPointLabelsVisible(pochi);
        s->setPointLabelsFont(testo);
        s->setPointLabelsColor(Grigio);
        s->setPointLabelsClipping(false);
    }
    giorni->setPointLabelsFormat(QStringLiteral("@yPoint"));
    settimane->setPointLabelsFormat(QStringLiteral("@yPoint%"));
    g->addSeries(giorni);
    g->addSeries(settimane);

    // A label every day for up to ten days, then every two days, then every
    // week or weeks; the range has a free day at each end, so that a single
    // day stands in the middle.
    QDate primo = QDate::currentDate(), ultimo = primo;
    if (!a.perGiorno.empty())
        primo = a.perGiorno.begin()->first, ultimo = a.perGiorno.rbegin()->first;
    const qint64 giorniVisti = primo.daysTo(ultimo) + 2;
    const qint64 passo = giorniVisti <= 10 ? 1 : giorniVisti <= 20 ? 2 : 7 * ((giorniVisti + 69) / 70);
    const qint64 tacche = (giorniVisti + passo - 1) / passo;
    auto *x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("dd/MM"));
    x->setTickCount(int(tacche) + 1);
    x->setMin(QDateTime(primo.addDays(-1), QTime(12, 0)));
    x->setMax(QDateTime(primo.addDays(passo * tacche - 1), QTime(12, 0)));
    x->setTitleText(t.asseGiorni);
    const auto [alto, intervalli] = scalaProblemi(massimo);
    auto *y = new QValueAxis;
    y->setRange(0, alto);
    y->setTickCount(intervalli + 1);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(t.asseProblemi);
    auto *quota = new QValueAxis;
    quota->setRange(0, 100);
    quota->setTickCount(intervalli + 1);
    quota->setLabelFormat(QStringLiteral("%d%%"));
    quota->setTitleText(t.asseQuota);
    quota->setGridLineVisible(false); // the left axis's lines are the same
    g->addAxis(x, Qt::AlignBottom);
    g->addAxis(y, Qt::AlignLeft);
    g->addAxis(quota, Qt::AlignRight);
    giorni->attachAxis(x);
    giorni->attachAxis(y);
    settimane->attachAxis(x);
    settimane->attachAxis(quota);
    for (QAbstractAxis *asse : g->axes()) {
        asse->setLabelsFont(testo);
        asse->setLabelsColor(Grigio);
        asse->setTitleFont(testo);
        asse->setTitleBrush(Grigio);
        asse->setLinePenColor(Grigio);
        asse->setGridLineColor(QColor(200, 200, 200));
    }
    g->legend()->setAlignment(Qt::AlignBottom);
    g->legend()->setFont(testo);
    g->legend()->setLabelColor(Grigio);
    g->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    return g;
}

std::vector<PaginaRegistro> pagineRegistro(const std::vector<RigaRegistro> &righe, const FiltroRegistro &filtro)
{
    std::vector<RigaRegistro> addizioni, sottrazioni;
    for (const RigaRegistro &r : righe) {
        if (filtro.prende(r))
            (r.operazione == u'-' ? sottrazioni : addizioni).push_back(r);
    }
    const auto perAlunno = [&filtro](const std::vector<RigaRegistro> &v) {
        QHash<QString, RiassuntoAlunno> h;
        for (RiassuntoAlunno &a : riassumi(v, filtro))
            h.insert(a.alunno, std::move(a));
        return h;
    };
    const QHash<QString, RiassuntoAlunno> piu = perAlunno(addizioni), meno = perAlunno(sottrazioni);
    QHash<QString, QuadroAlunno> stati;
    for (QuadroAlunno &q : quadri(righe, filtro))
        stati.insert(q.alunno, std::move(q));
    std::vector<PaginaRegistro> pagine;
    for (RiassuntoAlunno &a : riassumi(righe, filtro)) {
        PaginaRegistro p{a, piu.value(a.alunno), meno.value(a.alunno), stati.value(a.alunno)};
        p.addizioni.alunno = p.sottrazioni.alunno = a.alunno;
        pagine.push_back(std::move(p));
    }
    return pagine;
}

bool stampaRegistro(const QString &file, const std::vector<PaginaRegistro> &pagine, const TestiRegistro &t,
                    const QDate &dal, const QDate &al, const QDate &oggi, QString *errore)
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
    const int spazio = pdf.resolution() / 8;
    // Numbers only: the system's month names need not be the program's language.
    const QString formato = QStringLiteral("dd/MM/yyyy");
    // A block of wrapped text at y; returns the y below it.
    const auto paragrafo = [&p, &pagina](const QString &testo, const QFont &f, int y, bool disegna = true) {
        p.setFont(f);
        const QRect r
            = p.boundingRect(QRect(pagina.left(), y, pagina.width(), pagina.height()), Qt::TextWordWrap, testo);
        if (disegna)
            p.drawText(r, Qt::TextWordWrap, testo);
        return r.bottom() + 1;
    };
    const QFont titolo = font(18, true), corpo = font(11), forte = font(11, true), nota = font(10);
    for (size_t i = 0; i < pagine.size(); ++i) {
        if (i)
            pdf.newPage();
        const PaginaRegistro &pg = pagine[i];
        p.setPen(Qt::black);
        int y = paragrafo(t.titoloStampa.arg(t.nome(pg.tutto), dal.toString(formato), al.toString(formato)), titolo,
                          pagina.top());
        p.setPen(Grigio);
        y = paragrafo(t.stampatoIl.arg(oggi.toString(formato)), nota, y) + spazio;

        // Where the child is sure and where stuck, first: what a parent can
        // help with at home.
        p.setPen(Qt::black);
        for (const QString &frase : t.padronanza.frasi(pg.quadro, {pg.addizioni.problemi, pg.sottrazioni.problemi}))
            y = paragrafo(frase, corpo, y) + spazio / 3;
        p.setPen(Grigio);
        y = paragrafo(t.padronanza.come, nota, y) + spazio;

        // The table first, measured, so that the chart takes what it leaves.
        p.setFont(forte);
        const int riga = p.fontMetrics().height() * 3 / 2;
        const int colonnaNome = pagina.width() * 2 / 5, colonna = (pagina.width() - colonnaNome) / 3;
        int altezzaTabella = riga;
        for (const QString &s : t.spiegaColonne)
            altezzaTabella += riga + paragrafo(s, nota, 0, false) + spazio / 2;
        const int altezzaSpiega = paragrafo(t.spiegaGrafico, corpo, 0, false);
        const int altezzaGrafico = pagina.bottom() - y - altezzaTabella - altezzaSpiega - 3 * spazio;

        // The chart, drawn at the page's resolution by its own scene: its
        // fonts keep their sizes in points on paper.
        const QRect area(pagina.left(), y, pagina.width(), std::max(altezzaGrafico, pagina.height() / 4));
        {
            QGraphicsScene scena;
            QChart *g = creaGrafico(pg.tutto, t);
            scena.addItem(g);
            const qreal schermo = 96.0 / pdf.resolution();
            g->resize(QSizeF(area.size()) * schermo);
            scena.setSceneRect(QRectF(QPointF(0, 0), g->size()));
            QImage immagine(area.size() * 2, QImage::Format_ARGB32_Premultiplied);
            immagine.setDevicePixelRatio(2 / schermo);
            immagine.fill(Qt::white);
            QPainter pi(&immagine);
            pi.setRenderHint(QPainter::Antialiasing);
            scena.render(&pi, QRectF(QPointF(0, 0), g->size()));
            pi.end();
            p.drawImage(area, immagine);
        }
        y = area.bottom() + spazio;
        p.setPen(Qt::black);
        y = paragrafo(t.spiegaGrafico, corpo, y) + spazio;

        // Each figure for addition, subtraction and both, with what it means.
        const auto cella = [&](int k, int yy, const QString &s, bool grassetto) {
            p.setFont(grassetto ? forte : corpo);
            const QRect r = k < 0 ? QRect(pagina.left(), yy, colonnaNome, riga)
                                  : QRect(pagina.left() + colonnaNome + k * colonna, yy, colonna, riga);
            p.drawText(r, (k < 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, s);
        };
        for (int k = 0; k < 3; ++k)
            cella(k, y, t.operazioni.value(k), true);
        y += riga;
        const QStringList piu = t.valori(pg.addizioni), meno = t.valori(pg.sottrazioni), tutto = t.valori(pg.tutto);
        for (int k = 0; k < tutto.size(); ++k) {
            p.setPen(QColor(160, 160, 160));
            p.drawLine(pagina.left(), y, pagina.right(), y);
            p.setPen(Qt::black);
            cella(-1, y, t.colonne.value(k + 1), true);
            cella(0, y, piu[k], false);
            cella(1, y, meno[k], false);
            cella(2, y, tutto[k], true);
            y += riga;
            p.setPen(Grigio);
            y = paragrafo(t.spiegaColonne.value(k), nota, y) + spazio / 2;
        }
    }
    if (!p.end()) {
        *errore = file;
        return false;
    }
    return true;
}
