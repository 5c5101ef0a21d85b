#include "perparlare.h"

#include "motorevoce.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

QString preparaTesto(const QString &testo, const Preparazione &lingua)
{
    QString pronto;
    pronto.reserve(testo.size() + 16);
    const qsizetype lunghezza = testo.size();
    for (qsizetype i = 0; i < lunghezza; ++i) {
        const QChar c = testo.at(i);
        const char16_t minuscola = c.toLower().unicode();
        switch (minuscola) {
        case 0x00B7: // middle dot
        case u'_':
            continue;
        case 0x2019: // typographic apostrophe
            pronto += u'\'';
            continue;
        case u'&':
            if (lingua.italiano)
                pronto += u"e commerciale";
            else if (!lingua.e.isEmpty())
                pronto += u' ' + lingua.e + u' ';
            else
                pronto += c; // the engine has a word of its own
            continue;
        default:
            break;
        }
        // Vowel and apostrophe is how Italian is typed without accents; in
        // another language it would move the stress ("café", "Chloé").
        if (!lingua.italiano) {
            pronto += c;
            continue;
        }
        switch (minuscola) {
        case 0x00E8: // è
        case 0x00E9: // é
            pronto += u"e'";
            break;
        case 0x00F2: // ò
            pronto += u"o'";
            break;
        case 0x00E0: // à
            pronto += u"a'";
            break;
        case 0x00F9: // ù
            pronto += u"u'";
            break;
        case 0x00EC: // ì
            pronto += u"i'";
            break;
        default:
            pronto += c; // as written, not lower-cased
            break;
        }
    }
    // Stories written with a space before the final stop: the stop goes to
    // the word it ends and the space last, so the sentence closes there.
    const qsizetype n = pronto.size();
    if (n >= 2 && pronto.at(n - 2) == u' ' && pronto.at(n - 1) == u'.') {
        pronto[n - 2] = u'.';
        pronto[n - 1] = u' ';
    }
    return pronto;
}

void PerParlare::Parla(const Blocco &blocca)
{
    if (TestoDaDire.isEmpty())
        return;

    if (blocca)
        blocca(false);
    const QString pronto = preparaTesto(TestoDaDire, preparazione);

    // Without an engine nothing is spoken, but the buttons still come back.
    QPointer<MotoreVoce> motore = m_motore;
    if (motore) {
        QEventLoop attesa;
        QTimer cane;
        cane.setSingleShot(true);
        bool scaduto = false;
        QObject::connect(motore, &MotoreVoce::finito, &attesa, &QEventLoop::quit);
        QObject::connect(motore, &QObject::destroyed, &attesa, &QEventLoop::quit);
        QObject::connect(&cane, &QTimer::timeout, &attesa, [&] {
            scaduto = true;
            attesa.quit();
        });

        motore->SpeakText(pronto);
        // The end may already have come (an empty text, no voice); and a
        // handler run during the wait may stop the utterance and start
        // another (the repeat button), whose end is waited for too. The
        // watchdog is armed for each utterance, so an engine that never
        // reports cannot keep the buttons locked.
        while (motore && motore->SpeakingStatus() != 0 && !scaduto) {
            cane.start(motore->durataMassimaMs() + margineWatchdogMs);
            attesa.exec();
        }
    }

    if (blocca)
        blocca(true);
}
