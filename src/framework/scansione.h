#pragma once

#include "orologio.h"

#include <QHash>
#include <QSet>
#include <functional>

// Scanning for a child who presses a switch rather than a pointer: the
// highlight goes through a screen's targets in order, by itself every
// interval (one switch) or at each press of the first switch (two
// switches), and the switch that chooses takes the highlighted one. No
// widgets: the screen's adapter turns keys into presses and the highlight
// into focus and a frame.
class Scansione
{
public:
    enum class Modo { UnPulsante, DuePulsanti };
    // What the switch sends: Space moves on with two switches, Enter
    // chooses; with one switch both choose.
    enum class Tasto { Spazio, Invio };

    // A press that comes sooner than this after the last one taken is a
    // tremor, not a choice.
    static constexpr qint64 AntiTremoreMs = 300;
    // A switch held down may repeat as a release and a press at once, not
    // marked as a repeat (X11 under load): a press this soon after the
    // same switch's release is the same press going on.
    static constexpr qint64 RipetizioneMs = 50;

    // quanti targets, numbered from 0; disponibile tells which can be
    // highlighted now (shown, not covered); empty: all.
    Scansione(const Orologio &orologio, Modo modo, int intervalloMs, int quanti,
              std::function<bool(int)> disponibile = {});

    void usaOrologio(const Orologio &orologio);

    // The highlighted target; -1 when none can be.
    int evidenziato() const { return m_evidenziato; }
    bool bloccata() const { return m_bloccata; }

    // A switch went down. The target chosen, or -1 (moved on, or ignored:
    // held down, a tremor, the scan locked).
    int premuto(Tasto t, bool ripetuto = false);
    void rilasciato(Tasto t);

    // With one switch, moves the highlight once its interval has passed
    // since it came there. True when the highlight moved.
    bool scorri();
    // Milliseconds until scorri has something to do; -1: nothing to wait
    // for (two switches, locked, no target).
    qint64 attesaMs() const;

    // While the screen is busy (the buttons locked for speech) the
    // highlight stays and presses are ignored; the interval starts again
    // when it ends.
    void blocca(bool bloccata);

    // Back to the first target that can be highlighted.
    void ricomincia();
    // The highlighted target can no longer be: on to the next that can.
    void rivedi();

private:
    bool puo(int i) const;
    int prossimo(int da) const; // the first available from da onwards, wrapping; -1 none
    void sposta(int i);

    const Orologio *m_orologio;
    Modo m_modo;
    qint64 m_intervallo;
    int m_quanti;
    std::function<bool(int)> m_disponibile;
    int m_evidenziato = -1;
    qint64 m_dal = 0; // when the highlight came to where it is
    qint64 m_ultimaPressione = 0;
    bool m_premuto = false; // a press has been taken
    bool m_bloccata = false;
    QSet<int> m_giu; // switches down now
    QHash<int, qint64> m_rilascio; // when each switch was last let go
};
