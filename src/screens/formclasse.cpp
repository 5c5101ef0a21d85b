#include "formclasse.h"

#include "alunni.h"
#include "classe.h"
#include "contesto.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "stile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {
const QColor Viola(255, 128, 255);
} // namespace

FormClasse::FormClasse(Contesto &contesto, Scuola &scuola)
    : SchermoScalato(QStringLiteral("FormClasse"), LarghezzaProgetto, AltezzaProgetto, contesto.display)
    , c(contesto)
    , m_scuola(scuola)
{
    setWindowTitle(QStringLiteral("Numerella"));
    coloraSfondo(client(), QColor(255, 192, 255));
    const QFont testo = fontProgetto(QStringLiteral("Arial"), 12, true);
    auto etichetta = [&](const QString &nome, const QString &t, int l, int top, int w, int h) {
        QLabel *e = aggiungi(new QLabel(t, client()), nome);
        e->setFont(testo);
        piazza(e, l, top, w, h);
        return e;
    };
    auto bottone = [&](QPushButton *&b, const QString &nome, const QString &t, int l, int top, int w, int h,
                       void (FormClasse::*click)()) {
        b = aggiungi(new QPushButton(t, client()), nome);
        b->setFont(testo);
        coloraBottone(b, Viola);
        piazza(b, l, top, w, h);
        connect(b, &QPushButton::clicked, this, click);
    };

    // Each field is named by the label beside it, for a screen reader too.
    QLabel *alunni = etichetta(QStringLiteral("LabelAlunni"), QStringLiteral("Alunni"), 240, 120, 4200, 420);
    ListaAlunni = aggiungi(new QListWidget(client()), QStringLiteral("ListaAlunni"));
    alunni->setBuddy(ListaAlunni);
    ListaAlunni->setFont(testo);
    piazza(ListaAlunni, 240, 600, 4200, 3480);
    connect(ListaAlunni, &QListWidget::currentRowChanged, this, [this](int i) {
        const QList<Alunno> &a = m_scuola.ClasseAlunni.alunni;
        if (i < 0 || i >= a.size())
            return;
        TestoNome->setText(a[i].nome);
        const int k = int(m_immagini.indexOf(a[i].immagine));
        ListaImmagini->setCurrentRow(k);
    });

    QLabel *nome = etichetta(QStringLiteral("LabelNome"), QStringLiteral("Nome"), 240, 4200, 1080, 540);
    TestoNome = aggiungi(new QLineEdit(client()), QStringLiteral("TestoNome"));
    TestoNome->setFont(testo);
    TestoNome->setMaxLength(Classe::MassimoCaratteri);
    piazza(TestoNome, 1320, 4200, 3120, 540);
    nome->setBuddy(TestoNome);
    connect(TestoNome, &QLineEdit::returnPressed, this, &FormClasse::BottoneAggiungi_Click);

    bottone(BottoneAggiungi, QStringLiteral("BottoneAggiungi"), QStringLiteral("Aggiungi"), 240, 4860, 1380, 600,
            &FormClasse::BottoneAggiungi_Click);
    bottone(BottoneRinomina, QStringLiteral("BottoneRinomina"), QStringLiteral("Rinomina"), 1650, 4860, 1380, 600,
            &FormClasse::BottoneRinomina_Click);
    bottone(BottoneTogli, QStringLiteral("BottoneTogli"), QStringLiteral("Togli"), 3060, 4860, 1380, 600,
            &FormClasse::BottoneTogli_Click);
    LabelAvviso = etichetta(QStringLiteral("LabelAvviso"), QString(), 240, 6180, 6120, 780);
    LabelAvviso->setWordWrap(true);
    LabelAvviso->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0)"));

    QLabel *immagini = etichetta(QStringLiteral("LabelImmagini"), QStringLiteral("Immagine"), 4680, 120, 4680, 420);
    ListaImmagini = aggiungi(new QListWidget(client()), QStringLiteral("ListaImmagini"));
    ListaImmagini->setViewMode(QListView::IconMode);
    ListaImmagini->setResizeMode(QListView::Adjust);
    ListaImmagini->setMovement(QListView::Static);
    // The pupil's picture stands out, with no caption to mark it.
    ListaImmagini->setStyleSheet(QStringLiteral(
        "QListWidget::item:selected { background: rgb(255, 160, 255); border: 3px solid rgb(128, 0, 128); }"));
    piazza(ListaImmagini, 4680, 600, 4680, 1800);
    immagini->setBuddy(ListaImmagini);
    m_immagini = immaginiAlunni(c);
    // Pictures only: their file names are Italian words. A screen reader
    // still hears the name.
    for (const QString &f : std::as_const(m_immagini)) {
        auto *voce = new QListWidgetItem(QIcon(immagineAlunno(c, f)), QString());
        voce->setData(Qt::AccessibleTextRole, QFileInfo(f).completeBaseName());
        ListaImmagini->addItem(voce);
    }
    connect(ListaImmagini, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { scegliImmagine(ListaImmagini->row(i)); });

    QLabel *cartella
        = etichetta(QStringLiteral("LabelCartella"), QStringLiteral("Cartella del registro"), 4680, 2520, 4680, 420);
    TestoCartella = aggiungi(new QLineEdit(client()), QStringLiteral("TestoCartella"));
    TestoCartella->setFont(testo);
    piazza(TestoCartella, 4680, 2940, 3300, 540);
    cartella->setBuddy(TestoCartella);
    connect(TestoCartella, &QLineEdit::editingFinished, this, [this] { cambiaCartella(TestoCartella->text()); });
    bottone(BottoneCartella, QStringLiteral("BottoneCartella"), QStringLiteral("Scegli…"), 8100, 2940, 1260, 540,
            &FormClasse::BottoneCartella_Click);

    SceltaSoloAdulto = aggiungi(new QCheckBox(QStringLiteral("Solo un adulto può uscire"), client()),
                                QStringLiteral("SceltaSoloAdulto"));
    SceltaSoloAdulto->setFont(testo);
    piazza(SceltaSoloAdulto, 4680, 3600, 4680, 540);
    connect(SceltaSoloAdulto, &QCheckBox::toggled, this, [this](bool v) {
        m_scuola.ClasseAlunni.soloAdultoEsce = v;
        salva();
    });

    // How the children press; the entries' texts come at the load.
    QLabel *accesso = etichetta(QStringLiteral("LabelAccesso"), QStringLiteral("Accesso"), 4680, 4260, 1800, 540);
    SceltaAccesso = aggiungi(new QComboBox(client()), QStringLiteral("SceltaAccesso"));
    SceltaAccesso->setFont(testo);
    SceltaAccesso->addItems({QString(), QString(), QString()});
    piazza(SceltaAccesso, 6480, 4260, 2880, 540);
    accesso->setBuddy(SceltaAccesso);
    QLabel *tempo
        = etichetta(QStringLiteral("LabelTempo"), QStringLiteral("Tempo della scansione"), 4680, 4920, 3000, 540);
    SceltaTempo = aggiungi(new QDoubleSpinBox(client()), QStringLiteral("SceltaTempo"));
    SceltaTempo->setFont(testo);
    SceltaTempo->setDecimals(1);
    SceltaTempo->setRange(Classe::TempoMinimoMs / 1000.0, Classe::TempoMassimoMs / 1000.0);
    SceltaTempo->setSingleStep(Classe::PassoTempoMs / 1000.0);
    piazza(SceltaTempo, 7680, 4920, 1680, 540);
    tempo->setBuddy(SceltaTempo);
    SceltaLeggi = aggiungi(new QCheckBox(QStringLiteral("Leggi il pulsante"), client()), QStringLiteral("SceltaLeggi"));
    SceltaLeggi->setFont(testo);
    piazza(SceltaLeggi, 4680, 5580, 4680, 540);

    // The help, for the whole class; the captions come at the load.
    auto scelta = [&](QCheckBox *&b, const QString &nome, int l, bool Classe::*campo) {
        b = aggiungi(new QCheckBox(client()), nome);
        b->setFont(testo);
        b->setChecked(m_scuola.ClasseAlunni.*campo);
        piazza(b, l, 5580, 2100, 540);
        connect(b, &QCheckBox::toggled, this, [this, campo](bool v) {
            m_scuola.ClasseAlunni.*campo = v;
            salva();
        });
    };
    scelta(SceltaRipasso, QStringLiteral("SceltaRipasso"), 240, &Classe::ripasso);
    scelta(SceltaAiuti, QStringLiteral("SceltaAiuti"), 2340, &Classe::aiuti);

    bottone(BottoneFatto, QStringLiteral("BottoneFatto"), QStringLiteral("Fatto"), 6600, 6180, 2760, 780,
            &FormClasse::BottoneFatto_Click);
    BottoneFatto->setFont(fontProgetto(QStringLiteral("Arial"), 15.75, true));

    const Classe &k = m_scuola.ClasseAlunni;
    TestoCartella->setText(QDir::toNativeSeparators(k.cartellaDelRegistro(c.percorsi.impostazioni)));
    SceltaSoloAdulto->setChecked(k.soloAdultoEsce);
    SceltaAccesso->setCurrentIndex(int(k.accesso));
    SceltaTempo->setValue(k.tempoScansioneMs / 1000.0);
    SceltaLeggi->setChecked(k.leggiPulsante);
    cambiaAccesso(int(k.accesso), k.tempoScansioneMs / 1000.0, k.leggiPulsante);
    const auto cambiato
        = [this] { cambiaAccesso(SceltaAccesso->currentIndex(), SceltaTempo->value(), SceltaLeggi->isChecked()); };
    connect(SceltaAccesso, &QComboBox::currentIndexChanged, this, cambiato);
    connect(SceltaTempo, &QDoubleSpinBox::valueChanged, this, cambiato);
    connect(SceltaLeggi, &QCheckBox::toggled, this, cambiato);
    riempiLista(0);
    registraFont();
}

