#include "formregistro.h"

#include "contesto.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "registroclasse.h"
#include "stile.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>

namespace {
const QColor ViolaRegistro(255, 128, 255);

QString messaggio(const Contesto &c, int chiave)
{
    return c.lingua.MLSGetString(QString::number(chiave).rightJustified(4, u'0'));
}
} // namespace

FormRegistro::FormRegistro(Contesto &contesto, const Scuola &scuola)
    : SchermoScalato(QStringLiteral("FormRegistro"), LarghezzaProgetto, AltezzaProgetto, contesto.display)
    , c(contesto)
    , m_scuola(scuola)
{
    setWindowTitle(QStringLiteral("Numerella"));
    coloraSfondo(client(), QColor(255, 192, 255));
    const QFont testo = fontProgetto(QStringLiteral("Arial"), 12, true);
    // Each field is named by the label before it, for a screen reader too.
    auto etichetta = [&](const QString &nome, const QString &t, int l, int w, QWidget *campo) {
        QLabel *e = aggiungi(new QLabel(t, client()), nome);
        e->setFont(testo);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setBuddy(campo);
        piazza(e, l, 120, w, 480);
    };
    ComboAlunno = new QComboBox(client());
    DataDal = new QDateEdit(client());
    DataAl = new QDateEdit(client());
    etichetta(QStringLiteral("LabelAlunno"), QStringLiteral("Alunno"), 240, 1080, ComboAlunno);
    aggiungi(ComboAlunno, QStringLiteral("ComboAlunno"));
    ComboAlunno->setFont(testo);
    piazza(ComboAlunno, 1440, 120, 2640, 480);
    etichetta(QStringLiteral("LabelDal"), QStringLiteral("dal"), 4200, 600, DataDal);
    aggiungi(DataDal, QStringLiteral("DataDal"));
    etichetta(QStringLiteral("LabelAl"), QStringLiteral("al"), 6480, 600, DataAl);
    aggiungi(DataAl, QStringLiteral("DataAl"));
    int left = 4860;
    for (QDateEdit *d : {DataDal, DataAl}) {
        d->setFont(testo);
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        piazza(d, left, 120, 1560, 480);
        left += 2280;
        connect(d, &QDateEdit::dateChanged, this, &FormRegistro::aggiorna);
    }
    connect(ComboAlunno, &QComboBox::currentIndexChanged, this, &FormRegistro::aggiorna);

    // Who needs help comes first, above everyone's figures.
    LabelAiuto = aggiungi(new QLabel(client()), QStringLiteral("LabelAiuto"));
    LabelAiuto->setFont(fontProgetto(QStringLiteral("Arial"), 9.75, true));
    LabelAiuto->setWordWrap(true);
    piazza(LabelAiuto, 240, 660, 9120, 480);

    TabellaAlunni = aggiungi(new QTableWidget(client()), QStringLiteral("TabellaAlunni"));
    TabellaAlunni->setFont(fontProgetto(QStringLiteral("Arial"), 9.75, false));
    TabellaAlunni->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabellaAlunni->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabellaAlunni->setSelectionMode(QAbstractItemView::SingleSelection);
    TabellaAlunni->verticalHeader()->hide();
    // A long name goes onto a second line.
    TabellaAlunni->setWordWrap(true);
    TabellaAlunni->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The names take what the numbers leave (dimensionaColonne); a long
    // header goes onto a second line.
    TabellaAlunni->horizontalHeader()->setStretchLastSection(false);
    TabellaAlunni->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    TabellaAlunni->installEventFilter(this);
    TabellaAlunni->setAccessibleName(QStringLiteral("Alunni"));
    piazza(TabellaAlunni, 240, 1200, 9120, 1500);
    connect(TabellaAlunni, &QTableWidget::currentCellChanged, this, [this](int riga) { mostraGrafico(riga); });

    // The chosen pupil's sure and stuck parts: a row an operation, a mark a
    // part, each mark a sign and a word.
    TabellaPadronanza
        = aggiungi(new QTableWidget(2, RigaRegistro::Parti, client()), QStringLiteral("TabellaPadronanza"));
    TabellaPadronanza->setFont(fontProgetto(QStringLiteral("Arial"), 9.75, false));
    TabellaPadronanza->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabellaPadronanza->setSelectionMode(QAbstractItemView::NoSelection);
    TabellaPadronanza->setWordWrap(true);
    TabellaPadronanza->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    TabellaPadronanza->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    TabellaPadronanza->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    TabellaPadronanza->installEventFilter(this);
    piazza(TabellaPadronanza, 240, 2820, 9120, 1080);

    Grafico = aggiungi(new QChartView(client()), QStringLiteral("Grafico"));
    Grafico->setRenderHint(QPainter::Antialiasing);
    Grafico->setAccessibleName(QStringLiteral("Grafico"));
    piazza(Grafico, 240, 4020, 9120, 2340);

    LabelFile = aggiungi(new QLabel(client()), QStringLiteral("LabelFile"));
    LabelFile->setFont(fontProgetto(QStringLiteral("Arial"), 9, false));
    LabelFile->setWordWrap(true);
    piazza(LabelFile, 240, 6480, 4920, 600);

    BottoneStampa = aggiungi(new QPushButton(QStringLiteral("Stampa"), client()), QStringLiteral("BottoneStampa"));
    BottoneIndietro
        = aggiungi(new QPushButton(QStringLiteral("Indietro"), client()), QStringLiteral("BottoneIndietro"));
    left = 5400;
    for (QPushButton *b : {BottoneStampa, BottoneIndietro}) {
        b->setFont(fontProgetto(QStringLiteral("Arial"), 12, true));
        coloraBottone(b, ViolaRegistro);
        piazza(b, left, 6480, 1860, 600);
        left += 2100;
    }
    connect(BottoneStampa, &QPushButton::clicked, this, &FormRegistro::BottoneStampa_Click);
    connect(BottoneIndietro, &QPushButton::clicked, this, &FormRegistro::BottoneIndietro_Click);
    registraFont();
}

