#include "formimposta.h"
#include "velocita.h"

#include "caricatorevoce.h"
#include "perparlare.h"

#include "accesso.h"
#include "clsresize.h"
#include "contesto.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "fontinproporzione.h"
#include "impostazioni.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "motorevoce.h"
#include "pannellobocca.h"
#include "stile.h"
#include "testi.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <algorithm>

namespace {
// Designed client area in twips.
constexpr int LarghezzaDesign = 8400;
constexpr int AltezzaDesign = 6465;

// The confirm button's picture: a green tick, drawn so that it stays sharp
// at any size the screen scales the button to.
QIcon iconaConferma()
{
    QPixmap pm(128, 128);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 110, 60), 6));
    p.setBrush(QColor(60, 170, 90));
    p.drawEllipse(QRectF(6, 6, 116, 116));
    QPainterPath segno(QPointF(34, 66));
    segno.lineTo(56, 88);
    segno.lineTo(96, 42);
    p.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(segno);
    return QIcon(pm);
}

} // namespace

FormImposta::FormImposta(Contesto &contesto, Impostazioni &impostazioni, const Scuola &scuola)
    : SchermoScalato(QStringLiteral("FormImposta"), LarghezzaDesign, AltezzaDesign, contesto.display)
    , c(contesto)
    , m_impostazioni(impostazioni)
    , m_scuola(scuola)
    , m_parlata(new Parlata(this))
{
    if (c.fabbricaMotore)
        m_motore = c.fabbricaMotore();
    if (!m_motore)
        m_motore = std::make_unique<MotoreDifferito>(nullptr); // silent
    // The designed title is empty, so the language file leaves it so.
    setWindowTitle(QString());
    QWidget *area = client();

    m_bocca = aggiungi(new PannelloBocca(m_motore.get(), area), QStringLiteral("Bocca"));
    piazza(m_bocca, 600, 840, 2295, 1815);

    HScroll1 = aggiungi(new QSlider(Qt::Horizontal, area), QStringLiteral("HScroll1"));
    HScroll1->setRange(Velocita::Minima, Velocita::Massima);
    HScroll1->setSingleStep(5);
    HScroll1->setPageStep(20);
    HScroll1->setTickPosition(QSlider::TicksBelow);
    HScroll1->setTickInterval(10);
    HScroll1->setValue(Velocita::Minima);
    piazza(HScroll1, 4440, 1680, 3495, 375);

    Label1 = aggiungi(new QLabel(QStringLiteral("Velocità"), area), QStringLiteral("Label1"));
    Label1->setFont(fontProgetto(QStringLiteral("Arial"), 14.25, false));
    Label1->setBuddy(HScroll1);
    piazza(Label1, 5040, 2400, 2415, 375);

    Combo1 = aggiungi(new QComboBox(area), QStringLiteral("Combo1"));
    // The toolkit's default font of the designed screen, named so that it
    // grows with the screen like the others.
    Combo1->setFont(fontProgetto(QStringLiteral("MS Sans Serif"), 8.25, false));
    piazza(Combo1, 3000, 3840, 4815, 315);

    auto *esci = new QToolButton(area);
    esci->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    esci->setIcon(iconaConferma());
    esci->setText(QStringLiteral("conferma"));
    esci->setFont(fontProgetto(QStringLiteral("Arial"), 14.25, true));
    esci->setAutoRaise(false);
    esci->setFocusPolicy(Qt::StrongFocus);
    BottoneEsci = aggiungi(esci, QStringLiteral("BottoneEsci"));
    piazza(BottoneEsci, 4320, 5040, 1935, 1215);

    registraFont();

    connect(HScroll1, &QSlider::valueChanged, this, &FormImposta::HScroll1_Change);
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int indice) {
        // Index -1 is the list losing its selection, not a choice.
        if (indice >= 0)
            Combo1_Click();
    });
    connect(m_motore.get(), &MotoreVoce::SampleRequest, this, &FormImposta::Bocca_SampleRequest);
    connect(BottoneEsci, &QAbstractButton::clicked, this, &FormImposta::BottoneEsci_Click);
}

