#include "programma.h"

#include "accesso.h"
#include "caricatorevoce.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "impostazioni.h"
#include "istanzaunica.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "perparlare.h"
#include "registroclasse.h"
#include "schermo.h"
#include "testi.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QThread>
#include <chrono>

Programma::Programma(Opzioni opzioni)
    : m_opzioni(std::move(opzioni))
    , m_istanza(std::make_unique<IstanzaUnica>(m_opzioni.cartellaLock))
    , m_lingua(std::make_unique<ModLanguageSupport>(m_opzioni.percorsi.programma, m_opzioni.percorsi.impostazioni))
    , m_schermi(std::make_unique<ElencoSchermi>())
    , m_parla(std::make_unique<PerParlare>())
{
    if (!m_opzioni.dialoghi) {
        auto d = std::make_unique<DialoghiQt>();
        // The exit question comes to a child who may only have a switch.
        d->allaDomanda = [this](QMessageBox &box, const QList<QAbstractButton *> &bottoni) {
            attivaScansione(*m_contesto, m_stato.ClasseAlunni, &box, bottoni);
        };
        m_opzioni.dialoghi = std::move(d);
    }
    if (!m_opzioni.fabbricaMotore || !m_opzioni.fabbricaSuoni) {
        const QString plugin = m_opzioni.pluginVoce.isEmpty()
            ? QCoreApplication::applicationDirPath() + QStringLiteral("/libnumerella_voce.so")
            : m_opzioni.pluginVoce;
        m_voce = std::make_unique<CaricatoreVoce>(plugin);
    }
    if (!m_opzioni.fabbricaMotore)
        m_opzioni.fabbricaMotore = [this] { return std::make_unique<MotoreDifferito>(m_voce.get()); };
    if (m_opzioni.fabbricaSuoni)
        m_suoni = m_opzioni.fabbricaSuoni(m_stato.SuonoAttivo, m_opzioni.percorsi.programma);
    else
        m_suoni = std::make_unique<SuoniDifferiti>(*m_voce, m_stato.SuonoAttivo, m_opzioni.percorsi.programma);

    m_contesto = std::make_unique<Contesto>(Contesto{m_casuale,
                                                     *m_lingua,
                                                     *m_schermi,
                                                     *m_opzioni.dialoghi,
                                                     *m_parla,
                                                     *m_suoni,
                                                     m_opzioni.fabbricaMotore,
                                                     m_opzioni.percorsi,
                                                     m_opzioni.display ? m_opzioni.display : displayPrimario,
                                                     {}});

    if (m_opzioni.termina) {
        m_schermi->termina = m_opzioni.termina;
    } else {
        m_schermi->termina = [this](int stato) {
            m_istanza->rilascia();
            m_schermi->scaricaTutti();
            QCoreApplication::exit(stato);
        };
    }
    // The hidden FormBocca stays loaded for the whole run, so the run must
    // end by itself when the last visible screen goes.
    m_schermi->nessunoSchermoVisibile = [this] { m_schermi->termina(0); };

    m_contesto->storieCambiate = [this] { controllaAnimazioni(); };

    if (m_opzioni.registraSchermi)
        m_opzioni.registraSchermi(*m_contesto, m_stato);
}

