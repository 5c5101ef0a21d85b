// Runs the real program (real speech, sounds, animations and windows) and
// drives it from inside, the way a child's presses would:
//
//   numerella_esercizi_dal_vivo foto <folder>
//       plays an addition and a subtraction problem to the end and saves
//       screenshots of the whole display at steps 0, 3 and 7 as
//       <folder>/form1-passo0.png ... form2-passo7.png, and
//       form1-passo2-a.png and -b.png 1 s apart during step 2; then the
//       hints of an addition: form1-aiuto-conta.png, -barra.png, -tasto.png
//   numerella_esercizi_dal_vivo cpu [seconds]
//       opens the subtraction screen on a problem with nine things, waits
//       for the first question to be read, then measures the process's CPU
//       time over that many seconds (default 20) while the nine animations
//       run, and its resident memory.
//   numerella_esercizi_dal_vivo menu [seconds]
//       presses "Avvio" on the start screen, lets the menu settle, then
//       measures CPU time over that many seconds (default 10) and the
//       resident memory.
//   numerella_esercizi_dal_vivo risposta [problems]
//       on the addition screen, at step 0 with speech silent, presses the
//       right number and measures the time to the first audio of the answer
//       sentence, over that many problems (default 12).
//   numerella_esercizi_dal_vivo apertura [times]
//       from the menu, presses "Problemi con addizione" and measures the
//       time to the first paint of the first question, then "avanti" and
//       the time to the first paint of the next question; back to the menu
//       and again, that many times (default 9).
//   numerella_esercizi_dal_vivo sentito
//       what is heard in the null sink (bench/sentito.h): the menu's
//       "Problemi con addizione", a right answer, a wrong one and the repeat
//       button, each to its first sound heard, beside paplay's beep; the
//       longest silence inside the first question, recorded and synthesised.
//   numerella_esercizi_dal_vivo lingua [switches]
//       times the switch of every loaded screen through the menu's
//       "Lingua" entries: shipped files and a language file of about 70 KB,
//       with the menu alone and with an exercise screen loaded too.
//
// Meant to run on a display (xvfb-run -s "-screen 0 1920x1080x24" ...). The
// settings folder and the lock live in a temporary folder, so a user's own
// settings are never touched. When pulseaudio is installed (and the test
// support is built) speech plays into a private null sink, so a real audio
// stream is part of every figure; otherwise the output is timed.

#include "dalvivo.h"
#include "misure_dal_vivo.h"
#include "sentito.h"

#include "cellaanimata.h"
#include "dialoghi.h"
#include "formesercizio.h"
#include "modulo1.h"
#include "motoreespeak.h"
#include "programma.h"
#include "schermi.h"
#include "suoni.h"
#include "suoniwav.h"

#ifdef NUMERELLA_SERVER_AUDIO
#include "serveraudioprova.h"
#endif

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <cstdio>

using namespace dalvivo;

namespace {

bool foto(const QString &cartella, const QString &nome)
{
    attendi(700); // a few frames of the animations, and the last repaint
    const QPixmap p = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString file = QDir(cartella).filePath(nome);
    const bool ok = p.save(file);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(file));
    return ok;
}

