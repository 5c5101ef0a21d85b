#include "formadulto.h"

#include "casuale.h"
#include "contesto.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "stile.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FormAdulto::FormAdulto(Contesto &contesto, Scuola &scuola)
    : SchermoScalato(QStringLiteral("FormAdulto"), LarghezzaProgetto, AltezzaProgetto, contesto.display)
    , c(contesto)
    , m_scuola(scuola)
{
    setWindowTitle(QStringLiteral("Numerella"));
    coloraSfondo(client(), QColor(255, 192, 255));
    const QFont font = fontProgetto(QStringLiteral("Arial"), 15.75, true);

    LabelDomanda = aggiungi(new QLabel(client()), QStringLiteral("LabelDomanda"));
    LabelDomanda->setFont(font);
    LabelDomanda->setAlignment(Qt::AlignCenter);
    LabelDomanda->setWordWrap(true);
    piazza(LabelDomanda, 480, 480, 6075, 1320);

    TestoRisposta = aggiungi(new QLineEdit(client()), QStringLiteral("TestoRisposta"));
    TestoRisposta->setFont(fontProgetto(QStringLiteral("Arial"), 20.25, true));
    TestoRisposta->setAlignment(Qt::AlignCenter);
    TestoRisposta->setValidator(new QIntValidator(0, 999, TestoRisposta));
    TestoRisposta->setMaxLength(3);
    LabelDomanda->setBuddy(TestoRisposta); // the question names the field
    piazza(TestoRisposta, 2520, 2040, 1995, 750);
    connect(TestoRisposta, &QLineEdit::returnPressed, this, &FormAdulto::BottoneConferma_Click);

    LabelEsito = aggiungi(new QLabel(QStringLiteral("Non è giusto: riprova."), client()), QStringLiteral("LabelEsito"));
    LabelEsito->setFont(fontProgetto(QStringLiteral("Arial"), 12, true));
    LabelEsito->setAlignment(Qt::AlignCenter);
    LabelEsito->hide();
    piazza(LabelEsito, 480, 3000, 6075, 600);

    BottoneConferma = aggiungi(new QPushButton(QStringLiteral("OK"), client()), QStringLiteral("BottoneConferma"));
    BottoneIndietro
        = aggiungi(new QPushButton(QStringLiteral("Indietro"), client()), QStringLiteral("BottoneIndietro"));
    int left = 1200;
    for (QPushButton *b : {BottoneConferma, BottoneIndietro}) {
        b->setFont(font);
        coloraBottone(b, QColor(255, 128, 255));
        piazza(b, left, 3960, 2175, 750);
        left += 2460;
    }
    connect(BottoneConferma, &QPushButton::clicked, this, &FormAdulto::BottoneConferma_Click);
    connect(BottoneIndietro, &QPushButton::clicked, this, &FormAdulto::BottoneIndietro_Click);
    TestoRisposta->setFocus();
    registraFont();
}

FormAdulto::~FormAdulto() = default;

void FormAdulto::chiedi(Contesto &c, Schermo *da, Dopo dopo)
{
    auto *a = qobject_cast<FormAdulto *>(c.schermi.mostra(QStringLiteral("FormAdulto")));
    if (!a)
        return;
    a->m_dopo = dopo;
    if (da)
        c.schermi.scarica(da);
}

void FormAdulto::Form_Load()
{
    m_domanda = DomandaAdulto::nuova([this](int n) { return c.casuale.estrai(n); }, m_scuola.UltimaDomandaAdulto);
    m_scuola.UltimaDomandaAdulto = m_domanda;
    c.lingua.MLSLoadFormStrings(*this);
    LabelDomanda->setText(c.lingua.MLSGetString(QStringLiteral("0110")).arg(m_domanda.a).arg(m_domanda.b));
    scalaAlCaricamento();
}

void FormAdulto::Form_Activate()
{
    riempiDisplay();
    TestoRisposta->setFocus();
}

void FormAdulto::vai(const QString &schermo)
{
    // A screen that cannot be made (the record view without its plugin)
    // has been told about; back to the menu.
    if (c.schermi.mostra(schermo) || c.schermi.mostra(QStringLiteral("FormMenu")))
        c.schermi.scarica(this);
}

void FormAdulto::BottoneConferma_Click()
{
    if (TestoRisposta->text().isEmpty())
        return;
    if (TestoRisposta->text().toInt() != m_domanda.risposta()) {
        TestoRisposta->clear();
        LabelEsito->show();
        if (++m_sbagliate >= Tentativi)
            vai(QStringLiteral("FormMenu"));
        return;
    }
    switch (m_dopo) {
    case Dopo::Classe:
        vai(QStringLiteral("FormClasse"));
        break;
    case Dopo::Registro:
        vai(QStringLiteral("FormRegistro"));
        break;
    case Dopo::Uscita:
        if (c.dialoghi.domanda(this, TitoloDomande, c.lingua.MLSGetString(QStringLiteral("0001")))
            && c.schermi.termina) {
            c.schermi.termina(0);
            return;
        }
        vai(QStringLiteral("FormMenu"));
        break;
    }
}

void FormAdulto::BottoneIndietro_Click()
{
    vai(QStringLiteral("FormMenu"));
}