Programma::~Programma()
{
    if (m_controllo)
        m_controllo->wait();
    // The screens hold references into the context: they go first, now,
    // rather than at some later turn of an event loop that may never come.
    m_schermi->nessunoSchermoVisibile = nullptr;
    m_schermi->scaricaTutti();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::optional<int> Programma::Main()
{
    // After a fatal error: no screen left, no lock held.
    auto chiudi = [this] {
        m_schermi->nessunoSchermoVisibile = nullptr;
        m_schermi->scaricaTutti();
        m_istanza->rilascia();
    };

    // 1. One copy only: a second start leaves at once and touches no file.
    if (!m_istanza->acquisisci())
        return 0;

    // 2-5. Shared state, settings folder and readme, settings.
    m_stato.SuonoAttivo = True;
    const QString cartella = m_opzioni.percorsi.impostazioni;
    m_stato.FileImpostazioni = Percorsi::unisci(cartella, QStringLiteral("numerella.INI"));
    // A folder or readme that cannot be made must not stop the program: the
    // only cost is trying again at the next start.
    if (!EsisteFile(Percorsi::unisci(cartella, QStringLiteral("leggimi.txt"))))
        CreaLeggimi(*m_lingua, cartella);
    CaricaImpostazioni(m_stato);
    caricaClasseDelProgramma(*m_contesto, m_stato);

    // 6. The voice of the program-wide engine (loading FormBocca applies
    // it too; the second time does no harm).
    m_schermi->schermo(QStringLiteral("FormBocca"));
    if (MotoreVoce *bocca = m_parla->motore()) {
        ParlaLaLingua(*m_contesto, *bocca);
        bocca->VoiceNumber(m_stato.Voce);
    }

    // 7. The one random generator of the run.
    m_casuale.semina(m_opzioni.seme.value_or(quint64(std::chrono::system_clock::now().time_since_epoch().count())));

    // 8. The stories: the stored language's own, if it names any; those of
    // testi/ otherwise, or when its own are broken (after telling which).
    // Without them no exercise can run.
    const QString propria = m_lingua->cartellaStorie(m_lingua->linguaCorrente());
    QString errore = CaricaListe(m_stato, m_opzioni.percorsi.programma, propria);
    if (!errore.isEmpty() && !propria.isEmpty()) {
        qWarning("%s", qUtf8Printable(errore));
        m_opzioni.dialoghi->avviso(nullptr, TitoloApplicazione, errore);
        errore = CaricaListe(m_stato, m_opzioni.percorsi.programma);
    }
    if (!errore.isEmpty()) {
        qCritical("%s", qUtf8Printable(errore)); // also for whoever started the program without a display
        m_opzioni.dialoghi->errore(nullptr, TitoloApplicazione, errore);
        chiudi();
        return 1;
    }

    // 9-10. FormBocca for the whole run, then the start screen.
    m_schermi->schermo(QStringLiteral("FormBocca"));
    if (!m_schermi->mostra(QStringLiteral("FormAvvio"))) {
        qCritical("La schermata iniziale non si può aprire.");
        m_opzioni.dialoghi->errore(nullptr, TitoloApplicazione,
                                   QStringLiteral("La schermata iniziale non si può aprire."));
        chiudi();
        return 1;
    }

    // 11. A story naming an animation that cannot be shown would leave the
    // child counting empty cells; the teacher learns which, and the run goes
    // on. Like the speech and sound plugin, this waits for the start screen
    // to be on display, and then for the plugin, so as not to slow either.
    if (m_voce) {
        m_voce->avviaDopoIlDisegno(m_schermi->caricato(QStringLiteral("FormAvvio")));
        QObject::connect(
            m_voce.get(), &CaricatoreVoce::pronto, m_voce.get(), [this] { controllaAnimazioni(); },
            Qt::SingleShotConnection);
    } else {
        controllaAnimazioni();
    }
    return std::nullopt;
}

void Programma::controllaAnimazioni()
{
    // A check still running is of stories replaced since: its notice would be stale.
    if (m_controllo) {
        m_controllo->disconnect();
        m_controllo->wait();
    }
    m_controllo.reset(
        QThread::create([this, t1 = m_stato.Testi1, t2 = m_stato.Testi2, storie = m_stato.CartellaStorie] {
            m_guaste = animazioniGuaste(t1, t2, m_opzioni.percorsi.programma, storie);
        }));
    QObject::connect(m_controllo.get(), &QThread::finished, m_controllo.get(), [this] {
        if (m_guaste.isEmpty())
            return;
        constexpr int Massimo = 10;
        QString testo = QStringLiteral("Alcune storie nominano animazioni che non si possono mostrare:\n\n")
            + m_guaste.mid(0, Massimo).join(u'\n');
        if (m_guaste.size() > Massimo)
            testo += QStringLiteral("\n... e altre %1.").arg(m_guaste.size() - Massimo);
        testo += QStringLiteral("\n\nIn queste storie le caselle restano vuote.");
        qWarning("%s", qUtf8Printable(testo));
        m_opzioni.dialoghi->avviso(nullptr, TitoloApplicazione, testo);
    });
    m_controllo->start(QThread::LowPriority);
}