int comandoFoto(Programma &p, const QString &cartella)
{
    QDir().mkpath(cartella);
    const struct {
        int schermo, n3, n1;
        const char *presse;
    } problemi[] = {{1, 5, 3, "3253+2=5"}, {2, 7, 3, "7347-3=4"}};
    for (const auto &pr : problemi) {
        FormEsercizio *f = apri(p, pr.schermo, pr.n3, pr.n1);
        if (!f)
            return 1;
        const QString base = QStringLiteral("form%1-passo").arg(pr.schermo);
        foto(cartella, base + QStringLiteral("0.png"));
        const QString presse = QString::fromLatin1(pr.presse);
        for (int k = 0; k < presse.size(); ++k) {
            bottone(f, presse.at(k))->click();
            attendiRisposte(p, f);
            // Step 2 of the addition, twice 1 s apart: the things that
            // arrived stay, the same set in both pictures.
            if (k == 0 && pr.schermo == 1) {
                foto(cartella, QStringLiteral("form1-passo2-a.png"));
                attendi(300);
                foto(cartella, QStringLiteral("form1-passo2-b.png"));
            }
            if (k == 2)
                foto(cartella, base + QStringLiteral("3.png"));
        }
        attendi(500);
        foto(cartella, base + QStringLiteral("7.png"));
        std::printf("Form%d: answers shown %d, right %d, wrong %d, operation \"%s\"\n", pr.schermo, risposteMostrate(f),
                    int(p.stato().NumeroEsatti), int(p.stato().NumeroErrati),
                    qPrintable(f->controllo<QLabel>(u"EtOperazione"_qs)->text()));
    }
    // The hints of 5 = 3 + 2: counting together after two wrong presses, a
    // second into it; the bar after two wrong presses in the operation; the
    // key after a third.
    FormEsercizio *f = apri(p, 1, 5, 3);
    if (!f)
        return 1;
    const struct {
        const char *presse;
        const char *nome;
        int attesa; // ms after the last press; -1: until it is over
    } aiuti[] = {{"99", "form1-aiuto-conta.png", 1000},
                 {"325", nullptr, -1},
                 {"99", "form1-aiuto-barra.png", -1},
                 {"9", "form1-aiuto-tasto.png", -1}};
    for (const auto &a : aiuti) {
        for (const char *c = a.presse; *c; ++c) {
            if (!bottone(f, QChar::fromLatin1(*c))->isEnabled())
                attendiRisposte(p, f);
            bottone(f, QChar::fromLatin1(*c))->click();
        }
        a.attesa < 0 ? void(attendiRisposte(p, f)) : attendi(a.attesa);
        if (a.nome)
            foto(cartella, QString::fromLatin1(a.nome));
    }
    return 0;
}

