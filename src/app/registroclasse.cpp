#include "registroclasse.h"

#include "contesto.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "ini.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "problema.h"
#include "scrittoreregistro.h"

#include <QDir>
#include <QSysInfo>
#include <QTimer>

namespace {

// After the current event: the row may be written while a screen goes away.
void avvisaDopo(Contesto &c, const QString &testo)
{
    QTimer::singleShot(0, &c.schermi, [&c, testo] { c.dialoghi.avviso(nullptr, TitoloApplicazione, testo); });
}

} // namespace

QStringList intestazioneRegistro(ModLanguageSupport &lingua)
{
    QStringList t;
    for (int i = 0; i < colonneScritte(); ++i)
        t << lingua.MLSGetString(QString::fromLatin1(colonneRegistro()[size_t(i)].chiave));
    return t;
}

TitoliRegistro titoliRegistro(ModLanguageSupport &lingua)
{
    const std::span<const ColonnaRegistro> colonne = colonneRegistro();
    TitoliRegistro titoli(colonne.size());
    QStringList file;
    const QDir cartella(lingua.cartellaProgramma());
    for (const QString &f : cartella.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name))
        file << cartella.filePath(f);
    LettoreIni lettore;
    for (size_t i = 0; i < colonne.size(); ++i) {
        const QString chiave = QString::fromLatin1(colonne[i].chiave);
        // The run's own titles even without a language file.
        titoli[i] << lingua.MLSGetString(chiave);
        for (const QString &f : std::as_const(file)) {
            const std::optional<QString> t = lettore.voce(f, QStringLiteral("Strings"), chiave);
            if (t && !t->isEmpty() && !titoli[i].contains(*t))
                titoli[i] << *t;
        }
    }
    return titoli;
}

void annotaProblema(Contesto &c, Scuola &scuola, const Storie &storie, const Andamento &a)
{
    if (!scuola.Registro) {
        scuola.Registro
            = std::make_shared<ScrittoreRegistro>(scuola.ClasseAlunni.cartellaDelRegistro(c.percorsi.impostazioni),
                                                  QSysInfo::machineHostName(), intestazioneRegistro(c.lingua),
                                                  titoliRegistro(c.lingua));
    }
    RigaRegistro r;
    static_cast<Andamento &>(r) = a;
    r.alunno = scuola.AlunnoCorrente;
    r.lingua = c.lingua.MLSCurrentLanguage;
    r.fileStorie = fileDelleStorie(storie, a.operazione == u'-');
    // The queue hears of the problem even when the folder cannot be written.
    scuola.RipassoCorrente.annota(r);
    QString errore;
    if (scuola.Registro->aggiungi(r, &errore) || scuola.CartelleSenzaRegistro.contains(scuola.Registro->cartella()))
        return;
    scuola.CartelleSenzaRegistro << scuola.Registro->cartella();
    avvisaDopo(c,
               c.lingua.MLSGetString(QStringLiteral("0100")) + QStringLiteral("\n\n") + scuola.Registro->cartella()
                   + QStringLiteral("\n(") + errore + u')');
}

QString fileDelleStorie(const Storie &s, bool sottrazione)
{
    return s.CartellaStorie + (sottrazione ? QStringLiteral("/lista2.txt") : QStringLiteral("/lista1.txt"));
}

void caricaClasseDelProgramma(Contesto &c, Scuola &scuola)
{
    QString errore, formula;
    scuola.ClasseAlunni = caricaClasse(c.percorsi.impostazioni, &errore, &formula);
    if (!formula.isEmpty())
        errore += QStringLiteral("\n\n") + c.lingua.MLSGetString(QStringLiteral("0160"));
    if (!errore.isEmpty())
        avvisaDopo(c, c.lingua.MLSGetString(QStringLiteral("0101")) + QStringLiteral("\n\n") + errore);
}

const Alunno *alunnoCorrente(const Scuola &scuola)
{
    for (const Alunno &a : scuola.ClasseAlunni.alunni) {
        if (a.nome == scuola.AlunnoCorrente)
            return &a;
    }
    return nullptr;
}
