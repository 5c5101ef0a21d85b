#pragma once

#include "motorevoce.h"
#include "percorsi.h"

#include <QRect>
#include <functional>

struct Modulo1;
class Casuale;
class ModLanguageSupport;
class RegistroSchermi;
class Dialoghi;
class PerParlare;
class Suoni;

// What the screens share, handed to each screen when it is created: the
// shared state, the one random generator, the language module, the screen
// registry, the message boxes, speech, sounds, folders and the display the
// screens fill. The program and the tests each build one.
struct Contesto {
    Modulo1 &stato;
    Casuale &casuale;
    ModLanguageSupport &lingua;
    RegistroSchermi &registro;
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
