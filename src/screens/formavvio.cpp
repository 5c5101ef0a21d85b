#include "formavvio.h"

#include "accesso.h"
#include "clsresize.h"
#include "contesto.h"
#include "elencoschermi.h"
#include "fontinproporzione.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "sfondo.h"
#include "stile.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {
const QColor Giallo(255, 255, 0);
} // namespace

FormAvvio::FormAvvio(Contesto &contesto, const Scuola &scuola)
    : SchermoScalato(QStringLiteral("FormAvvio"), LarghezzaProgetto, AltezzaProgetto, contesto.display)
    , c(contesto)
    , m_scuola(scuola)
{
    setWindowTitle(QStringLiteral("Numerella"));
    coloraSfondo(client(), QColor(128, 128, 255));

    struct Etichetta {
        const char *testo;
        double punti;
        int left, top, width, height;
        Qt::Alignment allineamento;
    };
    // The title and "parlato" are centred on the same line as the button;
    // the date sits in the lower left corner.
    const Etichetta etichette[3] = {
        {"Numerella", 48, 720, 360, 6975, 2655, Qt::AlignHCenter | Qt::AlignTop},
        {"08 novembre 2003", 14.25, 120, 4200, 2655, 975, Qt::AlignLeft | Qt::AlignTop},
        {"parlato", 14.25, 2880, 3240, 2655, 495, Qt::AlignHCenter | Qt::AlignTop},
    };
    for (int i = 0; i < 3; ++i) {
        const Etichetta &e = etichette[i];
        Label2[i] = aggiungi(new QLabel(QString::fromUtf8(e.testo), client()), QStringLiteral("Label2"), i);
        Label2[i]->setFont(fontProgetto(QStringLiteral("Comic Sans MS"), e.punti, true));
        Label2[i]->setAlignment(e.allineamento);
        Label2[i]->setWordWrap(true);
        coloraEtichetta(Label2[i], Giallo);
        piazza(Label2[i], e.left, e.top, e.width, e.height);
    }

    BottoneAvvio = aggiungi(new QPushButton(QStringLiteral("Avvio"), client()), QStringLiteral("BottoneAvvio"));
    BottoneAvvio->setFont(fontProgetto(QStringLiteral("Arial"), 20.25, true));
    coloraBottone(BottoneAvvio, QColor(255, 255, 128));
    // Enter on the focused button starts, as on the platform the screens
    // were designed on.
    BottoneAvvio->setAutoDefault(true);
    piazza(BottoneAvvio, 2760, 3960, 2895, 1215);
    connect(BottoneAvvio, &QPushButton::clicked, this, &FormAvvio::BottoneAvvio_Click);

    // The gradient lies under everything else. Its designed place covers
    // the whole client area, so that rescaling keeps it covering the screen
    // between the activation's stretch and any later resize.
    m_sfondo = aggiungi(new Sfondo(client()), QStringLiteral("Sfondo"));
    m_sfondo->setFocusPolicy(Qt::NoFocus);
    piazza(m_sfondo, 0, 0, LarghezzaProgetto, AltezzaProgetto);
    m_sfondo->lower();

    BottoneAvvio->setFocus();
    registraFont();
}

FormAvvio::~FormAvvio() = default;

void FormAvvio::Form_Load()
{
    // The language of the run; without LangSetting.ini it stays empty and
    // every lookup gives empty text, which leaves the designed captions.
    c.lingua.MLSCurrentLanguage = c.lingua.leggiLinguaSalvata().value_or(QString());

    c.lingua.MLSLoadFormStrings(*this);

    scalaAlCaricamento();
}

void FormAvvio::Form_Activate()
{
    riempiDisplay();

    Controllo sfondo(m_sfondo);
    sfondo.setMisura(1, 0.0f);
    sfondo.setMisura(0, 0.0f);
    sfondo.setMisura(3, float(heightTwip()));
    sfondo.setMisura(2, float(widthTwip()));
    attivaScansione(c, m_scuola.ClasseAlunni, this, {BottoneAvvio});
}

void FormAvvio::BottoneAvvio_Click()
{
    // With a class, the child says who is playing first.
    if (c.schermi.mostra(m_scuola.ClasseAlunni.alunni.isEmpty() ? QStringLiteral("FormMenu")
                                                                : QStringLiteral("FormChiGioca")))
        c.schermi.scarica(this);
}
