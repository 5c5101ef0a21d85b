#pragma once

#include "motorevoce.h"
#include "percorsi.h"

#include <QRect>
#include <functional>

class Casuale;
class ModLanguageSupport;
class ElencoSchermi;
class Dialoghi;
class PerParlare;
class Suoni;

// The services the screens share, handed to each screen when it is
// created: the one random generator, the language module, the screen list,
// the message boxes, speech, sounds, folders and the display the screens
// fill. The shared state is not here: each screen is given the parts of
// Modulo1 it uses, so that what it may change shows in its constructor.
// The program and the tests each build one.
struct Contesto {
    Casuale &casuale;
    ModLanguageSupport &lingua;
    ElencoSchermi &schermi;
    Dialoghi &dialoghi;
    PerParlare &parla;
    Suoni &suoni;
    FabbricaMotore fabbricaMotore; // engines for FormBocca and FormImposta
    Percorsi percorsi;
    std::function<QRect()> display; // its geometry in pixels
    // After a language has brought other stories: the check of the
    // animations they name (the program's start-up runs it too).
    std::function<void()> storieCambiate;
};