FormRegistro::~FormRegistro() = default;

void FormRegistro::Form_Load()
{
    c.lingua.MLSLoadFormStrings(*this);
    leggi();
    scalaAlCaricamento();
}

void FormRegistro::Form_Activate()
{
    riempiDisplay();
    TabellaAlunni->setFocus();
}

TestiRegistro FormRegistro::testi() const
{
    TestiRegistro t;
    for (int i = 0; i < 6; ++i)
        t.colonne << messaggio(c, 140 + i);
    for (int i = 0; i < 4; ++i)
        t.parti << messaggio(c, 146 + i);
    t.ospite = messaggio(c, 150);
    t.problemiAlGiorno = messaggio(c, 151);
    t.senzaErrori = messaggio(c, 152);
    t.titoloStampa = messaggio(c, 153);
    const auto m = [this](int chiave) { return messaggio(c, chiave); };
    t.asseGiorni = m(186);
    t.asseProblemi = m(187);
    t.asseQuota = m(188);
    t.stampatoIl = m(189);
    t.operazioni = QStringList{m(190), m(191), m(192)};
    t.spiegaGrafico = m(193);
    t.spiegaColonne = QStringList{m(194), m(195), m(196), m(197), m(198)};
    TestiPadronanza &p = t.padronanza;
    p.sicuro = m(224);
    p.aiuto = m(225);
    p.hannoBisogno = m(226);
    p.nessuno = m(227);
    p.sa = m(228);
    p.haBisogno = m(229);
    p.staImparando = m(230);
    p.perGenitori = QStringList{m(231), m(232), m(233), m(234)};
    p.come = m(235);
    p.operazioni = t.operazioni.mid(0, 2);
    p.parti = t.parti;
    p.ospite = t.ospite;
    return t;
}

