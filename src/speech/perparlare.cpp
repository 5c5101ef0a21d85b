#include "perparlare.h"

#include "motorevoce.h"

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

Parlata::Parlata(QObject *padre)
    : QObject(padre)
{
    m_cane.setSingleShot(true);
    connect(&m_cane, &QTimer::timeout, this, &Parlata::fine);
}

void Parlata::Parla(MotoreVoce *motore, const QString &testo, std::function<void()> poi, int margineMs)
{
    annulla();
    m_motore = motore;
    m_poi = poi ? std::move(poi) : [] {};
    m_margine = margineMs;
    if (!motore) {
        // Nothing is spoken, but what follows still comes, from the loop.
        m_cane.start(0);
        return;
    }
    // The end may be reported while a repeat replaces the utterance, or
    // the end of an utterance this one replaced may come late: only an
    // engine that has fallen silent ends the wait.
    m_finito = connect(motore, &MotoreVoce::finito, this, [this] {
        if (m_consegna)
            return;
        if (m_motore && m_motore->SpeakingStatus() != 0)
            armaCane();
        else
            fine();
    });
    m_distrutto = connect(motore, &QObject::destroyed, this, &Parlata::fine);
    consegna(motore, testo);
}

void Parlata::ripeti(MotoreVoce *motore, const QString &testo)
{
    if (!motore)
        return;
    m_consegna = true;
    motore->StopSpeech();
    m_consegna = false;
    consegna(motore, testo);
}

void Parlata::consegna(MotoreVoce *motore, const QString &testo)
{
    // An end reported while the text is handed over is the end of the
    // utterance it replaces.
    m_consegna = true;
    motore->SpeakText(testo);
    m_consegna = false;
    if (!inAttesa())
        return;
    // Silent already (an empty text, no voice): what follows comes from the
    // loop, never from inside this call.
    if (motore->SpeakingStatus() == 0)
        m_cane.start(0);
    else
        armaCane();
}

void Parlata::armaCane()
{
    m_cane.start(m_motore ? m_motore->durataMassimaMs() + m_margine : 0);
}

void Parlata::annulla()
{
    disconnect(m_finito);
    disconnect(m_distrutto);
    m_cane.stop();
    m_poi = nullptr;
}

void Parlata::fine()
{
    if (!m_poi)
        return;
    auto poi = std::move(m_poi);
    annulla();
    poi();
}

void PerParlare::Parla(Parlata &attesa, std::function<void()> poi)
{
    attesa.Parla(m_motore, preparaTesto(TestoDaDire, preparazione), std::move(poi), margineWatchdogMs);
}