FormImposta::~FormImposta()
{
    // The try-out engine must not go on talking over the next screen.
    if (m_motore)
        m_motore->StopSpeech();
}

void FormImposta::Form_Load()
{
    c.lingua.MLSLoadFormStrings(*this);

    scalaAlCaricamento();

    // The slider cannot show a speed outside its range, and a label that
    // disagreed with the slider would mislead: a stored speed outside it is
    // brought to the nearest end before anything uses it.
    Impostazioni &m = m_impostazioni;
    m.Velocita = Integer(std::clamp<int>(m.Velocita, Velocita::Minima, Velocita::Massima));

    ParlaLaLingua(c, *m_motore);
    m_motore->VoiceNumber(m.Voce);
    m_motore->SpeechSpeed(m.Velocita);

    const int voci = m_motore->VoiceCount();
    {
        // Qt selects the first item added to an empty list by itself; the
        // list must stay unselected until the stored voice is selected.
        const QSignalBlocker muto(Combo1);
        for (int i = 1; i <= voci; ++i)
            Combo1->addItem(m_motore->VoiceName(i));
        Combo1->setCurrentIndex(-1);
    }
    // A stored voice the engine does not have leaves the list without a
    // selection and Voce as it was.
    Combo1->setCurrentIndex(m.Voce - 1);

    m_motore->StopSpeech();
    Label1->setText(c.lingua.MLSGetString(QStringLiteral("0012")) + testoNumero(m.Velocita));
    font().adatta(Label1);
    HScroll1->setValue(m.Velocita);
    m_parlata->Parla(m_motore.get(), c.lingua.MLSGetString(QStringLiteral("0013")));
}

void FormImposta::Form_Activate()
{
    riempiDisplay();
    // A child who chose it from the menu with a switch can hear the voice
    // and go back without a mouse.
    attivaScansione(c, m_scuola.ClasseAlunni, this, {m_bocca, BottoneEsci});
}

void FormImposta::Form_Resize()
{
    SchermoScalato::Form_Resize();
    const int lato = std::max(16, BottoneEsci->height() * 45 / 100);
    BottoneEsci->setIconSize(QSize(lato, lato));
}

void FormImposta::chiusuraRichiesta()
{
    // Closing the window keeps what the adult chose, as the confirm button does.
    BottoneEsci_Click();
}

void FormImposta::HScroll1_Change()
{
    m_impostazioni.Velocita = Integer(HScroll1->value());
    Label1->setText(c.lingua.MLSGetString(QStringLiteral("0014")) + testoNumero(m_impostazioni.Velocita));
    font().adatta(Label1);
}

void FormImposta::Combo1_Click()
{
    m_impostazioni.Voce = Integer(Combo1->currentIndex() + 1);
    if (!m_motore->VoiceNumber(m_impostazioni.Voce))
        c.dialoghi.avviso(this, TitoloApplicazione, c.lingua.MLSGetString(QStringLiteral("0015")));
}

void FormImposta::Bocca_SampleRequest()
{
    m_motore->StopSpeech();
    m_motore->SpeechSpeed(m_impostazioni.Velocita);
    m_parlata->Parla(m_motore.get(), c.lingua.MLSGetString(QStringLiteral("0011")));
}

void FormImposta::BottoneEsci_Click()
{
    if (!SalvaImpostazioni(m_impostazioni)) {
        c.dialoghi.avviso(this, TitoloApplicazione,
                          c.lingua.MLSGetString(QStringLiteral("0016")) + u'\n' + m_impostazioni.FileImpostazioni
                              + QStringLiteral("\n\n") + c.lingua.MLSGetString(QStringLiteral("0017")));
    }
    m_motore->StopSpeech();
    c.schermi.mostra(QStringLiteral("FormMenu"));
    // The program-wide engine, its owner loaded first if it is not there.
    c.schermi.schermo(QStringLiteral("FormBocca"));
    if (MotoreVoce *bocca = c.parla.motore()) {
        bocca->VoiceNumber(m_impostazioni.Voce);
        bocca->SpeechSpeed(m_impostazioni.Velocita);
    }
    c.schermi.scarica(this);
}
