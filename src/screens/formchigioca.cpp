#include "formchigioca.h"

#include "accesso.h"
#include "alunni.h"
#include "contesto.h"
#include "elencoschermi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "registroclasse.h"
#include "stile.h"

#include <QLabel>
#include <cmath>

FormChiGioca::FormChiGioca(Contesto &contesto, Scuola &scuola)
    : SchermoScalato(QStringLiteral("FormChiGioca"), LarghezzaProgetto, AltezzaProgetto, contesto.display)
    , c(contesto)
    , m_scuola(scuola)
{
    setWindowTitle(QStringLiteral("Numerella"));
    coloraSfondo(client(), QColor(255, 192, 255));
    LabelTitolo = aggiungi(new QLabel(QStringLiteral("Chi gioca?"), client()), QStringLiteral("LabelTitolo"));
    LabelTitolo->setFont(fontProgetto(QStringLiteral("Comic Sans MS"), 24, true));
    LabelTitolo->setAlignment(Qt::AlignCenter);
    piazza(LabelTitolo, 240, 120, 9120, 840);

    // As few rows and columns as hold everyone, so that a small class gets
    // big buttons; 30 pupils and the visitor fill six by six.
    const QList<Alunno> &alunni = m_scuola.ClasseAlunni.alunni;
    const int n = int(alunni.size()) + 1;
    const int colonne = std::max(1, int(std::ceil(std::sqrt(double(n)))));
    const int righe = (n + colonne - 1) / colonne;
    const int left = 240, top = 1080, larghezza = 9120, altezza = 5880, spazio = 90;
    const int w = (larghezza - (colonne - 1) * spazio) / colonne;
    const int h = (altezza - (righe - 1) * spazio) / righe;
    // The visitor's picture is the program's own.
    const QPixmap figuraOspite(Percorsi::unisci(c.percorsi.programma, QStringLiteral("icone/numerella-128.png")));
    const QFont font = fontProgetto(QStringLiteral("Arial"), 11, true);
    for (int i = 0; i < n; ++i) {
        const bool ospite = i == n - 1;
        auto *b = aggiungi(new BottoneAlunno(ospite ? QStringLiteral("Ospite") : alunni[i].nome,
                                             ospite ? figuraOspite : immagineAlunno(c, alunni[i].immagine), client()),
                           // The visitor's caption comes from the language
                           // file; a pupil's name is the pupil's own.
                           ospite ? QStringLiteral("BottoneOspite") : QStringLiteral("BottoneAlunno"), ospite ? -1 : i);
        b->setFont(font);
        if (!ospite)
            b->setToolTip(alunni[i].nome); // a long name may not show whole
        piazza(b, left + (i % colonne) * (w + spazio), top + (i / colonne) * (h + spazio), w, h);
        connect(b, &QAbstractButton::clicked, this, [this, i, ospite] { BottoneAlunno_Click(ospite ? -1 : i); });
        m_bottoni << b;
    }
    registraFont();
}

FormChiGioca::~FormChiGioca() = default;

void FormChiGioca::Form_Load()
{
    c.lingua.MLSLoadFormStrings(*this);
    scalaAlCaricamento();
}

void FormChiGioca::Form_Activate()
{
    riempiDisplay();
    if (!m_bottoni.isEmpty())
        m_bottoni.front()->setFocus();
    attivaScansione(c, m_scuola.ClasseAlunni, this, {m_bottoni.begin(), m_bottoni.end()});
}

void FormChiGioca::BottoneAlunno_Click(int Index)
{
    const QList<Alunno> &alunni = m_scuola.ClasseAlunni.alunni;
    m_scuola.AlunnoCorrente = Index >= 0 && Index < alunni.size() ? alunni[Index].nome : QString();
    // The pupil's review queue is read from the record while the menu shows.
    m_scuola.RipassoCorrente.scegli(m_scuola.AlunnoCorrente,
                                    m_scuola.ClasseAlunni.cartellaDelRegistro(c.percorsi.impostazioni),
                                    titoliRegistro(c.lingua));
    if (c.schermi.mostra(QStringLiteral("FormMenu")))
        c.schermi.scarica(this);
}
