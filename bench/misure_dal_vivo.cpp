#include "misure_dal_vivo.h"

#include "dalvivo.h"

#include "codec.h"
#include "contesto.h"
#include "controllo.h"
#include "elencoschermi.h"
#include "formesercizio.h"
#include "formmenu.h"
#include "ini.h"
#include "menulingue.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "motoreespeak.h"
#include "programma.h"
#include "schermo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace dalvivo;

namespace {

double mediana(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void stampaSerie(const char *cosa, const std::vector<double> &v)
{
    std::printf("%s (each):", cosa);
    for (double x : v)
        std::printf(" %.1f", x);
    std::printf("\n%s: median %.1f ms, min %.1f, max %.1f over %zu\n", cosa, mediana(v),
                v.empty() ? -1.0 : *std::min_element(v.begin(), v.end()),
                v.empty() ? -1.0 : *std::max_element(v.begin(), v.end()), v.size());
}

bool copiaCartella(const QString &da, const QString &a)
{
    if (!QDir().mkpath(a))
        return false;
    const QDir sorgente(da);
    for (const QFileInfo &f : sorgente.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString dest = QDir(a).filePath(f.fileName());
        if (f.isDir() ? !copiaCartella(f.filePath(), dest) : !QFile::copy(f.filePath(), dest))
            return false;
    }
    return true;
}

// The Italian file with a block of comment lines before every section, so
// that the entries are spread over a file of about 70 KB. Comment lines
// start with ';': no key can ever be read from them, whichever reader runs.
QByteArray linguaGrande(const QByteArray &italiano)
{
    auto commento = [](int numero) {
        return QByteArrayLiteral("; nota del traduttore ") + QByteArray::number(numero).rightJustified(5, '0')
            + QByteArrayLiteral(": riga che rende il file di lingua piu' lungo di 64000 byte\r\n");
    };
    const qsizetype sezioni = italiano.count("\r\n[") + 1;
    const qsizetype righePerSezione = (70000 - italiano.size()) / commento(0).size() / sezioni + 1;
    QByteArray grande;
    int numero = 0;
    for (const QByteArray &riga : italiano.split('\n')) {
        if (riga.startsWith('[')) {
            for (qsizetype i = 0; i < righePerSezione; ++i)
                grande += commento(numero++);
        }
        grande += riga + '\n';
    }
    grande.chop(1); // split added a line after the last break
    return grande;
}

} // namespace

bool preparaCartellaLingue(const QString &daCartella, const QString &cartella)
{
    const QDir da(daCartella);
    for (const char *d : {"gifanimate", "icone", "suoni", "testi"}) {
        const QString nome = QString::fromLatin1(d);
        if (da.exists(nome) && !copiaCartella(da.filePath(nome), QDir(cartella).filePath(nome))) {
            std::fprintf(stderr, "cannot copy %s into %s\n", d, qPrintable(cartella));
            return false;
        }
    }
    for (const char *f : {"Italiano.lng", "English.lng", "LangSetting.ini"}) {
        if (!QFile::copy(da.filePath(QString::fromLatin1(f)), QDir(cartella).filePath(QString::fromLatin1(f)))) {
            std::fprintf(stderr, "cannot copy %s into %s\n", f, qPrintable(cartella));
            return false;
        }
    }
    QFile italiano(da.filePath(QStringLiteral("Italiano.lng")));
    QFile grande(QDir(cartella).filePath(QStringLiteral("Grande.lng")));
    if (!italiano.open(QIODevice::ReadOnly) || !grande.open(QIODevice::WriteOnly))
        return false;
    const QByteArray testo = linguaGrande(italiano.readAll());
    if (grande.write(testo) != testo.size())
        return false;
    std::printf("large language file: %s, %lld bytes\n", qPrintable(grande.fileName()),
                static_cast<long long>(testo.size()));
    return true;
}

namespace {
// The start screen's button, or null (with a message) when there is none.
QPushButton *bottoneAvvio(ElencoSchermi &r)
{
    Schermo *avvio = r.caricato(QStringLiteral("FormAvvio"));
    auto *b = avvio ? qobject_cast<QPushButton *>(avvio->controllo(QStringLiteral("BottoneAvvio"))) : nullptr;
    if (!b)
        std::fprintf(stderr, "no start screen with BottoneAvvio\n");
    return b;
}
} // namespace

// "Avvio" pressed as a child would, the menu left to settle, then its CPU
// use while nothing happens and its resident memory.
int comandoMenu(Programma &p, int secondi)
{
    ElencoSchermi &r = p.schermi();
    attendi(1000);
    QPushButton *bottone = bottoneAvvio(r);
    if (!bottone)
        return 1;
    std::printf("start screen: VmRSS %.1f MB\n", rssMb());
    bottone->click();
    if (!r.mostrato(QStringLiteral("FormMenu"))) {
        std::fprintf(stderr, "the menu did not open\n");
        return 1;
    }
    attendi(2000);
    const double c0 = secondiCpu();
    QElapsedTimer orologio;
    orologio.start();
    attendi(secondi * 1000);
    const double cpu = secondiCpu() - c0;
    const double muro = double(orologio.elapsed()) / 1000.0;
    std::printf("menu: cpu %.3f s over %.1f s = %.2f %% of one core\n", cpu, muro, 100.0 * cpu / muro);
    std::printf("menu: VmRSS %s, VmHWM %s (RssAnon %s, RssFile %s)\n", qPrintable(statoMemoria("VmRSS:")),
                qPrintable(statoMemoria("VmHWM:")), qPrintable(statoMemoria("RssAnon:")),
                qPrintable(statoMemoria("RssFile:")));
    cifra("cpu_menu_pct", 100.0 * cpu / muro);
    cifra("rss_menu_mb", rssMb());
    return 0;
}

// At step 0, speech silent, the right number pressed: the time until the
// first audio of the answer sentence reaches the output. The rest of every
// utterance is cut short, only its start counts.
int comandoRisposta(Programma &p, int problemi)
{
    MotoreEspeak *m = motore(p);
    if (!m) {
        std::fprintf(stderr, "the run has no espeak-ng engine\n");
        return 1;
    }
    FormEsercizio *f = apri(p, 1, 5, 3);
    if (!f)
        return 1;

    // Only the utterances of the measured press are cut short.
    QElapsedTimer orologio;
    bool misura = false;
    double ritardo = -1;
    QObject::connect(m, &MotoreEspeak::primoAudio, m, [&] {
        if (!misura)
            return;
        if (ritardo < 0)
            ritardo = double(orologio.nsecsElapsed()) / 1e6;
        m->StopSpeech();
    });

    std::vector<double> ritardi;
    for (int i = 0; i < problemi; ++i) {
        if (!attendiRisposte(p, f) || risposteMostrate(f) != 0) {
            std::fprintf(stderr, "problem %d: not waiting at step 0 with speech silent\n", i + 1);
            return 1;
        }
        attendi(300);
        const int giusto = celleMostrate(f); // the things there at first
        ritardo = -1;
        misura = true;
        orologio.start();
        f->controllo<QPushButton>(u"Command1"_qs, giusto)->click();
        for (int k = 0; k < 1000 && ritardo < 0 && m->SpeakingStatus() != 0; ++k)
            attendi(5);
        misura = false;
        if (risposteMostrate(f) < 1) {
            std::fprintf(stderr, "problem %d: the press of %d was not taken as right\n", i + 1, giusto);
            return 1;
        }
        if (ritardo >= 0)
            ritardi.push_back(ritardo);
        else
            std::printf("problem %d: no audio\n", i + 1);
        attendiRisposte(p, f);
        // The next problem, as "avanti" gives it; its first question is
        // spoken in full before the next press.
        f->Command2_Click();
    }
    QObject::disconnect(m, &MotoreEspeak::primoAudio, nullptr, nullptr);
    stampaSerie("right answer -> first audio of the answer, ms", ritardi);
    std::printf("audio: %s\n", m->muto() ? "timed (no device)" : "real stream");
    cifra("risposta_audio_ms", mediana(ritardi));
    return ritardi.size() == size_t(problemi) ? 0 : 2;
}

namespace {

QAction *voceLingua(FormMenu *menu, const QString &lingua)
{
    for (QAction *a : menu->menuLingue()->voci()) {
        if (a->text() == lingua)
            return a;
    }
    return nullptr;
}

// Switches alternately to `misurata` and back to `altra` through the menu
// entries, timing every switch to `misurata` (and, when both count, every
// switch), after one unmeasured round.
// The wall time of each switch, and the median CPU time of the user
// interface thread over the same switches (wall time well above it means
// waiting: the disk, or other processes on a busy machine).
struct Cambi {
    std::vector<double> ms;
    double cpuMs = -1;
};

Cambi cambi(FormMenu *menu, const QString &misurata, const QString &altra, bool entrambe, int n)
{
    QAction *a = voceLingua(menu, misurata);
    QAction *b = voceLingua(menu, altra);
    std::vector<double> t;
    std::vector<double> cpu;
    if (!a || !b) {
        std::fprintf(stderr, "no menu entry for %s or %s\n", qPrintable(misurata), qPrintable(altra));
        return {};
    }
    for (int i = -1; i < n; ++i) {
        for (QAction *x : {a, b}) {
            QElapsedTimer orologio;
            const double c0 = secondiCpuThread();
            orologio.start();
            x->trigger();
            const double ms = double(orologio.nsecsElapsed()) / 1e6;
            if (i >= 0 && (x == a || entrambe)) {
                t.push_back(ms);
                cpu.push_back((secondiCpuThread() - c0) * 1000.0);
            }
            attendi(100); // the repaints the switch asked for, outside the timing
        }
    }
    return {t, mediana(cpu)};
}

// "name(index)=caption" of every control of every loaded screen.
QStringList didascalie(ElencoSchermi &r)
{
    QStringList l;
    for (Schermo *s : r.caricati()) {
        l << s->nomeForm() + QStringLiteral(".Caption=") + s->windowTitle();
        for (const Controllo &c : s->controlli()) {
            if (c.valido() && c.haCaption())
                l << s->nomeForm() + QLatin1Char('.') + c.nome() + QLatin1Char('(')
                        + QString::number(c.indice().value_or(-1)) + QStringLiteral(")=") + c.caption();
        }
    }
    return l;
}

// The large file holds the Italian entries: the captions it gives should be
// the Italian file's. Prints those that differ.
void confronta(ElencoSchermi &r, FormMenu *menu)
{
    voceLingua(menu, QStringLiteral("Italiano"))->trigger();
    const QStringList italiano = didascalie(r);
    voceLingua(menu, QStringLiteral("Grande"))->trigger();
    const QStringList grande = didascalie(r);
    voceLingua(menu, QStringLiteral("Italiano"))->trigger();
    int diverse = 0;
    for (qsizetype i = 0; i < qMin(italiano.size(), grande.size()); ++i) {
        if (italiano.at(i) != grande.at(i)) {
            ++diverse;
            std::printf("  caption from the 70 KB file differs: %s  (Italiano.lng: %s)\n", qPrintable(grande.at(i)),
                        qPrintable(italiano.at(i).section(QLatin1Char('='), 1)));
        }
    }
    std::printf("captions from the 70 KB file: %d of %lld differ from Italiano.lng's\n", diverse,
                static_cast<long long>(grande.size()));
}

// Microseconds per call of f, median of n calls.
template <class F> double microsecondi(int n, F f)
{
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer o;
        o.start();
        f();
        t.push_back(double(o.nsecsElapsed()) / 1e3);
    }
    return mediana(t);
}

// Where a switch's time goes: how many lookups it makes, and what one
// lookup costs in each file.
void scomponi(Programma &p, const QString &cartella)
{
    int letture = 0;
    QStringList quanti;
    for (Schermo *s : p.schermi().caricati()) {
        quanti << QStringLiteral("%1 %2").arg(s->nomeForm()).arg(s->controlli().size());
        letture += 3 + 3 * int(s->controlli().size());
    }
    std::printf("controls of the loaded screens: %s; about %d lookups per switch\n",
                qPrintable(quanti.join(QStringLiteral(", "))), letture);
    for (const char *lingua : {"Italiano", "Grande"}) {
        const QString file = QDir(cartella).filePath(QString::fromLatin1(lingua) + QStringLiteral(".lng"));
        QByteArray b;
        leggiFile(file, &b);
        const double lettura = microsecondi(200, [&] {
            QByteArray x;
            leggiFile(file, &x);
        });
        const double decodifica = microsecondi(200, [&] { decodificaTesto(b); });
        const double chiave = microsecondi(200, [&] {
            MLSReadIniValue(file, QStringLiteral("Form1"), QStringLiteral("LabelErt.Caption"));
        });
        std::printf("%s.lng (%lld bytes): one lookup %.0f us, of which reading the file %.0f us, decoding it "
                    "%.0f us\n",
                    lingua, static_cast<long long>(b.size()), chiave, lettura, decodifica);
    }
    // The captions of each loaded screen from the large file, without the
    // rest of the switch.
    ModLanguageSupport &l = p.contesto().lingua;
    const QString prima = l.MLSCurrentLanguage;
    l.MLSCurrentLanguage = QStringLiteral("Grande");
    for (Schermo *s : p.schermi().caricati()) {
        const double c0 = secondiCpuThread();
        QElapsedTimer o;
        o.start();
        l.MLSLoadFormStrings(*s);
        std::printf("MLSLoadFormStrings(%s) with the 70 KB file: %.1f ms (UI thread CPU %.1f ms)\n",
                    qPrintable(s->nomeForm()), double(o.nsecsElapsed()) / 1e6, (secondiCpuThread() - c0) * 1000.0);
    }
    l.MLSCurrentLanguage = prima;
    // Storing the choice for the next start, as every switch does.
    const QString copia = QDir(cartella).filePath(QStringLiteral("prova-LangSetting.ini"));
    QFile::copy(QDir(cartella).filePath(QStringLiteral("LangSetting.ini")), copia);
    int k = 0;
    const double scrittura = microsecondi(21, [&] {
        MLSWriteIniValue(copia, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                         ++k % 2 ? QStringLiteral("English") : QStringLiteral("Italiano"));
    });
    std::printf("storing the language in LangSetting.ini: %.0f us\n", scrittura);
}

} // namespace