int comandoCpu(Programma &p, int secondi)
{
    FormEsercizio *f = apri(p, 2, 9, 4);
    if (!f)
        return 1;
    // A cell is animated when its picture changes while the story is read.
    QList<qint64> fotogrammi;
    for (int i = 0; i < 9; ++i)
        fotogrammi << f->controllo<CellaAnimata>(u"GifAnimator1"_qs, i)->pixmap().cacheKey();
    attendiSilenzio(p);
    attendi(2000);
    int animate = 0;
    for (int i = 0; i < 9; ++i) {
        const CellaAnimata *cella = f->controllo<CellaAnimata>(u"GifAnimator1"_qs, i);
        animate += cella->isVisible() && cella->pixmap().cacheKey() != fotogrammi[i] ? 1 : 0;
    }
    const double c0 = secondiCpu();
    QElapsedTimer orologio;
    orologio.start();
    attendi(secondi * 1000);
    const double cpu = secondiCpu() - c0;
    const double muro = double(orologio.elapsed()) / 1000.0;
    const QSize cella = f->controllo<CellaAnimata>(u"GifAnimator1"_qs, 0)->size();
    std::printf("animations running: %d of 9, cell %dx%d px, display %dx%d\n", animate, cella.width(), cella.height(),
                QGuiApplication::primaryScreen()->size().width(), QGuiApplication::primaryScreen()->size().height());
    std::printf("cpu: %.2f s over %.1f s = %.2f %% of one core\n", cpu, muro, 100.0 * cpu / muro);
    std::printf("memory: VmRSS %s, VmHWM %s (RssAnon %s, RssFile %s)\n", qPrintable(statoMemoria("VmRSS:")),
                qPrintable(statoMemoria("VmHWM:")), qPrintable(statoMemoria("RssAnon:")),
                qPrintable(statoMemoria("RssFile:")));
    cifra("cpu_esercizio_pct", 100.0 * cpu / muro);
    cifra("rss_esercizio_mb", rssMb());
    return animate == 9 ? 0 : 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString comando = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QStringList comandi{QStringLiteral("foto"),     QStringLiteral("cpu"),    QStringLiteral("menu"),
                              QStringLiteral("risposta"), QStringLiteral("lingua"), QStringLiteral("apertura"),
                              QStringLiteral("sentito")};
    if (!comandi.contains(comando)) {
        std::fprintf(stderr,
                     "usage: %s foto <folder> | cpu [seconds] | menu [seconds] | risposta [problems] | "
                     "lingua [switches] | apertura [times] | sentito\n",
                     argv[0]);
        return 64;
    }

    // A reader that goes away (a pipe closed early) must not kill the
    // driver before it has stopped its sound server.
    std::signal(SIGPIPE, SIG_IGN);

    // The private sound server must be up before anything touches audio.
#ifdef NUMERELLA_SERVER_AUDIO
    ServerAudioProva server;
    const bool conServer = ServerAudioProva::disponibile() && server.avvia(22050);
    // The runtime folder the server made is the process's now; Qt wants it
    // private to the user and says so on every start otherwise.
    if (conServer)
        QFile::setPermissions(QFile::decodeName(qgetenv("XDG_RUNTIME_DIR")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
#else
    const bool conServer = false;
#endif

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerella"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    const QStringList arg = QApplication::arguments();

#ifdef NUMERELLA_SERVER_AUDIO
    // A recorder on the null sink's monitor makes the sink work in short
    // blocks, as a real sound card does.
    // (The measurement of what is heard records it itself.)
    if (conServer && comando != QLatin1String("sentito"))
        server.registra();
#endif

    QTemporaryDir temporanea;
    Programma::Opzioni o;
    o.percorsi.programma = QCoreApplication::applicationDirPath();
    if (comando == QLatin1String("lingua")) {
        // A program folder of its own, holding a large language file too.
        const QString cartella = temporanea.filePath(QStringLiteral("programma"));
        if (!preparaCartellaLingue(o.percorsi.programma, cartella))
            return 1;
        o.percorsi.programma = cartella;
    }
    o.percorsi.impostazioni = temporanea.filePath(QStringLiteral("impostazioni"));
    o.cartellaLock = temporanea.path();
    o.seme = 1;
    o.registraSchermi = registraSchermi;
    // The engine and the sounds made here, not by the plugin, so that the
    // measurements reach them; the program makes the same ones through it.
    o.fabbricaMotore = [] { return std::make_unique<MotoreEspeak>(); };
    o.fabbricaSuoni
        = [](const Boolean &attivo, const QString &cartella) { return std::make_unique<SuoniWav>(attivo, cartella); };
    Programma p(std::move(o));
    if (const std::optional<int> uscita = p.Main())
        return *uscita;

    std::printf("audio output: %s\n",
                conServer ? "private PulseAudio null sink (real stream)"
                          : "system default (timed when there is no device)");
    int esito = 0;
    QTimer::singleShot(0, &app, [&] {
        const QString a2 = arg.value(2);
        if (comando == QLatin1String("foto"))
            esito = comandoFoto(p, a2.isEmpty() ? QStringLiteral(".") : a2);
        else if (comando == QLatin1String("cpu"))
            esito = comandoCpu(p, a2.isEmpty() ? 20 : a2.toInt());
        else if (comando == QLatin1String("menu"))
            esito = comandoMenu(p, a2.isEmpty() ? 10 : a2.toInt());
        else if (comando == QLatin1String("risposta"))
            esito = comandoRisposta(p, a2.isEmpty() ? 12 : a2.toInt());
        else if (comando == QLatin1String("sentito"))
            esito = conServer ? comandoSentito(p) : 1;
        else if (comando == QLatin1String("apertura"))
            esito = comandoApertura(p, a2.isEmpty() ? 9 : a2.toInt());
        else
            esito = comandoLingua(p, a2.isEmpty() ? 11 : a2.toInt());
        QCoreApplication::exit(esito);
    });
    QApplication::exec();
    return esito;
}
