#include "formesercizio.h"

#include "accesso.h"
#include "alunni.h"
#include "bottoneicona.h"
#include "casuale.h"
#include "cellaanimata.h"
#include "clsresize.h"
#include "contesto.h"
#include "dialoghi.h"
#include "fontinproporzione.h"
#include "iconascalata.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "motorevoce.h"
#include "perparlare.h"
#include "registroclasse.h"
#include "registroschermi.h"
#include "sfondo.h"
#include "stile.h"
#include "testi.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <cmath>

namespace {

QFont carattere(const char *famiglia, double punti)
{
    return fontProgetto(QString::fromLatin1(famiglia), punti, true);
}

// Text colour, and a plain background painted behind it.
void colora(QWidget *w, const QColor &sfondo, const QColor &testo = QColor())
{
    coloraSfondo(w, sfondo);
    if (testo.isValid()) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, testo);
        w->setPalette(p);
    }
}

const QColor Ciano(0, 255, 255);
const QColor Bianco(255, 255, 255);

} // namespace

FormEsercizio::FormEsercizio(Contesto &c, const Disegno &d, Operazione op, const std::vector<Storia> &storie)
    : SchermoScalato(d.nome, d.larghezza, d.altezza, c.display)
    , m_c(c)
    , m_d(d)
    , m_problema(std::move(op), storie, c.casuale, c.stato.NumeroEsatti, c.stato.NumeroErrati,
                 [&c](const QString &chiave) { return c.lingua.MLSGetString(chiave); })
    , m_parlata(new Parlata(this))
{
    // The title is not empty by design, so the language file's title applies.
    setWindowTitle(TitoloApplicazione);
    // The keyboard is read by the screen itself (keyPressEvent); no button
    // may take the focus, or the space bar would click it.
    setFocusPolicy(Qt::StrongFocus);
    creaControlli();
    registraFont();
    mostraAlunnoInBarra(*this, c);
    // Every problem that ends, finished or not, is a row of the record.
    m_problema.allaFine = [&c](const Andamento &a) { annotaProblema(c, a); };
    // The next problem from the player's review queue: a missed one when
    // its turn has come, or one drawn as designed. With the teacher's review
    // off, only the draws.
    m_problema.prossimo = [&c, &storie, sottrazione = m_problema.sottrazione()] {
        const Scelta s
            = c.stato.RipassoCorrente.scelta().prossimo(sottrazione ? u'-' : u'+',
                                                        fileDelleStorie(c.stato, sottrazione), int(storie.size()),
                                                        c.casuale, c.stato.ClasseAlunni.ripasso);
        return Problema::Estrazione{s.riga, s.n3, s.n1, s.ripasso};
    };
    // The teacher's other switch, c.stato.ClasseAlunni.aiuti, is for the
    // problem's hints where a child is stuck; the problem gives none yet.
}

FormEsercizio::~FormEsercizio() = default;

QLabel *FormEsercizio::creaEtichetta(QWidget *padre, const QString &nome, const QString &testo, const QRect &r)
{
    auto *l = aggiungi(new QLabel(testo, padre), nome);
    piazza(l, r.x(), r.y(), r.width(), r.height());
    return l;
}

QPushButton *FormEsercizio::creaBottone(QWidget *padre, const QString &nome, int indice, const QString &testo,
                                        const QRect &r)
{
    auto *b = aggiungi(new QPushButton(testo, padre), nome, indice);
    b->setFocusPolicy(Qt::NoFocus);
    piazza(b, r.x(), r.y(), r.width(), r.height());
    return b;
}

QAction *FormEsercizio::creaMenu(const QString &nome, const QString &testo)
{
    // Entries that act at once sit straight on the menu bar.
    QAction *a = menuBar()->addAction(testo);
    registra(a, nome);
    return a;
}

void FormEsercizio::creaPannello(QWidget *padre)
{
    auto *pannello = aggiungi(new QFrame(padre), QStringLiteral("PicturesattiErrati"));
    pannello->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    colora(pannello, Ciano);
    piazza(pannello, m_d.pannelloLeft, 120, 5775, 975);
    m_pannello = pannello;

    const QString icone = Percorsi::unisci(m_c.percorsi.programma, QStringLiteral("icone"));
    auto icona = [&](const QString &nome, const QString &file) {
        const QString base = icone + u'/' + file;
        auto *i = aggiungi(new IconaScalata(base + QStringLiteral(".png"), base + QStringLiteral("@2x.png"), pannello),
                           nome);
        piazza(i, 240, 120, 735, 735);
        return i;
    };
    m_iconaSi = icona(QStringLiteral("ComandoIconaSi"), QStringLiteral("si"));
    m_iconaNo = icona(QStringLiteral("ComandoIconaNo"), QStringLiteral("no"));
    m_iconaNo->hide();

    auto conteggio = [&](const QString &nome, const QString &testo, const QRect &r, double punti) {
        QLabel *l = creaEtichetta(pannello, nome, testo, r);
        l->setFont(carattere("Arial", punti));
        colora(l, Ciano, Qt::black);
        return l;
    };
    conteggio(QStringLiteral("LabelEst"), QStringLiteral("Esatti"), QRect(1200, 360, 1215, 375), 12);
    m_esatti = conteggio(QStringLiteral("EtichettaEsatti"), QStringLiteral("0"), QRect(2520, 240, 615, 615), 20.25);
    conteggio(QStringLiteral("LabelErt"), QStringLiteral("Errati"), QRect(3240, 360, 1215, 405), 12);
    m_errati = conteggio(QStringLiteral("EtichettaErrati"), QStringLiteral("0"), QRect(4680, 240, 615, 615), 20.25);
}

