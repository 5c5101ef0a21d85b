#pragma once

#include <QString>
#include <array>
#include <vector>

// A press on an exercise screen as the protocol sees it.
enum class Tasto { Cifra, Piu, Meno, Uguale };
struct Pressione {
    Tasto tasto;
    int cifra = -1; // for Tasto::Cifra
};

// The labels of an exercise screen that the protocol writes.
// Aiuto: the line that says a hint in words, for a child who cannot hear it.
enum class Etichetta {
    Domanda1,
    Domanda2,
    Domanda3,
    Risposta1,
    Risposta2,
    Risposta3,
    Operazione,
    Esatti,
    Errati,
    Aiuto
};

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
        // The hints. A mark stays until its own unmarking or the next
        // problem's; the screen draws it and says it to a screen reader.
        MarcaCella, // cella: marked as counted, testo the number said for it
        SmarcaCelle, // no cell marked
        MostraBarra, // the part-part-whole bar: numeri the whole, then the two parts; testo says them
        NascondiBarra,
        MarcaTasto, // tasto: the key to press next marked
        SmarcaTasto, // no key marked
    };
    Tipo tipo;
    Etichetta etichetta = Etichetta::Operazione;
    int cella = -1;
    QString testo;
    std::array<int, 3> numeri{};
    Pressione tasto{Tasto::Cifra, -1};
};

struct Esito {
    std::vector<Passaggio> passi;
    bool giusto = true; // false: a wrong press, counted in NumeroErrati
};
