#include "sentito.h"

#include "dalvivo.h"

#include "contesto.h"
#include "elencoschermi.h"
#include "formesercizio.h"
#include "modulo1.h"
#include "motoreespeak.h"
#include "perparlare.h"
#include "programma.h"
#include "schermo.h"
#include "sintesiespeak.h"
#include "suoniwav.h"
#include "testoespeak.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <thread>
#include <vector>

using namespace dalvivo;

namespace {

constexpr int frequenza = 22050;
// Above this a sample is sound: about -50 dBFS, far below speech, far
// above the null sink's silence (which is exact zeros).
constexpr int soglia = 100;

qint64 ora()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Records the null sink's monitor on a thread of its own, in pieces of
// 5 ms, each stamped with the moment it arrived.
class Ascoltatore
{
public:
    ~Ascoltatore()
    {
        m_via = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_s)
            pa_simple_free(m_s);
    }

    bool avvia()
    {
        const pa_sample_spec ss{PA_SAMPLE_S16LE, frequenza, 1};
        pa_buffer_attr a{};
        a.maxlength = a.tlength = a.prebuf = a.minreq = uint32_t(-1);
        a.fragsize = uint32_t(pezzo * 2);
        int errore = 0;
        m_s = pa_simple_new(nullptr, "numerella-ascolto", PA_STREAM_RECORD, "numerella_test.monitor", "ascolto", &ss,
                            nullptr, &a, &errore);
        if (!m_s) {
            std::fprintf(stderr, "cannot record the null sink's monitor: %s\n", pa_strerror(errore));
            return false;
        }
        m_thread = std::thread([this] {
            std::vector<qint16> b(pezzo);
            int e = 0;
            while (!m_via && pa_simple_read(m_s, b.data(), b.size() * 2, &e) >= 0) {
                const qint64 t = ora();
                std::lock_guard l(m_mutex);
                m_pezzi.push_back({t, b});
            }
        });
        return true;
    }

    // The samples heard from that moment on, each with the moment it was
    // heard: a piece's last sample when the piece arrived, the ones before
    // it one sample period earlier each.
    std::vector<std::pair<qint64, qint16>> dopo(qint64 t) const
    {
        std::lock_guard l(m_mutex);
        std::vector<std::pair<qint64, qint16>> v;
        for (const Pezzo &p : m_pezzi) {
            const qint64 n = qint64(p.s.size());
            for (qint64 i = 0; i < n; ++i) {
                const qint64 sentito = p.arrivo - (n - 1 - i) * 1000000000 / frequenza;
                if (sentito >= t)
                    v.emplace_back(sentito, p.s[size_t(i)]);
            }
        }
        return v;
    }

    // ms from t to the first sound heard after it; -1 without one.
    double primoSuono(qint64 t) const
    {
        const auto v = dopo(t);
        for (size_t i = 0; i < v.size(); ++i) {
            if (std::abs(int(v[i].second)) > soglia) {
                if (qEnvironmentVariableIsSet("NUMERELLA_DETTAGLI")) { // what was taken for the first sound
                    std::printf("  first sound at sample %zu of %zu:", i, v.size());
                    for (size_t k = i; k < std::min(v.size(), i + 12); ++k)
                        std::printf(" %d", int(v[k].second));
                    std::printf("\n");
                }
                return double(v[i].first - t) / 1e6;
            }
        }
        return -1;
    }

    // Waits until the sink has been silent for 300 ms (at most 10 s): a
    // press measured while the last sound still plays would find that one.
    bool attendiQuiete() const
    {
        for (int i = 0; i < 200; ++i) {
            const auto v = dopo(ora() - 300000000);
            if (v.size() > frequenza / 4
                && std::none_of(v.begin(), v.end(), [](const auto &c) { return std::abs(int(c.second)) > soglia; }))
                return true;
            attendi(50);
        }
        std::fprintf(stderr, "the sink did not fall silent\n");
        return false;
    }

private:
    static constexpr size_t pezzo = frequenza * 5 / 1000;
    struct Pezzo {
        qint64 arrivo;
        std::vector<qint16> s;
    };
    pa_simple *m_s = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_via{false};
    mutable std::mutex m_mutex;
    std::vector<Pezzo> m_pezzi;
};

// The longest run of silent samples between the first sound and the last,
// in ms.
double silenzioPiuLungo(const std::vector<qint16> &s)
{
    const auto forte = [](qint16 v) { return std::abs(int(v)) > soglia; };
    const auto primo = std::find_if(s.begin(), s.end(), forte);
    const auto ultimo = std::find_if(s.rbegin(), s.rend(), forte).base();
    qint64 piuLungo = 0, corrente = 0;
    for (auto i = primo; i < ultimo; ++i) {
        corrente = forte(*i) ? 0 : corrente + 1;
        piuLungo = std::max(piuLungo, corrente);
    }
    return double(piuLungo) * 1000.0 / frequenza;
}

QByteArray wav(const SuoniWav::Audio &a)
{
    QByteArray h("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\0\0\0\0\0\0\0\0\x02\0\x10\0data\0\0\0\0", 44);
    qToLittleEndian<quint32>(quint32(36 + a.pcm.size()), h.data() + 4);
    qToLittleEndian<quint32>(quint32(a.formato.sampleRate()), h.data() + 24);
    qToLittleEndian<quint32>(quint32(a.formato.sampleRate() * 2), h.data() + 28);
    qToLittleEndian<quint32>(quint32(a.pcm.size()), h.data() + 40);
    return h + a.pcm;
}