// The language switch of every loaded screen, as the menu's "Lingua"
// entries make it: shipped files (Italiano <-> English) and the 70 KB file
// (Grande, timed when switched to), with FormBocca and FormMenu loaded, then
// with the addition screen loaded as well.
int comandoLingua(Programma &p, int n)
{
    ElencoSchermi &r = p.schermi();
    attendi(500);
    QPushButton *bottone = bottoneAvvio(r);
    if (!bottone)
        return 1;
    bottone->click();
    auto *menu = qobject_cast<FormMenu *>(r.caricato(QStringLiteral("FormMenu")));
    if (!menu)
        return 1;
    attendi(1000);

    auto riga = [&](const char *cosa, const char *nome, const Cambi &c) {
        // When the row ended, on the monotonic clock (to find it in a profile).
        timespec adesso{};
        clock_gettime(CLOCK_MONOTONIC, &adesso);
        std::printf("  (row ended at monotonic %lld.%06ld s)\n", static_cast<long long>(adesso.tv_sec),
                    adesso.tv_nsec / 1000);
        QStringList caricati;
        for (Schermo *s : r.caricati())
            caricati << s->nomeForm();
        std::printf("[%s] ", qPrintable(caricati.join(QLatin1Char('+'))));
        stampaSerie(cosa, c.ms);
        std::printf("  UI thread CPU of the same switches: median %.1f ms\n", c.cpuMs);
        cifra(nome, mediana(c.ms));
        cifra((QByteArray(nome) + "_cpu").constData(), c.cpuMs);
    };
    const QString it = QStringLiteral("Italiano"), en = QStringLiteral("English"), gr = QStringLiteral("Grande");
    riga("switch, shipped files, ms", "lingua_menu_ms", cambi(menu, en, it, true, n));
    riga("switch to the 70 KB file, ms", "lingua_grande_menu_ms", cambi(menu, gr, it, false, n));

    // The addition screen loaded too (the menu stays loaded behind it).
    if (!apri(p, 1, 5, 3, true))
        return 1;
    attendiSilenzio(p);
    attendi(500);
    riga("switch, shipped files, ms", "lingua_esercizio_ms", cambi(menu, en, it, true, n));
    riga("switch to the 70 KB file, ms", "lingua_grande_esercizio_ms", cambi(menu, gr, it, false, n));
    confronta(r, menu);
    scomponi(p, p.contesto().lingua.cartellaProgramma());
    return 0;
}

