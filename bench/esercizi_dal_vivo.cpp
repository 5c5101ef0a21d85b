// Runs the real program (real speech, sounds, animations and windows) and
// drives the exercise screens from inside, the way a child's presses would:
//
//   numerella_esercizi_dal_vivo foto <folder>
//       plays an addition and a subtraction problem to the end and saves
//       screenshots of the whole display at steps 0, 3 and 7 as
//       <folder>/form1-passo0.png ... form2-passo7.png
//   numerella_esercizi_dal_vivo cpu [seconds]
//       opens the subtraction screen on a problem with nine things, waits
//       for the first question to be read, then measures the process's CPU
//       time over that many seconds (default 20) while the nine animations
//       run, and its resident memory.
//
// Meant to run on a display (xvfb-run -s "-screen 0 1920x1080x24" ...). The
// settings folder and the lock live in a temporary folder, so a user's own
// settings are never touched.

#include "casuale.h"
#include "cellaanimata.h"
#include "dialoghi.h"
#include "formesercizio.h"
#include "modulo1.h"
#include "programma.h"
#include "registroschermi.h"
#include "schermi.h"
#include "suoni.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

void attendi(int ms)
{
    QEventLoop l;
    QTimer::singleShot(ms, &l, &QEventLoop::quit);
    l.exec();
}

// The generator is seeded so that the next problem on that screen has these
// numbers (the same draws NuovoProblema makes).
void prossimo(Programma &p, int schermo, int n3, int n1)
{
    Modulo1 &s = p.stato();
    const int nt = schermo == 1 ? s.NumeroTesti1 : s.NumeroTesti2;
    for (quint64 seme = 1;; ++seme) {
        Casuale c(seme);
        c.estrai(nt);
        if (c.estrai(9) == n3 && c.estrai(n3) == n1) {
            p.contesto().casuale.semina(seme);
            return;
        }
    }
}

// What the menu does: show the exercise screen, then unload the screen
// that was on display.
FormEsercizio *apri(Programma &p, int schermo, int n3, int n1)
{
    RegistroSchermi &r = p.registro();
    QList<Schermo *> prima;
    for (Schermo *s : r.caricati())
        if (s->isVisible())
            prima << s;
    p.stato().ModoMisto = False;
    prossimo(p, schermo, n3, n1);
    auto *f = qobject_cast<FormEsercizio *>(
        r.mostra(schermo == 1 ? QStringLiteral("Form1") : QStringLiteral("Form2")));
    for (Schermo *s : prima)
        r.scarica(s);
    return f;
}

QPushButton *bottone(FormEsercizio *f, QChar t)
{
    if (t.isDigit())
        return f->bottoneCifra(t.digitValue());
    return t == u'+' ? f->bottonePiu() : t == u'-' ? f->bottoneMeno() : f->bottoneUguale();
}

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
            if (k == 2)
                foto(cartella, base + QStringLiteral("3.png"));
        }
        attendi(500);
        foto(cartella, base + QStringLiteral("7.png"));
        std::printf("Form%d: Passo %d, right %d, wrong %d, operation \"%s\"\n", pr.schermo,
                    int(p.stato().Passo), int(p.stato().NumeroEsatti), int(p.stato().NumeroErrati),
                    qPrintable(f->operazione()->text()));
    }
    return 0;
}

double secondiCpu()
{
    rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
        + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

QString statoMemoria(const char *voce)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &riga : f.readAll().split('\n')) {
        if (riga.startsWith(voce))
            return QString::fromLatin1(riga.mid(int(qstrlen(voce)))).simplified();
    }
    return QString();
}

int comandoCpu(Programma &p, int secondi)
{
    FormEsercizio *f = apri(p, 2, 9, 4);
    if (!f)
        return 1;
    int animate = 0;
    for (int i = 0; i < 9; ++i)
        animate += f->cella(i)->isVisible() && f->cella(i)->inRiproduzione() ? 1 : 0;
    attendi(2000);
    const double c0 = secondiCpu();
    QElapsedTimer orologio;
    orologio.start();
    attendi(secondi * 1000);
    const double cpu = secondiCpu() - c0;
    const double muro = double(orologio.elapsed()) / 1000.0;
    const QSize cella = f->cella(0)->size();
    std::printf("animations running: %d of 9, cell %dx%d px, display %dx%d\n", animate, cella.width(),
                cella.height(), QGuiApplication::primaryScreen()->size().width(),
                QGuiApplication::primaryScreen()->size().height());
    std::printf("cpu: %.2f s over %.1f s = %.2f %% of one core\n", cpu, muro, 100.0 * cpu / muro);
    std::printf("memory: VmRSS %s, VmHWM %s\n", qPrintable(statoMemoria("VmRSS:")),
                qPrintable(statoMemoria("VmHWM:")));
    return animate == 9 ? 0 : 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerella"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    const QStringList arg = QApplication::arguments();
    const QString comando = arg.value(1);
    if (comando != QLatin1String("foto") && comando != QLatin1String("cpu")) {
        std::fprintf(stderr, "usage: %s foto <folder> | cpu [seconds]\n", argv[0]);
        return 64;
    }

    QTemporaryDir temporanea;
    Programma::Opzioni o;
    o.percorsi.programma = QCoreApplication::applicationDirPath();
    o.percorsi.impostazioni = temporanea.filePath(QStringLiteral("impostazioni"));
    o.cartellaLock = temporanea.path();
    o.seme = 1;
    o.registraSchermi = registraSchermi;
    Programma p(std::move(o));
    if (const std::optional<int> uscita = p.Main())
        return *uscita;

    int esito = 0;
    QTimer::singleShot(0, &app, [&] {
        esito = comando == QLatin1String("foto") ? comandoFoto(p, arg.value(2, QStringLiteral(".")))
                                                 : comandoCpu(p, arg.value(2, QStringLiteral("20")).toInt());
        QCoreApplication::exit(esito);
    });
    QApplication::exec();
    return esito;
}