bool misura(const char *nome, double ms)
{
    if (ms < 0) {
        std::fprintf(stderr, "%s: nothing heard\n", nome);
        return false;
    }
    std::printf("%s: %.1f ms\n", nome, ms);
    cifra(nome, ms);
    return true;
}

} // namespace

int comandoSentito(Programma &p)
{
    Ascoltatore ascolto;
    if (!ascolto.avvia())
        return 1;
    ElencoSchermi &r = p.schermi();
    attendi(500);
    Schermo *avvio = r.caricato(QStringLiteral("FormAvvio"));
    auto *bottoneAvvio
        = avvio ? qobject_cast<QPushButton *>(avvio->controllo(QStringLiteral("BottoneAvvio"))) : nullptr;
    if (!bottoneAvvio)
        return 1;
    bottoneAvvio->click();
    attendi(1500);
    Schermo *menu = r.caricato(QStringLiteral("FormMenu"));
    auto *addizione = menu ? qobject_cast<QPushButton *>(menu->controllo(QStringLiteral("Command8"))) : nullptr;
    MotoreEspeak *m = motore(p);
    if (!addizione || !m) {
        std::fprintf(stderr, "no menu with Command8, or no espeak-ng engine\n");
        return 1;
    }
    bool ok = true;

    // The first question: its first sound (and the part of that wait the
    // screen takes before it asks for the sentence), then its silences.
    qint64 richiesta = 0;
    QObject::connect(m, &MotoreVoce::statoCambiato, m, [&richiesta](bool parla) {
        if (parla && !richiesta)
            richiesta = ora();
    });
    qint64 t = ora();
    addizione->click(); // returns once the question has been read
    auto *f = qobject_cast<FormEsercizio *>(r.caricato(QStringLiteral("Form1")));
    if (!f)
        return 1;
    attendiSilenzio(p);
    ascolto.attendiQuiete();
    ok = misura("sentito_apertura_ms", ascolto.primoSuono(t)) && ok;
    std::printf("  the sentence was asked for after %.1f ms\n", double(richiesta - t) / 1e6);
    std::vector<qint16> registrato;
    for (const auto &c : ascolto.dopo(t))
        registrato.push_back(c.second);
    const QString domanda = p.contesto().parla.TestoDaDire;
    const std::vector<qint16> sintesi = SintesiEspeak::condivisa()->campioni(testoPerEspeak(preparaTesto(domanda)),
                                                                             m->voceEspeak(), p.stato().Velocita);
    std::printf("\"%s\": longest silence recorded %.1f ms, synthesised %.1f ms\n", qPrintable(domanda),
                silenzioPiuLungo(registrato), silenzioPiuLungo(sintesi));
    cifra("silenzio_registrato_ms", silenzioPiuLungo(registrato));
    cifra("silenzio_sintesi_ms", silenzioPiuLungo(sintesi));

    // The right answer: the answer sentence.
    ascolto.attendiQuiete();
    t = ora();
    const int primi = celleMostrate(f); // the things there at first
    bottone(f, QChar(u'0' + primi))->click();
    attendiSilenzio(p);
    ok = misura("sentito_risposta_ms", ascolto.primoSuono(t)) && ok;

    // A wrong answer: the wrong sound.
    attendiSilenzio(p);
    ascolto.attendiQuiete();
    t = ora();
    bottone(f, QChar(u'0' + (celleMostrate(f) - primi + 1) % 10))->click(); // not the things that came
    attendi(600);
    ok = misura("sentito_errore_ms", ascolto.primoSuono(t)) && ok;

    // The repeat button.
    ascolto.attendiQuiete();
    t = ora();
    f->controllo<QPushButton>(u"Command6"_qs)->click();
    attendi(200);
    attendiSilenzio(p);
    ok = misura("sentito_ripeti_ms", ascolto.primoSuono(t)) && ok;
    ascolto.attendiQuiete();

    // The second wrong answer at the same step: its hint, counting the
    // things that came together with the child. The feedback sounds off, so
    // that the first sound heard is the hint's and not the wrong sound.
    const Boolean suono = p.stato().SuonoAttivo;
    p.stato().SuonoAttivo = False;
    t = ora();
    bottone(f, QChar(u'0' + (celleMostrate(f) - primi + 1) % 10))->click();
    attendi(600);
    ok = misura("sentito_aiuto_ms", ascolto.primoSuono(t)) && ok;
    attendiRisposte(p, f);
    std::printf("  the hint's last words: \"%s\"\n", qPrintable(p.contesto().parla.TestoDaDire));
    p.stato().SuonoAttivo = suono;
    ascolto.attendiQuiete();

    // The floor: paplay of a short beep, measured the same way.
    QTemporaryDir d;
    QFile beep(d.filePath(QStringLiteral("beep.wav")));
    if (!beep.open(QIODevice::WriteOnly) || beep.write(wav(SuoniWav::allarme())) <= 0)
        return 1;
    beep.close();
    QProcess paplay;
    t = ora();
    paplay.start(QStringLiteral("paplay"), {beep.fileName()});
    paplay.waitForFinished(10000);
    attendi(300);
    ok = misura("sentito_paplay_ms", ascolto.primoSuono(t)) && ok;
    return ok ? 0 : 2;
}
