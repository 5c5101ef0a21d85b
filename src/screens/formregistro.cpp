#include "formregistro.h"

#include "contesto.h"
#include "dialoghi.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "registroclasse.h"
#include "registroschermi.h"
#include "stile.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {
const QColor ViolaRegistro(255, 128, 255);

QString messaggio(const Contesto &c, int chiave)
{
    return c.lingua.MLSGetString(QString::number(chiave).rightJustified(4, u'0'));
}
} // namespace

FormRegistro::FormRegistro(Contesto &contesto)
    : SchermoScalato(QStringLiteral("FormRegistro"), LarghezzaProgetto, AltezzaProgetto, contesto.display)
    , c(contesto)
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

    TabellaAlunni = aggiungi(new QTableWidget(client()), QStringLiteral("TabellaAlunni"));
    TabellaAlunni->setFont(fontProgetto(QStringLiteral("Arial"), 9.75, false));
    TabellaAlunni->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabellaAlunni->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabellaAlunni->setSelectionMode(QAbstractItemView::SingleSelection);
    TabellaAlunni->verticalHeader()->hide();
    // The names take what the numbers leave.
    TabellaAlunni->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TabellaAlunni->horizontalHeader()->setStretchLastSection(false);
    TabellaAlunni->setAccessibleName(QStringLiteral("Alunni"));
    piazza(TabellaAlunni, 240, 720, 9120, 2880);
    connect(TabellaAlunni, &QTableWidget::currentCellChanged, this, [this](int riga) { mostraGrafico(riga); });

    Grafico = aggiungi(new QChartView(client()), QStringLiteral("Grafico"));
    Grafico->setRenderHint(QPainter::Antialiasing);
    Grafico->setAccessibleName(QStringLiteral("Grafico"));
    piazza(Grafico, 240, 3720, 9120, 2640);

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
    return t;
}

void FormRegistro::leggi()
{
    const QString cartella = c.stato.ClasseAlunni.cartellaDelRegistro(c.percorsi.impostazioni);
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
    for (const Alunno &a : std::as_const(c.stato.ClasseAlunni.alunni))
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
    LabelFile->setText(
        QDir::toNativeSeparators(cartella) + QStringLiteral(": ")
        + messaggio(c, 155).arg(m_lettura.file.size()).arg(m_lettura.righe.size())
        + (m_lettura.scartate ? QStringLiteral(", ") + messaggio(c, 156).arg(m_lettura.scartate) : QString())
        + (m_lettura.errori.isEmpty() ? QString() : QStringLiteral("\n") + m_lettura.errori.join(u'\n')));
    TabellaAlunni->setColumnCount(int(t.colonne.size()));
    TabellaAlunni->setHorizontalHeaderLabels(t.colonne);
    TabellaAlunni->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    aggiorna();
}

void FormRegistro::aggiorna()
{
    FiltroRegistro f;
    if (ComboAlunno->currentIndex() > 0)
        f.alunno = ComboAlunno->currentData().toString();
    f.dal = DataDal->date();
    f.al = DataAl->date();
    m_riassunti = riassumi(m_lettura.righe, f);
    const TestiRegistro t = testi();
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
}

void FormRegistro::mostraGrafico(int riga)
{
    QChart *vecchio = Grafico->chart();
    if (riga >= 0 && riga < int(m_riassunti.size())) {
        Grafico->setChart(creaGrafico(m_riassunti[size_t(riga)], testi()));
        Grafico->setAccessibleName(Grafico->chart()->title());
    } else {
        Grafico->setChart(new QChart);
    }
    delete vecchio;
}

QString FormRegistro::fileStampa() const
{
    return QDir(c.stato.ClasseAlunni.cartellaDelRegistro(c.percorsi.impostazioni))
        .filePath(QStringLiteral("stampa-registro-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
}

void FormRegistro::BottoneStampa_Click()
{
    QString errore;
    const QString file = fileStampa();
    if (stampaRegistro(file, m_riassunti, testi(), DataDal->date(), DataAl->date(), &errore))
        c.dialoghi.informazione(this, TitoloApplicazione,
                                messaggio(c, 157) + QStringLiteral("\n\n") + QDir::toNativeSeparators(file));
    else
        c.dialoghi.avviso(this, TitoloApplicazione,
                          messaggio(c, 158) + QStringLiteral("\n\n") + QDir::toNativeSeparators(errore));
}

void FormRegistro::BottoneIndietro_Click()
{
    if (c.registro.mostra(QStringLiteral("FormMenu")))
        c.registro.scarica(this);
}