FormClasse::~FormClasse() = default;

void FormClasse::Form_Load()
{
    c.lingua.MLSLoadFormStrings(*this);
    SceltaRipasso->setText(c.lingua.MLSGetString(QStringLiteral("0220")));
    SceltaAiuti->setText(c.lingua.MLSGetString(QStringLiteral("0221")));
    // What each does, for the mouse and for a screen reader.
    for (auto [scelta, chiave] : {std::pair(SceltaRipasso, "0222"), std::pair(SceltaAiuti, "0223")}) {
        scelta->setToolTip(c.lingua.MLSGetString(QString::fromLatin1(chiave)));
        scelta->setAccessibleDescription(scelta->toolTip());
    }
    // In the order of Classe::Accesso.
    const QString accessi[] = {QStringLiteral("0200"), QStringLiteral("0201"), QStringLiteral("0202")};
    for (int i = 0; i < 3; ++i)
        SceltaAccesso->setItemText(i, c.lingua.MLSGetString(accessi[i]));
    SceltaTempo->setSuffix(c.lingua.MLSGetString(QStringLiteral("0203")));
    scalaAlCaricamento();
}

void FormClasse::Form_Activate()
{
    riempiDisplay();
    TestoNome->setFocus();
}

void FormClasse::Form_Resize()
{
    SchermoScalato::Form_Resize();
    // Every picture in sight at once, so that the adult sees which ones are
    // free: at least six a row, as many more as it takes not to scroll. The
    // width leaves room for a scroll bar, or the bar shown while the icons
    // were big would keep a row's last picture on the next row.
    const QSize spazio = ListaImmagini->maximumViewportSize();
    const int larghezza = spazio.width() - ListaImmagini->verticalScrollBar()->sizeHint().width() - 4;
    const int n = std::max(1, int(ListaImmagini->count()));
    int colonne = 6;
    while (colonne < n && (n + colonne - 1) / colonne * (larghezza / colonne) > spazio.height())
        ++colonne;
    const int cella = std::max(30, larghezza / colonne);
    ListaImmagini->setGridSize(QSize(cella, cella));
    ListaImmagini->setIconSize(QSize(cella - 14, cella - 14));
    ListaAlunni->setIconSize(QSize(ListaAlunni->fontMetrics().height(), ListaAlunni->fontMetrics().height()) * 3 / 2);
    // The box to tick grows with its caption.
    for (QCheckBox *scelta : {SceltaSoloAdulto, SceltaLeggi, SceltaRipasso, SceltaAiuti}) {
        const int casella = scelta->fontMetrics().height();
        scelta->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(casella));
    }
}

