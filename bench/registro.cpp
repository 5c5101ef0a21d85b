// The record's figures: the record view opened on a school year of a full class (30 pupils, 20 problems a day,
// 200 school days: 120,000 rows in one folder, across two computers' files), the real screen from "show" to its
// table and chart painted, and the reading and summaries alone; and one row appended to such a file. Prints the
// median of each as "CIFRA <name> <ms>". And a pupil chosen on "Chi gioca?" with that folder behind: the pupil's
// history read (the review queue's) alone, then through the real screen: how long the click holds the
// user-interface thread, how long until the queue is ready, and the longest the event loop went without turning
// meanwhile (a timer asks to run every millisecond). Runs on Qt's offscreen platform unless another is set.
//   bench_registro <data folder> [runs]

#include "ambiente.h"
#include "formregistro.h"
#include "letturaregistro.h"
#include "registroclasse.h"
#include "riassunto.h"
#include "scrittoreregistro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// 200 school days from 2026-09-14, five a week, 20 problems a pupil a day.
void scriviAnno(const QString &cartella, const QStringList &colonne)
{
    QFile a(cartella + QStringLiteral("/registro-aula1.csv"));
    QFile b(cartella + QStringLiteral("/registro-aula2.csv"));
    a.open(QIODevice::WriteOnly);
    b.open(QIODevice::WriteOnly);
    const QByteArray intestazione = "\xEF\xBB\xBF" + intestazioneCsv(colonne);
    a.write(intestazione);
    b.write(intestazione);
    QDate giorno(2026, 9, 14);
    for (int g = 0; g < 200; giorno = giorno.addDays(1)) {
        if (giorno.dayOfWeek() > 5)
            continue;
        ++g;
        for (int alunno = 0; alunno < 30; ++alunno) {
            for (int p = 0; p < 20; ++p) {
                RigaRegistro r;
                r.inizio = QDateTime(giorno, QTime(8, 0).addSecs(alunno * 60 + p * 30), Qt::OffsetFromUTC, 3600);
                r.alunno = QStringLiteral("Alunno %1 \"%2\"").arg(alunno).arg(QChar(u'A' + alunno % 26));
                r.lingua = QStringLiteral("Italiano");
                r.operazione = p % 2 ? u'-' : u'+';
                r.fileStorie = p % 2 ? QStringLiteral("testi/lista2.txt") : QStringLiteral("testi/lista1.txt");
                r.rigaStoria = p % 17 + 1;
                r.primo = p % 9;
                r.secondo = alunno % 5;
                r.risultato = 9;
                r.errati = {p % 3, p % 2, 0, p % 4};
                r.riascolti = p % 3;
                r.finito = p % 7 != 0;
                r.secondi = r.finito ? 20 + p : -1;
                (alunno % 2 ? a : b).write(rigaCsv(r));
            }
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <data folder> [runs]\n", argv[0]);
        return 2;
    }
    const int giri = argc > 2 ? std::max(1, atoi(argv[2])) : 9;

    // The screen itself, with the program's data and a 1024x768 display.
    std::vector<double> schermo, clic, pronto, fermi;
    QStringList colonne;
    TitoliRegistro titoli;
    {
        Ambiente a(QString::fromLocal8Bit(argv[1]), QStringLiteral("Italiano"));
        // The view linked in: its own time, not its plugin's load.
        a.schermi.registra(QStringLiteral("FormRegistro"), [&a] { return new FormRegistro(*a.c, a.stato); });
        colonne = intestazioneRegistro(a.lingua);
        titoli = titoliRegistro(a.lingua);
        const QString cartella = a.c->percorsi.impostazioni;
        QDir().mkpath(cartella);
        scriviAnno(cartella, colonne);
        for (int i = 0; i < giri; ++i) {
            QElapsedTimer t;
            t.start();
            Schermo *s = a.schermi.mostra(QStringLiteral("FormRegistro"));
            s->repaint();
            QCoreApplication::processEvents();
            schermo.push_back(t.nsecsElapsed() / 1e6);
            a.schermi.scarica(s);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }

        for (int i = 0; i < 30; ++i)
            a.stato.ClasseAlunni.alunni.append(
                {QStringLiteral("Alunno %1 \"%2\"").arg(i).arg(QChar(u'A' + i % 26)), {}});
        for (int i = 0; i < giri; ++i) {
            Schermo *chi = a.schermi.mostra(QStringLiteral("FormChiGioca"));
            auto *bottone = qobject_cast<QAbstractButton *>(chi->controllo(QStringLiteral("BottoneAlunno"), 7));
            QElapsedTimer t;
            t.start();
            bottone->click();
            clic.push_back(t.nsecsElapsed() / 1e6);
            qint64 ultimo = t.nsecsElapsed(), fermo = 0;
            QTimer giro;
            QObject::connect(&giro, &QTimer::timeout, [&] {
                fermo = std::max(fermo, t.nsecsElapsed() - ultimo);
                ultimo = t.nsecsElapsed();
            });
            giro.start(1);
            if (!QTest::qWaitFor([&] { return a.stato.RipassoCorrente.pronto(); }, 60000))
                return 1;
            pronto.push_back(t.nsecsElapsed() / 1e6);
            fermi.push_back(fermo / 1e6);
            a.schermi.scaricaTutti();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    QTemporaryDir d;
    scriviAnno(d.path(), colonne);

    std::vector<double> vista;
    size_t righe = 0;
    for (int i = 0; i < giri; ++i) {
        QElapsedTimer t;
        t.start();
        const LetturaRegistro l = leggiCartellaRegistro(d.path(), titoli);
        const auto r = riassumi(l.righe, FiltroRegistro{});
        vista.push_back(t.nsecsElapsed() / 1e6);
        righe = l.righe.size();
        if (r.size() != 30)
            return 1;
    }

    std::vector<double> storia;
    size_t sue = 0;
    for (int i = 0; i < giri; ++i) {
        QElapsedTimer t;
        t.start();
        sue = storiaAlunno(d.path(), QStringLiteral("Alunno 7 \"H\""), titoli).size();
        storia.push_back(t.nsecsElapsed() / 1e6);
    }

    // The first append of a run looks at the whole file; the later ones only
    // at its size.
    std::vector<double> aggiunte;
    double prima = 0;
    ScrittoreRegistro s(d.path(), QStringLiteral("aula1"), colonne, titoli);
    RigaRegistro r;
    r.inizio = QDateTime::currentDateTime();
    r.alunno = QStringLiteral("Anna");
    r.secondi = 12;
    r.finito = true;
    for (int i = 0; i < giri * 20 + 1; ++i) {
        QElapsedTimer t;
        t.start();
        if (!s.aggiungi(r))
            return 1;
        (i ? aggiunte.push_back(t.nsecsElapsed() / 1e6) : void(prima = t.nsecsElapsed() / 1e6));
    }
    std::printf("%zu rows in 2 files; the record view opened and painted, median of %d: %.1f ms\n", righe, giri,
                mediana(schermo));
    std::printf("%zu rows in 2 files; reading and summaries alone, median of %d: %.1f ms\n", righe, giri,
                mediana(vista));
    std::printf("one append, median of %zu: %.2f ms (the run's first, which looks at the whole file: %.1f ms)\n",
                aggiunte.size(), mediana(aggiunte), prima);
    std::printf("one pupil's history (%zu rows) from %zu rows, median of %d: %.1f ms\n", sue, righe, giri,
                mediana(storia));
    std::printf("the pupil chosen on the real screen, median of %d: the click holds the interface %.1f ms; the queue "
                "ready after %.1f ms; the event loop's longest pause meanwhile %.1f ms\n",
                giri, mediana(clic), mediana(pronto), mediana(fermi));
    std::printf("CIFRA registro_storia_alunno_ms %.1f\nCIFRA registro_scelta_alunno_clic_ms %.1f\n"
                "CIFRA registro_scelta_alunno_pronto_ms %.1f\nCIFRA registro_scelta_alunno_pausa_ms %.1f\n",
                mediana(storia), mediana(clic), mediana(pronto), mediana(fermi));
    std::printf("CIFRA registro_schermo_ms %.1f\nCIFRA registro_vista_ms %.1f\nCIFRA registro_aggiunta_ms %.2f\n"
                "CIFRA registro_prima_aggiunta_ms %.1f\n",
                mediana(schermo), mediana(vista), mediana(aggiunte), prima);
    return 0;
}
