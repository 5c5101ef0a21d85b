#include "dalvivo.h"

#include "perparlare.h"

#include "casuale.h"
#include "elencoschermi.h"
#include "formesercizio.h"
#include "modulo1.h"
#include "motoreespeak.h"
#include "programma.h"
#include "schermo.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace dalvivo {

void attendi(int ms)
{
    QEventLoop l;
    QTimer::singleShot(ms, &l, &QEventLoop::quit);
    l.exec();
}

void prossimo(Programma &p, int schermo, int n3, int n1)
{
    Modulo1 &s = p.stato();
    const int nt = int(schermo == 1 ? s.Testi1.size() : s.Testi2.size());
    for (quint64 seme = 1;; ++seme) {
        Casuale c(seme);
        c.estrai(nt);
        if (c.estrai(9) == n3 && c.estrai(n3) == n1) {
            p.contesto().casuale.semina(seme);
            return;
        }
    }
}

FormEsercizio *apri(Programma &p, int schermo, int n3, int n1, bool tenere)
{
    ElencoSchermi &r = p.schermi();
    QList<Schermo *> prima;
    for (Schermo *s : r.caricati())
        if (s->isVisible())
            prima << s;
    p.stato().ModoMisto = False;
    prossimo(p, schermo, n3, n1);
    auto *f = qobject_cast<FormEsercizio *>(r.mostra(schermo == 1 ? QStringLiteral("Form1") : QStringLiteral("Form2")));
    if (!tenere) {
        for (Schermo *s : prima)
            r.scarica(s);
    }
    if (f)
        attendiRisposte(p, f);
    return f;
}

QPushButton *bottone(FormEsercizio *f, QChar t)
{
    if (t.isDigit())
        return f->controllo<QPushButton>(u"Command1"_qs, t.digitValue());
    return t == u'+' ? f->controllo<QPushButton>(u"Command3"_qs)
        : t == u'-'  ? f->controllo<QPushButton>(u"Command4"_qs)
                     : f->controllo<QPushButton>(u"Command5"_qs);
}

bool attendiRisposte(Programma &p, FormEsercizio *f, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!attendiSilenzio(p, ms) || !bottone(f, u'0')->isEnabled()) {
        if (t.elapsed() > ms)
            return false;
        attendi(20);
    }
    return true;
}

int risposteMostrate(FormEsercizio *f)
{
    int n = 0;
    for (int i = 1; i <= 3; ++i)
        n += f->controllo<QLabel>(QStringLiteral("Risposta%1").arg(i))->isVisible();
    return n;
}

int celleMostrate(FormEsercizio *f)
{
    int n = 0;
    for (int i = 0; i < 9; ++i)
        n += f->controllo<QWidget>(QStringLiteral("GifAnimator1"), i)->isVisible();
    return n;
}

MotoreEspeak *motore(Programma &p)
{
    return qobject_cast<MotoreEspeak *>(p.contesto().parla.motore());
}

bool attendiSilenzio(Programma &p, int ms)
{
    MotoreVoce *bocca = p.contesto().parla.motore();
    if (!bocca)
        return true;
    QElapsedTimer t;
    t.start();
    while (bocca->SpeakingStatus() != 0) {
        if (t.elapsed() > ms)
            return false;
        attendi(20);
    }
    return true;
}

double secondiCpu()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double secondiCpuThread()
{
    rusage u{};
    getrusage(RUSAGE_THREAD, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
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

double rssMb()
{
    // "123456 kB"
    return statoMemoria("VmRSS:").section(QLatin1Char(' '), 0, 0).toDouble() / 1024.0;
}

void cifra(const char *nome, double valore)
{
    std::printf("CIFRA %s %.3f\n", nome, valore);
    std::fflush(stdout);
}

} // namespace dalvivo