void FormClasse::riempiLista(int scelto)
{
    ListaAlunni->clear();
    for (const Alunno &a : std::as_const(m_scuola.ClasseAlunni.alunni))
        ListaAlunni->addItem(new QListWidgetItem(QIcon(immagineAlunno(c, a.immagine)), a.nome));
    ListaAlunni->setCurrentRow(std::min(scelto, int(ListaAlunni->count()) - 1));
}

int FormClasse::selezionato() const
{
    return ListaAlunni->currentRow();
}

bool FormClasse::nomeAccettato(const QString &nome, int escluso)
{
    const Classe::Verifica v = m_scuola.ClasseAlunni.verifica(nome, escluso);
    if (v == Classe::NomeFormula)
        LabelAvviso->setText(c.lingua.MLSGetString(QStringLiteral("0160")));
    else
        LabelAvviso->setText(v == Classe::NomeValido
                                 ? QString()
                                 : c.lingua.MLSGetString(QString::number(101 + int(v)).rightJustified(4, u'0')));
    return v == Classe::NomeValido;
}

void FormClasse::salva()
{
    QString errore;
    if (!salvaClasse(m_scuola.ClasseAlunni, c.percorsi.impostazioni, &errore))
        c.dialoghi.avviso(this, TitoloApplicazione,
                          c.lingua.MLSGetString(QStringLiteral("0108")) + QStringLiteral("\n\n") + errore);
}

