#include "perparlare.h"

#include "motorevoce.h"
#include "registroschermi.h"
#include "schermo.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

QString preparaTesto(const QString &testo)
{
    QString pronto;
    pronto.reserve(testo.size() + 16);
    const qsizetype lunghezza = testo.size();
    for (qsizetype i = 0; i < lunghezza; ++i) {
        const QChar c = testo.at(i);
        switch (c.toLower().unicode()) {
        case 0x00B7: // middle dot
        case u'_':
            break;
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
        case 0x2019: // typographic apostrophe
            pronto += u'\'';
            break;
        case u'&':
            pronto += u"e commerciale";
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

namespace {
const char *const schermiConRisposte[] = {"Form1", "Form2"};
}

PerParlare::PerParlare(RegistroSchermi &registro)
    : m_registro(registro)
{
}

void PerParlare::blocca(bool abilitato)
{
    for (const char *nome : schermiConRisposte) {
        const QString form = QString::fromLatin1(nome);
        // Only a screen on display is touched; asking never creates one.
        if (!m_registro.mostrato(form))
            continue;
        Schermo *s = m_registro.caricato(form);
        if (!s)
            continue;
        auto imposta = [&](const QString &controllo, int indice) {
            if (QObject *o = s->controllo(controllo, indice))
                o->setProperty("enabled", abilitato);
        };
        for (int i = 0; i <= 9; ++i)
            imposta(QStringLiteral("Command1"), i);
        imposta(QStringLiteral("Command3"), -1);
        imposta(QStringLiteral("Command4"), -1);
        imposta(QStringLiteral("Command5"), -1);
    }
}

void PerParlare::Parla()
{
    if (TestoDaDire.isEmpty())
        return;

    blocca(false);
    const QString pronto = preparaTesto(TestoDaDire);

    // The program-wide engine lives on the hidden FormBocca, created on
    // first use. Without it nothing is spoken, but the buttons still come
    // back.
    QPointer<MotoreVoce> motore;
    if (Schermo *bocca = m_registro.schermo(QStringLiteral("FormBocca"))) {
        if (auto *p = dynamic_cast<PortatoreMotore *>(bocca))
            motore = &p->Bocca();
    }

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

    blocca(true);
}
