#pragma once

#include <QString>
#include <vector>

// The labels of an exercise screen that the protocol writes.
enum class Etichetta { Domanda1, Domanda2, Domanda3, Risposta1, Risposta2, Risposta3, Operazione, Esatti, Errati };

// One thing a screen does for an outcome. The runner (esecutore.h) carries
// the steps of an outcome out in their order, each sentence spoken to its
// end before the next step. A new kind is named here, decided on in
// Esecutore::parlato (done at once, or done and then its text said and
// waited for), and done by the screen.
struct Passaggio {
    enum class Tipo {
        Testo, // etichetta: set its text to testo
        Mostra, // etichetta: show
        Nascondi, // etichetta: hide
        Parla, // speak testo and wait for its end
        CellaFile, // cella: give it the animation testo, show it, start it
        CellaMostraFile, // cella: show it, give it the animation testo, start it
        CellaCambia, // cella: shrink and grow it back, give it testo, start it
        NascondiCelle, // all nine cells hidden
        MostraAvanti, // the "avanti" button shown
        NascondiAvanti, // and hidden
        IconaSi, // the right icon shown, the wrong one hidden
        IconaNo, // the wrong icon shown, the right one hidden
        SuonoEsatto,
        SuonoErrato,
        AltroSchermo, // the mixed mode goes on on the other exercise screen
    };
    Tipo tipo;
    Etichetta etichetta = Etichetta::Operazione;
    int cella = -1;
    QString testo;
};

struct Esito {
    std::vector<Passaggio> passi;
    bool giusto = true; // false: a wrong press, counted in NumeroErrati
};
