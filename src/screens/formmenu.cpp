#include "formmenu.h"

#include "accesso.h"
#include "alunni.h"
#include "casuale.h"
#include "clsresize.h"
#include "contesto.h"
#include "elencoschermi.h"
#include "fontinproporzione.h"
#include "formadulto.h"
#include "menulingue.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "stile.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <memory>

FormMenu::FormMenu(Contesto &contesto, Punteggio &punteggio, Storie &storie, const Scuola &scuola)
    : SchermoScalato(QStringLiteral("FormMenu"), LarghezzaProgetto, AltezzaProgetto, contesto.display)
    , c(contesto)
    , m_punteggio(punteggio)
    , m_scuola(scuola)
{
    setWindowTitle(QStringLiteral("Numerella"));
    coloraSfondo(client(), QColor(255, 192, 255));

    struct Bottone {
        QPushButton *&membro;
        const char *nome;
        const char *testo;
        int top;
        void (FormMenu::*click)();
    };
    const Bottone bottoni[] = {
        {Command8, "Command8", "Problemi con addizione", 360, &FormMenu::Command8_Click},
        {Command7, "Command7", "Problemi con sottrazione", 1200, &FormMenu::Command7_Click},
        {Command2, "Command2", "Problemi con addizione o sottrazione", 2040, &FormMenu::Command2_Click},
        {Command3, "Command3", "Imposta la voce", 2880, &FormMenu::Command3_Click},
        {Command1, "Command1", "Esci", 4320, &FormMenu::Command1_Click},
    };
    for (const Bottone &b : bottoni) {
        b.membro = aggiungi(new QPushButton(QString::fromUtf8(b.testo), client()), QString::fromLatin1(b.nome));
        b.membro->setFont(fontProgetto(QStringLiteral("Arial"), 15.75, true));
        coloraBottone(b.membro, QColor(255, 128, 255));
        b.membro->setAutoDefault(true);
        piazza(b.membro, 960, b.top, 5000, 750);
        connect(b.membro, &QPushButton::clicked, this, b.click);
    }
    // "Esci" comes first in the tab order and so has the focus at opening.
    setTabOrder(Command1, Command8);
    setTabOrder(Command8, Command7);
    setTabOrder(Command7, Command2);
    setTabOrder(Command2, Command3);
    Command1->setFocus();

    mnuLanguages = aggiungi(new QMenu(QStringLiteral("Lingua"), this), QStringLiteral("mnuLanguages"));
    menuBar()->addMenu(mnuLanguages);
    mnuLanguage0
        = aggiungi(new QAction(QStringLiteral("mnuLanguage 0"), mnuLanguages), QStringLiteral("mnuLanguage"), 0);
    mnuLanguages->addAction(mnuLanguage0);
    m_lingue = new MenuLingue(*this, c, storie);

    mnuClasse = aggiungi(new QAction(QStringLiteral("Classe"), this), QStringLiteral("mnuClasse"));
    mnuRegistro = aggiungi(new QAction(QStringLiteral("Registro"), this), QStringLiteral("mnuRegistro"));
    // "Chi gioca?" only with a class: without one the menu has nothing to
    // change.
    mnuChiGioca = aggiungi(new QAction(QStringLiteral("Chi gioca?"), this), QStringLiteral("mnuChiGioca"));
    if (!m_scuola.ClasseAlunni.alunni.isEmpty())
        menuBar()->addAction(mnuChiGioca);
    menuBar()->addAction(mnuClasse);
    menuBar()->addAction(mnuRegistro);
    connect(mnuClasse, &QAction::triggered, this, &FormMenu::mnuClasse_Click);
    connect(mnuRegistro, &QAction::triggered, this, &FormMenu::mnuRegistro_Click);
    connect(mnuChiGioca, &QAction::triggered, this, &FormMenu::mnuChiGioca_Click);
    mostraAlunnoInBarra(*this, c, m_scuola);
    registraFont();
}

FormMenu::~FormMenu() = default;

void FormMenu::Form_Load()
{
    m_lingue->MLSFillMenuLanguages();
    c.lingua.MLSLoadFormStrings(*this);

    scalaAlCaricamento();
}

void FormMenu::Form_Activate()
{
    riempiDisplay();
    // Top to bottom, as the child sees them: "Esci" last.
    attivaScansione(c, m_scuola.ClasseAlunni, this, {Command8, Command7, Command2, Command3, Command1});
}

void FormMenu::chiusuraRichiesta()
{
    Command1_Click();
}

bool FormMenu::apri(const QString &nome, std::optional<Boolean> modoMisto)
{
    if (!c.schermi.mostra(nome))
        return false;
    if (modoMisto)
        m_punteggio.ModoMisto = *modoMisto;
    c.schermi.scarica(this);
    return true;
}

void FormMenu::Command8_Click()
{
    apri(QStringLiteral("Form1"), False);
}

void FormMenu::Command7_Click()
{
    apri(QStringLiteral("Form2"), False);
}

void FormMenu::Command2_Click()
{
    m_punteggio.ModoMisto = True;
    const int r = c.casuale.estrai(2);
    apri(r == 1 ? QStringLiteral("Form1") : QStringLiteral("Form2"), std::nullopt);
}

void FormMenu::Command3_Click()
{
    // The voice settings leave the exercise mode as it was.
    apri(QStringLiteral("FormImposta"), std::nullopt);
}

void FormMenu::Command1_Click()
{
    if (m_scuola.ClasseAlunni.soloAdultoEsce)
        FormAdulto::chiedi(c, this, FormAdulto::Dopo::Uscita);
    else
        ConfermaUscita(c, this);
}

void FormMenu::mnuClasse_Click()
{
    FormAdulto::chiedi(c, this, FormAdulto::Dopo::Classe);
}

void FormMenu::mnuRegistro_Click()
{
    FormAdulto::chiedi(c, this, FormAdulto::Dopo::Registro);
}

void FormMenu::mnuChiGioca_Click()
{
    apri(QStringLiteral("FormChiGioca"), std::nullopt);
}