void FormRegistro::leggi()
{
    const QString cartella = m_scuola.ClasseAlunni.cartellaDelRegistro(c.percorsi.impostazioni);
    m_lettura = leggiCartellaRegistro(cartella, titoliRegistro(c.lingua));
    QDate primo, ultimo;
    QStringList alunni;
    bool ospiti = false;
    for (const RigaRegistro &r : m_lettura.righe) {
        const QDate g = r.inizio.date();
        if (primo.isNull() || g < primo)
            primo = g;
        if (ultimo.isNull() || g > ultimo)
            ultimo = g;
        if (r.alunno.isEmpty())
            ospiti = true;
        else if (alunni.isEmpty() || alunni.back() != r.alunno)
            alunni << r.alunno;
    }
    // The class's pupils too, so that one who has not played yet shows.
    for (const Alunno &a : std::as_const(m_scuola.ClasseAlunni.alunni))
        alunni << a.nome;
    alunni.removeDuplicates();
    std::sort(alunni.begin(), alunni.end(),
              [](const QString &a, const QString &b) { return a.localeAwareCompare(b) < 0; });

    const QSignalBlocker b1(ComboAlunno), b2(DataDal), b3(DataAl);
    const TestiRegistro t = testi();
    ComboAlunno->clear();
    ComboAlunno->addItem(messaggio(c, 154));
    for (const QString &a : std::as_const(alunni))
        ComboAlunno->addItem(a, a);
    if (ospiti)
        ComboAlunno->addItem(t.ospite, QStringLiteral(""));
    const QDate oggi = QDate::currentDate();
    DataDal->setDate(primo.isNull() ? oggi : primo);
    DataAl->setDate(ultimo.isNull() ? oggi : ultimo);
    // "1 riga", "2 righe": one message for one, another for any other number.
    const auto quanti
        = [this](qsizetype n, int plurale) { return messaggio(c, n == 1 ? plurale + 1 : plurale).arg(n); };
    QStringList stato{quanti(m_lettura.file.size(), 180), quanti(qsizetype(m_lettura.righe.size()), 182)};
    if (m_lettura.scartate)
        stato << quanti(m_lettura.scartate, 184);
    LabelFile->setText(
        QDir::toNativeSeparators(cartella) + QStringLiteral(": ") + stato.join(QStringLiteral(", "))
        + (m_lettura.errori.isEmpty() ? QString() : QStringLiteral("\n") + m_lettura.errori.join(u'\n')));
    TabellaAlunni->setColumnCount(int(t.colonne.size()));
    TabellaAlunni->setHorizontalHeaderLabels(t.colonne);
    TabellaAlunni->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    aggiorna();
}

void FormRegistro::aggiorna()
{
    FiltroRegistro &f = m_filtro;
    f = {};
    if (ComboAlunno->currentIndex() > 0)
        f.alunno = ComboAlunno->currentData().toString();
    f.dal = DataDal->date();
    f.al = DataAl->date();
    m_riassunti = riassumi(m_lettura.righe, f);
    m_quadri = quadri(m_lettura.righe, f);
    const TestiRegistro t = testi();
    LabelAiuto->setText(t.padronanza.chi(m_quadri));
    LabelAiuto->setToolTip(LabelAiuto->text()); // a long class's may not show whole
    TabellaPadronanza->setVerticalHeaderLabels(t.padronanza.operazioni);
    TabellaPadronanza->setHorizontalHeaderLabels(t.parti);
    const QSignalBlocker b(TabellaAlunni);
    TabellaAlunni->setRowCount(int(m_riassunti.size()));
    for (int i = 0; i < int(m_riassunti.size()); ++i) {
        const RiassuntoAlunno &a = m_riassunti[size_t(i)];
        const QStringList v = QStringList{t.nome(a)} + t.valori(a);
        for (int k = 0; k < v.size(); ++k) {
            auto *cella = new QTableWidgetItem(v[k]);
            cella->setTextAlignment(k ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            TabellaAlunni->setItem(i, k, cella);
        }
    }
    BottoneStampa->setEnabled(!m_riassunti.empty());
    TabellaAlunni->setCurrentCell(m_riassunti.empty() ? -1 : 0, 0);
    mostraGrafico(TabellaAlunni->currentRow());
    dimensionaColonne();
}

void FormRegistro::dimensionaColonne()
{
    // Each number's column as narrow as lets its header and each value fit
    // in two lines, or up to four when the names would not keep room for
    // their longest word: the names take the rest.
    QHeaderView *h = TabellaAlunni->horizontalHeader();
    const QFontMetrics fm(h->font());
    const int margine = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h) + fm.averageCharWidth();
    int nomi = 0;
    for (int riga = 0; riga < TabellaAlunni->rowCount(); ++riga) {
        for (const QString &parola : TabellaAlunni->item(riga, 0)->text().split(u' '))
            nomi = std::max(nomi, fm.horizontalAdvance(parola) + margine);
    }
    const int spazio = TabellaAlunni->width() - 2 * TabellaAlunni->frameWidth()
        - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, TabellaAlunni) - nomi;
    int righe = 2;
    for (; righe <= 4; ++righe) {
        const auto entra = [&fm, righe](const QString &testo, int larghezza) {
            const QRect r = fm.boundingRect(QRect(0, 0, larghezza, 10 * fm.height()), Qt::TextWordWrap, testo);
            return r.width() <= larghezza && r.height() <= righe * fm.height();
        };
        int totale = 0;
        for (int k = 1; k < TabellaAlunni->columnCount(); ++k) {
            QStringList testi{h->model()->headerData(k, Qt::Horizontal).toString()};
            for (int riga = 0; riga < TabellaAlunni->rowCount(); ++riga)
                testi << TabellaAlunni->item(riga, k)->text();
            testi.removeDuplicates(); // a column's values repeat
            int larghezza = 0;
            for (const QString &t : std::as_const(testi)) {
                larghezza = std::max(larghezza, fm.horizontalAdvance(t) / righe);
                while (!entra(t, larghezza))
                    larghezza += fm.averageCharWidth();
            }
            TabellaAlunni->setColumnWidth(k, larghezza + margine);
            totale += larghezza + margine;
        }
        if (totale <= spazio)
            break;
    }
    h->setFixedHeight(std::min(righe, 4) * fm.height() + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h));
}