void FormEsercizio::creaControlli()
{
    // Creation order is the designed order: the language keys, the layout
    // table and the stacking (later on top) all follow it.
    m_sfondo = aggiungi(new Sfondo(client()), QStringLiteral("Sfondo"));
    m_sfondo->setColor(QColor(192, 255, 255));
    m_sfondo->setFincolor(QColor(0, 0, 192));
    piazza(m_sfondo, 0, 0, m_d.larghezza, m_d.altezza);
    QWidget *sf = m_sfondo;

    creaPannello(sf);

    const QString altoparlante = Percorsi::unisci(m_c.percorsi.programma, QStringLiteral("icone/altoparlante"));
    m_ripeti = aggiungi(new BottoneIcona(altoparlante + QStringLiteral(".png"),
                                         altoparlante + QStringLiteral("@2x.png"), sf),
                        QStringLiteral("Command6"));
    m_ripeti->setFocusPolicy(Qt::NoFocus);
    // A name for screen readers until the language file's tooltip gives one.
    m_ripeti->setAccessibleName(QStringLiteral("Ripeti"));
    piazza(m_ripeti, 6360, 240, 2055, 855);

    const QString animazioni = Percorsi::unisci(m_c.percorsi.programma, QStringLiteral("gifanimate"));
    for (int i = 0; i < 9; ++i) {
        auto *cella = aggiungi(new CellaAnimata(animazioni, sf), QStringLiteral("GifAnimator1"), i);
        cella->setAccessibleName(QStringLiteral("Animazione %1").arg(i + 1));
        piazza(cella, 150 + 1400 * (i % 3), 1200 + 1400 * (i / 3), 1305, 1305);
        cella->hide();
        m_celle[size_t(i)] = cella;
    }

    const int tops[3][2] = {{1200, 1800}, {2280, 2880}, {3600, 4200}};
    const int altezze[3][2] = {{645, 570}, {615, 570}, {540, 570}};
    for (int k = 0; k < 3; ++k) {
        for (int j = 0; j < 2; ++j) {
            const QString nome = QString::fromLatin1(j == 0 ? "Domanda%1" : "Risposta%1").arg(k + 1);
            QLabel *l
                = creaEtichetta(sf, nome, nome, QRect(m_d.storiaLeft, tops[k][j], m_d.storiaWidth, altezze[k][j]));
            l->setFont(carattere("MS Sans Serif", 13.5));
            l->setWordWrap(true);
            l->setIndent(6); // the text does not touch the label's edge
            colora(l, Bianco, j == 0 ? QColor(Qt::black) : QColor(255, 0, 0));
            l->hide();
            (j == 0 ? m_domande : m_risposte)[size_t(k)] = l;
        }
    }
    m_operazione = creaEtichetta(sf, QStringLiteral("EtOperazione"), QStringLiteral("Scrivi l'operazione"),
                                 QRect(m_d.storiaLeft, 4920, 4515, 510));
    m_operazione->setFont(carattere("MS Sans Serif", 18));
    m_operazione->setIndent(6);
    colora(m_operazione, Bianco, QColor(255, 0, 0));
    m_operazione->hide();

    for (int i = 0; i < 10; ++i) {
        QPushButton *b
            = creaBottone(sf, QStringLiteral("Command1"), i, testoNumero(i), QRect(200 + 600 * i, 5700, 495, 570));
        b->setFont(carattere("Comic Sans MS", 14.25));
        coloraBottone(b, QColor(128, 255, 255));
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        m_cifre[size_t(i)] = b;
    }
    auto operatore = [&](const QString &nome, const QString &testo, int left) {
        QPushButton *b = creaBottone(sf, nome, -1, testo, QRect(left, 5700, 495, 570));
        b->setFont(carattere("Comic Sans MS", 18));
        coloraBottone(b, QColor(255, 0, 0));
        return b;
    };
    m_piu = operatore(QStringLiteral("Command3"), QStringLiteral("+"), 6700);
    m_meno = operatore(QStringLiteral("Command4"), QStringLiteral("-"), 7500);
    m_uguale = operatore(QStringLiteral("Command5"), QStringLiteral("="), 8300);
    connect(m_piu, &QPushButton::clicked, this, &FormEsercizio::Command3_Click);
    connect(m_meno, &QPushButton::clicked, this, &FormEsercizio::Command4_Click);
    connect(m_uguale, &QPushButton::clicked, this, &FormEsercizio::Command5_Click);

    // Created after the row of buttons that it encloses, so that once shown
    // it lies on top of them and stays readable.
    m_avanti = creaBottone(sf, QStringLiteral("Command2"), -1, QStringLiteral("avanti"), QRect(120, 5640, 8925, 705));
    m_avanti->setFont(carattere("Arial", 14.25));
    coloraBottone(m_avanti, QColor(192, 255, 255));
    m_avanti->hide();
    connect(m_avanti, &QPushButton::clicked, this, &FormEsercizio::Command2_Click);
    connect(m_ripeti, &QPushButton::clicked, this, &FormEsercizio::Command6_Click);

    m_menuAzzera = creaMenu(QStringLiteral("MenuAzzera"), QStringLiteral("Azzera conteggio").leftJustified(25));
    m_menuInformazioni = creaMenu(QStringLiteral("MenuInformazioni"), QStringLiteral("Informazioni").leftJustified(21));
    m_menuEsci = creaMenu(QStringLiteral("mnuEsci"), QStringLiteral("Esci"));
    connect(m_menuAzzera, &QAction::triggered, this, &FormEsercizio::MenuAzzera_Click);
    connect(m_menuInformazioni, &QAction::triggered, this, &FormEsercizio::MenuInformazioni_Click);
    connect(m_menuEsci, &QAction::triggered, this, &FormEsercizio::mnuEsci_Click);
}

