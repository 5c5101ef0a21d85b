#pragma once

#include "passaggio.h"

#include <QString>
#include <QtGlobal>
#include <functional>

// What the runner needs of a screen. The steps of one outcome reach it in
// their order; nothing of an outcome reaches it once that outcome has been
// dropped.
class EsecutoreSchermo
{
public:
    using Fine = std::function<void()>;
    virtual ~EsecutoreSchermo() = default;

    // Every step, done at once; a step that speaks is then said (parla).
    virtual void fai(const Passaggio &p) = 0;
    // Starts saying testo and returns; false when there is nothing to wait
    // for. Otherwise fine() once it has ended, or once its watchdog has run
    // out, from the event loop and never from inside this call.
    virtual bool parla(const QString &testo, Fine fine) = 0;
    // The sentence waited for is over: it ended, or its outcome was dropped.
    virtual void fineAttesa() = 0;
};

// Carries out the problem's outcomes on a screen, without widgets. At a
// sentence it returns to the event loop; the sentence's end resumes it at the
// next step. Every outcome begun or dropped changes the turn, and whatever an
// older outcome left behind (a loop over its steps, the end of its sentence)
// then does nothing: this is the one guard against a stale outcome.
class Esecutore
{
public:
    explicit Esecutore(EsecutoreSchermo &schermo)
        : m_schermo(schermo)
    {
    }

    // While a sentence is waited for, the screen takes only "avanti", the
    // menus and the repeat button. An outcome without a sentence (the count
    // reset, the hand-over) is then carried out at once and the sentence goes
    // on; any other outcome replaces the one in progress.
    void esegui(Esito e);
    // Nothing more of the outcome in progress is done.
    void annulla();
    bool inAttesa() const { return m_attesa; }

private:
    void avanza();
    static bool parlato(Passaggio::Tipo t);

    EsecutoreSchermo &m_schermo;
    std::vector<Passaggio> m_passi;
    size_t m_prossimo = 0;
    quint64 m_turno = 0;
    bool m_attesa = false;
};