void FormClasse::BottoneAggiungi_Click()
{
    const QString nome = TestoNome->text().trimmed();
    if (!nomeAccettato(nome, -1))
        return;
    // The adult may choose another picture.
    const QString immagine = m_scuola.ClasseAlunni.prossimaImmagine(m_immagini);
    QList<Alunno> &a = m_scuola.ClasseAlunni.alunni;
    a.append({nome, immagine});
    salva();
    riempiLista(int(a.size()) - 1);
    TestoNome->clear();
}

void FormClasse::BottoneRinomina_Click()
{
    const int i = selezionato();
    const QString nome = TestoNome->text().trimmed();
    if (i < 0 || !nomeAccettato(nome, i))
        return;
    Alunno &a = m_scuola.ClasseAlunni.alunni[i];
    if (m_scuola.AlunnoCorrente == a.nome)
        m_scuola.AlunnoCorrente = nome;
    a.nome = nome;
    salva();
    riempiLista(i);
}

void FormClasse::BottoneTogli_Click()
{
    const int i = selezionato();
    QList<Alunno> &a = m_scuola.ClasseAlunni.alunni;
    if (i < 0 || i >= a.size())
        return;
    const QString nome = a[i].nome;
    if (!c.dialoghi.domanda(this, TitoloDomande, c.lingua.MLSGetString(QStringLiteral("0107")).arg(nome)))
        return;
    a.removeAt(i);
    if (m_scuola.AlunnoCorrente == nome) {
        m_scuola.AlunnoCorrente.clear();
        m_scuola.RipassoCorrente.scegli(QString(), QString());
    }
    salva();
    riempiLista(i);
}

void FormClasse::scegliImmagine(int k)
{
    const int i = selezionato();
    QList<Alunno> &a = m_scuola.ClasseAlunni.alunni;
    if (i < 0 || i >= a.size() || k < 0 || k >= m_immagini.size())
        return;
    a[i].immagine = m_immagini[k];
    ListaAlunni->item(i)->setIcon(QIcon(immagineAlunno(c, a[i].immagine)));
    salva();
}

void FormClasse::cambiaAccesso(int accesso, double secondi, bool leggi)
{
    Classe &k = m_scuola.ClasseAlunni;
    const Classe::Accesso a = Classe::Accesso(std::clamp(accesso, 0, 2));
    // The interval is the one switch's; the voice reads for either.
    SceltaTempo->setEnabled(a == Classe::Accesso::UnPulsante);
    SceltaLeggi->setEnabled(a != Classe::Accesso::Tastiera);
    const int ms = tempoScansioneValido(secondi);
    if (a == k.accesso && ms == k.tempoScansioneMs && leggi == k.leggiPulsante)
        return;
    k.accesso = a;
    k.tempoScansioneMs = ms;
    k.leggiPulsante = leggi;
    salva();
}

void FormClasse::cambiaCartella(const QString &cartella)
{
    Classe &k = m_scuola.ClasseAlunni;
    const QString scelta = QDir::fromNativeSeparators(cartella.trimmed());
    const QString nuova = scelta == c.percorsi.impostazioni ? QString() : scelta;
    if (nuova == k.cartellaRegistro)
        return;
    k.cartellaRegistro = nuova;
    // The next row goes to the new folder, and a folder that cannot be
    // written is told again.
    m_scuola.Registro.reset();
    TestoCartella->setText(QDir::toNativeSeparators(k.cartellaDelRegistro(c.percorsi.impostazioni)));
    salva();
}

void FormClasse::BottoneCartella_Click()
{
    const QString d = QFileDialog::getExistingDirectory(this, QString(), TestoCartella->text());
    if (!d.isEmpty())
        cambiaCartella(d);
}

void FormClasse::BottoneFatto_Click()
{
    if (c.schermi.mostra(QStringLiteral("FormMenu")))
        c.schermi.scarica(this);
}
