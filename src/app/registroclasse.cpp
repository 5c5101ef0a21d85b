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

// After the current event: the row may be written while a screen goes away.
void avvisaDopo(Contesto &c, const QString &testo)
{
    QTimer::singleShot(0, &c.registro, [&c, testo] { c.dialoghi.avviso(nullptr, TitoloApplicazione, testo); });
}

} // namespace

QStringList intestazioneRegistro(ModLanguageSupport &lingua)
{
    QStringList t;
    for (int i = 0; i < ColonneRegistro; ++i)
        t << lingua.MLSGetString(QString::number(120 + i).rightJustified(4, u'0'));
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
    r.fileStorie = m.CartellaStorie + (a.sottrazione ? QStringLiteral("/lista2.txt") : QStringLiteral("/lista1.txt"));
    r.rigaStoria = a.riga;
    r.primo = a.primo;
    r.secondo = a.secondo;
    r.risultato = a.risultato;
    r.errati = a.errati;
    r.riascolti = a.riascolti;
    r.secondi = a.secondi;
    r.finito = a.finito;
    QString errore;
    if (m.Registro->aggiungi(r, &errore) || m.CartelleSenzaRegistro.contains(m.Registro->cartella()))
        return;
    m.CartelleSenzaRegistro << m.Registro->cartella();
    avvisaDopo(c,
               c.lingua.MLSGetString(QStringLiteral("0100")) + QStringLiteral("\n\n") + m.Registro->cartella()
                   + QStringLiteral("\n(") + errore + u')');
}

void caricaClasseDelProgramma(Contesto &c)
{
    QString errore;
    c.stato.ClasseAlunni = caricaClasse(c.percorsi.impostazioni, &errore);
    if (!errore.isEmpty())
        avvisaDopo(c, c.lingua.MLSGetString(QStringLiteral("0101")) + QStringLiteral("\n\n") + errore);
}

const Alunno *alunnoCorrente(const Contesto &c)
{
    for (const Alunno &a : c.stato.ClasseAlunni.alunni) {
        if (a.nome == c.stato.AlunnoCorrente)
            return &a;
    }
    return nullptr;
}