void FormEsercizio::Form_Load()
{
    m_c.lingua.MLSLoadFormStrings(*this);
    if (!m_ripeti->toolTip().isEmpty())
        m_ripeti->setAccessibleName(m_ripeti->toolTip());
    scalaAlCaricamento();
}

void FormEsercizio::Form_Activate()
{
    riempiDisplay();
    m_sfondo->setGeometry(QRect(QPoint(0, 0), client()->size()));
    m_iconaSi->show();
    m_iconaNo->hide();
    mostraConteggi();
    for (int i = 0; i < 10; ++i) {
        m_cifre[size_t(i)]->setText(testoNumero(i));
        font().adatta(m_cifre[size_t(i)]);
    }
    // 1300 design twips at the screen's scale, like every other measure.
    for (CellaAnimata *cella : m_celle)
        cella->resize(pixelDaTwip(scalaX(1300)), cella->height());
    NuovoProblema();
    QList<QAbstractButton *> bersagli(m_cifre.begin(), m_cifre.end());
    bersagli << m_piu << m_meno << m_uguale << m_ripeti << m_avanti;
    attivaScansione(m_c, this, bersagli);
}

void FormEsercizio::chiusuraRichiesta()
{
    mnuEsci_Click();
}

void FormEsercizio::mostraConteggi()
{
    m_esatti->setText(testoNumero(m_c.stato.NumeroEsatti));
    m_errati->setText(testoNumero(m_c.stato.NumeroErrati));
    font().adatta(m_esatti);
    font().adatta(m_errati);
}

void FormEsercizio::MenuInformazioni_Click()
{
    MostraInformazioni(m_c, this);
}

void FormEsercizio::fermaVoce()
{
    if (MotoreVoce *bocca = m_c.parla.motore())
        bocca->StopSpeech();
}

void FormEsercizio::mnuEsci_Click()
{
    if (!m_c.dialoghi.domanda(this, TitoloDomande, m_c.lingua.MLSGetString(m_d.chiaveUscita)))
        return;
    // A sentence still being read belongs to this screen, and nothing of its
    // outcome follows: the menu is silent.
    m_esecutore.annulla();
    fermaVoce();
    // Leave only once the menu is up: with no screen on display the run
    // would end.
    m_c.registro.mostra(QStringLiteral("FormMenu"));
    if (altroSchermoVisibile())
        m_c.registro.scarica(this);
}

void FormEsercizio::Command6_Click()
{
    m_problema.riascoltato();
    // Straight to the engine, unprepared: the child may ask again while a
    // sentence is still being read, and the runner then waits for this one.
    m_parlata->ripeti(m_c.parla.motore(), m_c.parla.TestoDaDire);
}

bool FormEsercizio::altroSchermoVisibile() const
{
    for (Schermo *s : m_c.registro.caricati()) {
        if (s != this && s->isVisible())
            return true;
    }
    return false;
}

void FormEsercizio::keyPressEvent(QKeyEvent *e)
{
    if (e->isAutoRepeat()) {
        // A key held down would otherwise count as a stream of presses.
        e->accept();
        return;
    }
    QPushButton *b = nullptr;
    const int k = e->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        b = m_cifre[size_t(k - Qt::Key_0)];
    else if (k == Qt::Key_Plus)
        b = m_piu;
    else if (k == Qt::Key_Minus)
        b = m_meno;
    else if (k == Qt::Key_Equal)
        b = m_uguale;
    else if (k == Qt::Key_Return || k == Qt::Key_Enter)
        b = m_avanti->isHidden() ? nullptr : m_avanti;
    else if (k == Qt::Key_Space)
        b = m_ripeti;
    else {
        Schermo::keyPressEvent(e);
        return;
    }
    e->accept();
    // click() does nothing on a disabled button: the keys obey the same
    // lock as the buttons while a sentence is being read.
    if (b)
        b->click();
}
