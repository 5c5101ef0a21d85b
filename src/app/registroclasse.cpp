#include "registroclasse.h"

#include "contesto.h"
#include "dialoghi.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "problema.h"
#include "registroschermi.h"
#include "scrittoreregistro.h"

#include <QSysInfo>
#include <QTimer>

namespace {

const char *const Colonne[] = {"Inizio",
                               "Alunno",
                               "Lingua",
                               "Operazione",
                               "File delle storie",
                               "Riga",
                               "Primo numero",
                               "Secondo numero",
                               "Risultato",
                               "Errori all'inizio",
                               "Errori al cambio",
                               "Errori al risultato",
                               "Errori nell'operazione",
                               "Riascolti",
                               "Secondi",
                               "Finito"};

// After the current event: the row may be written while a screen goes away.
void avvisaDopo(Contesto &c, const QString &testo)
{
    QTimer::singleShot(0, &c.registro, [&c, testo] { c.dialoghi.avviso(nullptr, TitoloApplicazione, testo); });
}

} // namespace

QString messaggioClasse(ModLanguageSupport &lingua, int chiave, const char *italiano)
{
    const QString s = lingua.MLSGetString(QStringLiteral("%1").arg(chiave, 4, 10, QLatin1Char('0')));
    return s.isEmpty() ? QString::fromUtf8(italiano) : s;
}

QStringList intestazioneRegistro(ModLanguageSupport &lingua)
{
    QStringList t;
    for (int i = 0; i < ColonneRegistro; ++i)
        t << messaggioClasse(lingua, 120 + i, Colonne[i]);
    return t;
}

void annotaProblema(Contesto &c, const Andamento &a)
{
    Modulo1 &m = c.stato;
    if (!m.Registro) {
        m.Registro = std::make_shared<ScrittoreRegistro>(m.ClasseAlunni.cartellaDelRegistro(c.percorsi.impostazioni),
                                                         QSysInfo::machineHostName(), intestazioneRegistro(c.lingua));
    }
    RigaRegistro r;
    r.inizio = a.inizio;
    r.alunno = m.AlunnoCorrente;
    r.lingua = c.lingua.MLSCurrentLanguage;
    r.operazione = a.sottrazione ? u'-' : u'+';
    r.fileStorie = fileDelleStorie(m, a.sottrazione);
    r.rigaStoria = a.riga;
    r.primo = a.primo;
    r.secondo = a.secondo;
    r.risultato = a.risultato;
    r.errati = a.errati;
    r.riascolti = a.riascolti;
    r.secondi = a.secondi;
    r.finito = a.finito;
    r.ripasso = a.ripasso;
    // The queue hears of the problem even when the folder cannot be written.
    m.RipassoCorrente.annota(r);
    QString errore;
    if (m.Registro->aggiungi(r, &errore) || m.CartelleSenzaRegistro.contains(m.Registro->cartella()))
        return;
    m.CartelleSenzaRegistro << m.Registro->cartella();
    avvisaDopo(c,
               messaggioClasse(c.lingua, 100, "Non riesco a scrivere il registro nella cartella qui sotto.")
                   + QStringLiteral("\n\n") + m.Registro->cartella() + QStringLiteral("\n(") + errore + u')');
}

QString fileDelleStorie(const Storie &s, bool sottrazione)
{
    return s.CartellaStorie + (sottrazione ? QStringLiteral("/lista2.txt") : QStringLiteral("/lista1.txt"));
}

void caricaClasseDelProgramma(Contesto &c)
{
    QString errore;
    c.stato.ClasseAlunni = caricaClasse(c.percorsi.impostazioni, &errore);
    if (!errore.isEmpty())
        avvisaDopo(c,
                   messaggioClasse(c.lingua, 101, "Non riesco a leggere la classe salvata.") + QStringLiteral("\n\n")
                       + errore);
}

const Alunno *alunnoCorrente(const Contesto &c)
{
    for (const Alunno &a : c.stato.ClasseAlunni.alunni) {
        if (a.nome == c.stato.AlunnoCorrente)
            return &a;
    }
    return nullptr;
}
