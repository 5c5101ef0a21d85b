#pragma once

#include "casuale.h"
#include "contesto.h"
#include "modulo1.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Dialoghi;
class IstanzaUnica;
class ModLanguageSupport;
class PerParlare;
class ElencoSchermi;
class CaricatoreVoce;
class Suoni;
class QThread;

// Owns everything a run shares and runs the start-up routine Main. The real
// program and the tests build one each; tests inject folders, a seed, a fake
// engine, fake message boxes and fake sounds.
class Programma
{
public:
    struct Opzioni {
        Percorsi percorsi; // program and settings folders
        QString cartellaLock; // empty: the user's runtime folder
        std::optional<quint64> seme; // empty: seeded from the clock
        FabbricaMotore fabbricaMotore; // empty: the espeak-ng engine of the speech and sound plugin
        std::unique_ptr<Dialoghi> dialoghi; // empty: real message boxes
        // Empty: the WAV sounds of the speech and sound plugin.
        std::function<std::unique_ptr<Suoni>(const Boolean &suonoAttivo, const QString &cartella)> fabbricaSuoni;
        // The speech and sound plugin, loaded after the start screen's first
        // picture when an engine or the sounds come from it; empty:
        // libnumerella_voce.so beside the program.
        QString pluginVoce;
        // The geometry of the display the screens fill; empty: the primary
        // screen's.
        std::function<QRect()> display;
        // Registers the screens' factories (the screens library provides it),
        // each screen given the parts of the shared state it uses.
        std::function<void(Contesto &, Modulo1 &)> registraSchermi;
        // Ends the run at once (exit question's Yes). Empty: release the lock,
        // close every window and leave the event loop with that status.
        std::function<void(int)> termina;
    };

    explicit Programma(Opzioni opzioni);
    ~Programma();

    // Main: one copy only, settings folder and readme, settings, FormBocca
    // and its engine, the seed, the stories, the start screen. Returns
    // nullopt when the program is up and the event loop should run, or the
    // exit status to end with at once (0 for a second copy, non-zero after
    // a fatal error already shown to the user).
    std::optional<int> Main();

    Contesto &contesto() { return *m_contesto; }
    Modulo1 &stato() { return m_stato; }
    ElencoSchermi &schermi() { return *m_schermi; }

private:
    // Checks the animations the stories name on a thread of its own, so that
    // decoding them all does not delay the start screen; any that cannot be
    // shown are told in one notice.
    void controllaAnimazioni();

    Opzioni m_opzioni;
    Modulo1 m_stato;
    Casuale m_casuale;
    std::unique_ptr<IstanzaUnica> m_istanza;
    std::unique_ptr<ModLanguageSupport> m_lingua;
    std::unique_ptr<ElencoSchermi> m_schermi;
    std::unique_ptr<PerParlare> m_parla;
    std::unique_ptr<CaricatoreVoce> m_voce; // null when neither speech nor sounds come from the plugin
    std::unique_ptr<Suoni> m_suoni;
    std::unique_ptr<Contesto> m_contesto;
    std::unique_ptr<QThread> m_controllo;
    QStringList m_guaste;
};