bool FormRegistro::eventFilter(QObject *o, QEvent *e)
{
    // The screen's scale changes the table's font.
    if (o == TabellaAlunni && e->type() == QEvent::FontChange)
        dimensionaColonne();
    // The marks of the stuck parts are bold in the table's new size.
    if (o == TabellaPadronanza && e->type() == QEvent::FontChange)
        mostraPadronanza(TabellaAlunni->currentRow());
    return SchermoScalato::eventFilter(o, e);
}

void FormRegistro::mostraGrafico(int riga)
{
    QChart *vecchio = Grafico->chart();
    if (riga >= 0 && riga < int(m_riassunti.size())) {
        const TestiRegistro t = testi();
        Grafico->setChart(creaGrafico(m_riassunti[size_t(riga)], t));
        Grafico->setAccessibleName(t.nome(m_riassunti[size_t(riga)]));
    } else {
        Grafico->setChart(new QChart);
    }
    delete vecchio;
    mostraPadronanza(riga);
}

void FormRegistro::mostraPadronanza(int riga)
{
    const TestiRegistro t = testi();
    const QString alunno = riga >= 0 && riga < int(m_riassunti.size()) ? m_riassunti[size_t(riga)].alunno : QString();
    const auto q = std::find_if(m_quadri.begin(), m_quadri.end(),
                                [&](const QuadroAlunno &a) { return riga >= 0 && a.alunno == alunno; });
    TabellaPadronanza->setAccessibleName(q == m_quadri.end() ? QString() : t.nome(m_riassunti[size_t(riga)]));
    // Room for a part's name on two lines.
    QHeaderView *h = TabellaPadronanza->horizontalHeader();
    h->setFixedHeight(2 * h->fontMetrics().height() + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h));
    QFont forte = TabellaPadronanza->font();
    forte.setBold(true);
    for (int o = 0; o < 2; ++o) {
        for (int k = 0; k < RigaRegistro::Parti; ++k) {
            const Padronanza p = q == m_quadri.end() ? Padronanza::Nessuna : q->stato[size_t(o)][size_t(k)];
            auto *cella = new QTableWidgetItem(t.padronanza.segno(p));
            cella->setTextAlignment(Qt::AlignCenter);
            if (p == Padronanza::Aiuto) {
                cella->setFont(forte);
                cella->setBackground(QColor(255, 230, 200));
            }
            TabellaPadronanza->setItem(o, k, cella);
        }
    }
}

QString FormRegistro::fileStampa() const
{
    return QDir(m_scuola.ClasseAlunni.cartellaDelRegistro(c.percorsi.impostazioni))
        .filePath(QStringLiteral("stampa-registro-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
}

void FormRegistro::BottoneStampa_Click()
{
    QString errore;
    const QString file = fileStampa();
    if (stampaRegistro(file, pagineRegistro(m_lettura.righe, m_filtro), testi(), DataDal->date(), DataAl->date(),
                       QDate::currentDate(), &errore))
        c.dialoghi.informazione(this, TitoloApplicazione,
                                messaggio(c, 157) + QStringLiteral("\n\n") + QDir::toNativeSeparators(file));
    else
        c.dialoghi.avviso(this, TitoloApplicazione,
                          messaggio(c, 158) + QStringLiteral("\n\n") + QDir::toNativeSeparators(errore));
}

void FormRegistro::BottoneIndietro_Click()
{
    if (c.schermi.mostra(QStringLiteral("FormMenu")))
        c.schermi.scarica(this);
}
