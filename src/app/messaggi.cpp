#include "messaggi.h"

#include "contesto.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "perparlare.h"

#include <QDir>

namespace {
const QString Acapo = QStringLiteral("\r\n");
const QString Trattini = QString(23, QLatin1Char('-'));

// What is true of this copy: its name, version and licence, and the folders
// where a teacher finds the stories in use, the animations and the language
// files. The words are the language's; a line whose word it leaves empty
// is left out.
QString bloccoCrediti(ModLanguageSupport &lingua, const QString &programma, const QString &storie)
{
    QString blocco
        = QStringLiteral("Numerella " NUMERELLA_VERSIONE) + Acapo + QLatin1Char(' ') + Trattini + QLatin1Char(' ');
    const auto riga = [&blocco](const QString &testo) {
        if (!testo.isEmpty())
            blocco += Acapo + testo;
    };
    const auto cartella = [&](const char *chiave, const QString &sotto) {
        const QString parola = lingua.MLSGetString(QString::fromLatin1(chiave));
        if (!parola.isEmpty())
            riga(parola + QStringLiteral(": ") + QDir::toNativeSeparators(QDir::cleanPath(programma + u'/' + sotto)));
    };
    riga(lingua.MLSGetString(QStringLiteral("0018")));
    cartella("0019", storie);
    cartella("0020", QStringLiteral("gifanimate"));
    cartella("0021", QString());
    return blocco;
}
} // namespace

QString testoInformazioni(ModLanguageSupport &lingua, const QString &programma, const QString &storie)
{
    QString testo;
    for (const char *chiave : {"9996", "9997", "9998", "9999"}) {
        const QString riga = lingua.MLSGetString(QString::fromLatin1(chiave));
        if (!riga.isEmpty())
            testo += riga + Acapo;
    }
    if (!testo.isEmpty())
        testo = Acapo + Trattini + Acapo + testo;
    return testo + bloccoCrediti(lingua, programma, storie);
}

void MostraInformazioni(Contesto &c, const Storie &storie, QWidget *padre)
{
    c.dialoghi.informazione(padre, TitoloDomande,
                            testoInformazioni(c.lingua, c.percorsi.programma, storie.CartellaStorie));
}

void ConfermaUscita(Contesto &c, QWidget *padre)
{
    if (c.dialoghi.domanda(padre, TitoloDomande, c.lingua.MLSGetString(QStringLiteral("0001"))) && c.schermi.termina)
        c.schermi.termina(0);
}

void ParlaLaLingua(Contesto &c, MotoreVoce &motore)
{
    const QString lingua = c.lingua.linguaCorrente();
    const QByteArray voce = c.lingua.voceEspeak(lingua);
    motore.SpeechLanguage(voce, c.lingua.MLSGetString(QStringLiteral("0008")).trimmed());
    // A language without a voice of its own is spoken by the Italian voices.
    // Italian has its own word for "&" and neither Italiano.lng nor the
    // built-in messages name one, so a language without "0022" leaves "&"
    // to the engine.
    c.parla.preparazione = {voce.isEmpty() || voce.startsWith("it"), c.lingua.MLSGetString(u"0022"_qs).trimmed()};
}
