#include "formesercizio.h"

#include "accesso.h"
#include "alunni.h"
#include "bottoneicona.h"
#include "casuale.h"
#include "cellaanimata.h"
#include "clsresize.h"
#include "contesto.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "fontinproporzione.h"
#include "iconascalata.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "motorevoce.h"
#include "perparlare.h"
#include "registroclasse.h"
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

FormEsercizio::FormEsercizio(Contesto &contesto, Punteggio &punteggio, const Storie &storie, Scuola &scuola,
                             const Disegno &d, Operazione op)
    : SchermoScalato(d.nome, d.larghezza, d.altezza, contesto.display)
    , c(contesto)
    , m_punteggio(punteggio)
    , m_storie(storie)
    , m_scuola(scuola)
    , m_d(d)
    , m_problema(std::move(op), storie.*d.testi, c.casuale, punteggio.NumeroEsatti, punteggio.NumeroErrati,
                 [this](const QString &chiave) { return c.lingua.MLSGetString(chiave); })
    , m_parlata(new Parlata(this))
{
    // The title is not empty by design, so the language file's title applies.
    setWindowTitle(TitoloApplicazione);
    // The keyboard is read by the screen itself (keyPressEvent); no button
    // may take the focus, or the space bar would click it.
    setFocusPolicy(Qt::StrongFocus);
    creaControlli();
    registraFont();
    mostraAlunnoInBarra(*this, c, m_scuola);
    // Every problem that ends, finished or not, is a row of the record.
    m_problema.allaFine = [this](const Andamento &a) { annotaProblema(c, m_scuola, m_storie, a); };
    // The next problem from the player's review queue: a missed one when
    // its turn has come, or one drawn as designed. With the teacher's review
    // off, only the draws.
    m_problema.prossimo = [this, sottrazione = m_problema.sottrazione()] {
        const Scelta s = m_scuola.RipassoCorrente.scelta().prossimo(sottrazione ? u'-' : u'+',
                                                                    fileDelleStorie(m_storie, sottrazione),
                                                                    int((m_storie.*m_d.testi).size()), c.casuale,
                                                                    m_scuola.ClasseAlunni.ripasso);
        return Problema::Estrazione{s.riga, s.n3, s.n1, s.ripasso};
    };
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
    PicturesattiErrati = pannello;

    const QString icone = Percorsi::unisci(c.percorsi.programma, QStringLiteral("icone"));
    auto icona = [&](const QString &nome, const QString &file) {
        const QString base = icone + u'/' + file;
        auto *i = aggiungi(new IconaScalata(base + QStringLiteral(".png"), base + QStringLiteral("@2x.png"), pannello),
                           nome);
        piazza(i, 240, 120, 735, 735);
        return i;
    };
    ComandoIconaSi = icona(QStringLiteral("ComandoIconaSi"), QStringLiteral("si"));
    ComandoIconaNo = icona(QStringLiteral("ComandoIconaNo"), QStringLiteral("no"));
    ComandoIconaNo->hide();

    auto conteggio = [&](const QString &nome, const QString &testo, const QRect &r, double punti) {
        QLabel *l = creaEtichetta(pannello, nome, testo, r);
        l->setFont(carattere("Arial", punti));
        colora(l, Ciano, Qt::black);
        return l;
    };
    conteggio(QStringLiteral("LabelEst"), QStringLiteral("Esatti"), QRect(1200, 360, 1215, 375), 12);
    EtichettaEsatti
        = conteggio(QStringLiteral("EtichettaEsatti"), QStringLiteral("0"), QRect(2520, 240, 615, 615), 20.25);
    conteggio(QStringLiteral("LabelErt"), QStringLiteral("Errati"), QRect(3240, 360, 1215, 405), 12);
    EtichettaErrati
        = conteggio(QStringLiteral("EtichettaErrati"), QStringLiteral("0"), QRect(4680, 240, 615, 615), 20.25);
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

    const QString altoparlante = Percorsi::unisci(c.percorsi.programma, QStringLiteral("icone/altoparlante"));
    Command6 = aggiungi(new BottoneIcona(altoparlante + QStringLiteral(".png"),
                                         altoparlante + QStringLiteral("@2x.png"), sf),
                        QStringLiteral("Command6"));
    Command6->setFocusPolicy(Qt::NoFocus);
    // A name for screen readers until the language file's tooltip gives one.
    Command6->setAccessibleName(QStringLiteral("Ripeti"));
    piazza(Command6, 6360, 240, 2055, 855);

    const QString animazioni = Percorsi::unisci(c.percorsi.programma, QStringLiteral("gifanimate"));
    for (int i = 0; i < 9; ++i) {
        auto *cella = aggiungi(new CellaAnimata(animazioni, sf), QStringLiteral("GifAnimator1"), i);
        cella->setAccessibleName(QStringLiteral("Animazione %1").arg(i + 1));
        piazza(cella, 150 + 1400 * (i % 3), 1200 + 1400 * (i / 3), 1305, 1305);
        cella->hide();
        GifAnimator1[size_t(i)] = cella;
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
    EtOperazione = creaEtichetta(sf, QStringLiteral("EtOperazione"), QStringLiteral("Scrivi l'operazione"),
                                 QRect(m_d.storiaLeft, 4920, LarghezzaOperazione, 510));
    EtOperazione->setFont(carattere("MS Sans Serif", 18));
    EtOperazione->setIndent(6);
    colora(EtOperazione, Bianco, QColor(255, 0, 0));
    EtOperazione->hide();

    for (int i = 0; i < 10; ++i) {
        QPushButton *b
            = creaBottone(sf, QStringLiteral("Command1"), i, testoNumero(i), QRect(200 + 600 * i, 5700, 495, 570));
        b->setFont(carattere("Comic Sans MS", 14.25));
        coloraBottone(b, QColor(128, 255, 255));
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1[size_t(i)] = b;
    }
    auto operatore = [&](const QString &nome, const QString &testo, int left) {
        QPushButton *b = creaBottone(sf, nome, -1, testo, QRect(left, 5700, 495, 570));
        b->setFont(carattere("Comic Sans MS", 18));
        coloraBottone(b, QColor(255, 0, 0));
        return b;
    };
    Command3 = operatore(QStringLiteral("Command3"), QStringLiteral("+"), 6700);
    Command4 = operatore(QStringLiteral("Command4"), QStringLiteral("-"), 7500);
    Command5 = operatore(QStringLiteral("Command5"), QStringLiteral("="), 8300);
    connect(Command3, &QPushButton::clicked, this, &FormEsercizio::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FormEsercizio::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &FormEsercizio::Command5_Click);

    // Created after the row of buttons that it encloses, so that once shown
    // it lies on top of them and stays readable.
    Command2 = creaBottone(sf, QStringLiteral("Command2"), -1, QStringLiteral("avanti"), QRect(120, 5640, 8925, 705));
    Command2->setFont(carattere("Arial", 14.25));
    coloraBottone(Command2, QColor(192, 255, 255));
    Command2->hide();
    connect(Command2, &QPushButton::clicked, this, &FormEsercizio::Command2_Click);
    connect(Command6, &QPushButton::clicked, this, &FormEsercizio::Command6_Click);
    creaAiuti(sf);

    MenuAzzera = creaMenu(QStringLiteral("MenuAzzera"), QStringLiteral("Azzera conteggio").leftJustified(25));
    MenuInformazioni = creaMenu(QStringLiteral("MenuInformazioni"), QStringLiteral("Informazioni").leftJustified(21));
    mnuEsci = creaMenu(QStringLiteral("mnuEsci"), QStringLiteral("Esci"));
    connect(MenuAzzera, &QAction::triggered, this, &FormEsercizio::MenuAzzera_Click);
    connect(MenuInformazioni, &QAction::triggered, this, &FormEsercizio::MenuInformazioni_Click);
    connect(mnuEsci, &QAction::triggered, this, &FormEsercizio::mnuEsci_Click);
}

void FormEsercizio::Form_Load()
{
    c.lingua.MLSLoadFormStrings(*this);
    if (!Command6->toolTip().isEmpty())
        Command6->setAccessibleName(Command6->toolTip());
    scalaAlCaricamento();
}

void FormEsercizio::Form_Activate()
{
    riempiDisplay();
    m_sfondo->setGeometry(QRect(QPoint(0, 0), client()->size()));
    ComandoIconaSi->show();
    ComandoIconaNo->hide();
    mostraConteggi();
    for (int i = 0; i < 10; ++i) {
        Command1[size_t(i)]->setText(testoNumero(i));
        font().adatta(Command1[size_t(i)]);
    }
    // 1300 design twips at the screen's scale, like every other measure.
    for (CellaAnimata *cella : GifAnimator1)
        cella->resize(pixelDaTwip(scalaX(1300)), cella->height());
    NuovoProblema();
    QList<QAbstractButton *> bersagli(Command1.begin(), Command1.end());
    bersagli << Command3 << Command4 << Command5 << Command6 << Command2;
    attivaScansione(c, m_scuola.ClasseAlunni, this, bersagli);
}

void FormEsercizio::chiusuraRichiesta()
{
    mnuEsci_Click();
}

void FormEsercizio::mostraConteggi()
{
    EtichettaEsatti->setText(testoNumero(m_punteggio.NumeroEsatti));
    EtichettaErrati->setText(testoNumero(m_punteggio.NumeroErrati));
    font().adatta(EtichettaEsatti);
    font().adatta(EtichettaErrati);
}

void FormEsercizio::MenuInformazioni_Click()
{
    MostraInformazioni(c, m_storie, this);
}

void FormEsercizio::fermaVoce()
{
    if (MotoreVoce *bocca = c.parla.motore())
        bocca->StopSpeech();
}

void FormEsercizio::mnuEsci_Click()
{
    if (!c.dialoghi.domanda(this, TitoloDomande, c.lingua.MLSGetString(m_d.chiaveUscita)))
        return;
    // A sentence still being read belongs to this screen, and nothing of its
    // outcome follows: the menu is silent.
    m_esecutore.annulla();
    fermaVoce();
    // Leave only once the menu is up: with no screen on display the run
    // would end.
    c.schermi.mostra(QStringLiteral("FormMenu"));
    if (altroSchermoVisibile())
        c.schermi.scarica(this);
}

void FormEsercizio::Command6_Click()
{
    m_problema.riascoltato();
    // Straight to the engine, unprepared: the child may ask again while a
    // sentence is still being read, and the runner then waits for this one.
    m_parlata->ripeti(c.parla.motore(), c.parla.TestoDaDire);
}

bool FormEsercizio::altroSchermoVisibile() const
{
    for (Schermo *s : c.schermi.caricati()) {
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
        b = Command1[size_t(k - Qt::Key_0)];
    else if (k == Qt::Key_Plus)
        b = Command3;
    else if (k == Qt::Key_Minus)
        b = Command4;
    else if (k == Qt::Key_Equal)
        b = Command5;
    else if (k == Qt::Key_Return || k == Qt::Key_Enter)
        b = Command2->isHidden() ? nullptr : Command2;
    else if (k == Qt::Key_Space)
        b = Command6;
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