namespace {

// The moment a widget of that name is painted for the first time after
// arma(), taken in a queued call after the paint, when the frame has been
// flushed to the display (as bench/spiaprimodisegno.cpp does).
class SpiaDisegno : public QObject
{
public:
    explicit SpiaDisegno(const QString &nome)
        : m_nome(nome)
    {
        qApp->installEventFilter(this);
    }
    void arma()
    {
        ms = -1;
        m_armata = true;
        m_orologio.start();
    }
    double ms = -1;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (m_armata && e->type() == QEvent::Paint && o->objectName() == m_nome) {
            m_armata = false;
            QTimer::singleShot(0, this, [this] { ms = double(m_orologio.nsecsElapsed()) / 1e6; });
        }
        return false;
    }

private:
    QString m_nome;
    QElapsedTimer m_orologio;
    bool m_armata = false;
};

} // namespace

// From the menu, "Problemi con addizione" pressed: the time to the first
// paint of the first question; then, once it has been read, "avanti": the
// time to the first paint of the next problem's question. Back to the menu
// and again, that many times.
int comandoApertura(Programma &p, int volte)
{
    ElencoSchermi &r = p.schermi();
    attendi(500);
    QPushButton *bottone = bottoneAvvio(r);
    if (!bottone)
        return 1;
    bottone->click();
    attendi(1000);
    SpiaDisegno spia(QStringLiteral("Domanda1"));
    std::vector<double> aperture, avanti;
    for (int i = 0; i < volte; ++i) {
        Schermo *menu = r.caricato(QStringLiteral("FormMenu"));
        auto *addizione = menu ? qobject_cast<QPushButton *>(menu->controllo(QStringLiteral("Command8"))) : nullptr;
        if (!addizione) {
            std::fprintf(stderr, "no menu with Command8\n");
            return 1;
        }
        spia.arma();
        addizione->click();
        for (int k = 0; k < 2000 && spia.ms < 0; ++k)
            attendi(5); // the first question's paint
        auto *f = qobject_cast<FormEsercizio *>(r.caricato(QStringLiteral("Form1")));
        if (!f || spia.ms < 0) {
            std::fprintf(stderr, "open %d: no addition screen, or its question was not painted\n", i + 1);
            return 1;
        }
        aperture.push_back(spia.ms);
        attendiRisposte(p, f);
        attendi(300);
        spia.arma();
        f->Command2_Click();
        for (int k = 0; k < 2000 && spia.ms < 0; ++k)
            attendi(5);
        if (spia.ms >= 0)
            avanti.push_back(spia.ms);
        attendiRisposte(p, f);
        r.mostra(QStringLiteral("FormMenu"));
        r.scarica(f);
        attendi(300);
    }
    stampaSerie("menu press -> first question painted, ms", aperture);
    stampaSerie("avanti -> next question painted, ms", avanti);
    cifra("apertura_primo_ms", aperture.front());
    cifra("apertura_ms", mediana(aperture));
    cifra("avanti_ms", mediana(avanti));
    return avanti.size() == size_t(volte) ? 0 : 2;
}
