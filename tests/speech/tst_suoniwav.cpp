#include "modulo1.h"
#include "suoniwav.h"
#include "uscitaaudio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const char *id, const QByteArray &dati)
{
    QByteArray c = QByteArray(id, 4) + le32(quint32(dati.size())) + dati;
    if (dati.size() & 1)
        c += '\0';
    return c;
}

QByteArray fmt(quint16 tipo, quint16 canali, quint32 frequenza, quint16 bit)
{
    const quint16 blocco = quint16(canali * bit / 8);
    return le16(tipo) + le16(canali) + le32(frequenza) + le32(frequenza * blocco) + le16(blocco) + le16(bit);
}

QByteArray riff(const QByteArray &corpo)
{
    return "RIFF" + le32(quint32(corpo.size() + 4)) + "WAVE" + corpo;
}

} // namespace

// The WAV sounds: which files play, as what, and how the calls behave.
class TestSuoniWav : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString scrivi(const QString &nome, const QByteArray &b)
    {
        const QString p = dir.path() + u'/' + nome;
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(b);
        return p;
    }

    static QString datiProgramma() { return qEnvironmentVariable("NUMERELLA_DATA"); }

private Q_SLOTS:
    void leggiWav_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("formato"); // QAudioFormat::SampleFormat
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("byte");
        const QByteArray pcm16(400, '\x10');
        QTest::newRow("pcm 16 mono") << riff(chunk("fmt ", fmt(1, 1, 22050, 16)) + chunk("data", pcm16)) << true
                                     << int(QAudioFormat::Int16) << 1 << 400;
        QTest::newRow("pcm 8 stereo") << riff(chunk("fmt ", fmt(1, 2, 11025, 8)) + chunk("data", QByteArray(100, '\x80')))
                                      << true << int(QAudioFormat::UInt8) << 2 << 100;
        QTest::newRow("float 32") << riff(chunk("fmt ", fmt(3, 1, 44100, 32)) + chunk("data", QByteArray(64, '\0')))
                                  << true << int(QAudioFormat::Float) << 1 << 64;
        QByteArray estesa = fmt(0xFFFE, 1, 48000, 16) + le16(22) + le16(16) + le32(4) + le16(1) + QByteArray(14, '\0');
        QTest::newRow("extensible pcm") << riff(chunk("fmt ", estesa) + chunk("data", pcm16)) << true
                                        << int(QAudioFormat::Int16) << 1 << 400;
        QTest::newRow("odd chunk before data") << riff(chunk("fmt ", fmt(1, 1, 22050, 16)) + chunk("LIST", "abc")
                                                       + chunk("data", pcm16))
                                               << true << int(QAudioFormat::Int16) << 1 << 400;
        QByteArray tronca = riff(chunk("fmt ", fmt(1, 1, 22050, 16)) + chunk("data", pcm16));
        tronca.chop(101); // the data chunk claims more than there is
        QTest::newRow("truncated data plays what it has") << tronca << true << int(QAudioFormat::Int16) << 1 << 298;
        QTest::newRow("adpcm") << riff(chunk("fmt ", fmt(2, 1, 22050, 4)) + chunk("data", pcm16)) << false << 0 << 0 << 0;
        QTest::newRow("24 bit") << riff(chunk("fmt ", fmt(1, 1, 22050, 24)) + chunk("data", pcm16)) << false << 0 << 0 << 0;
        QTest::newRow("no data chunk") << riff(chunk("fmt ", fmt(1, 1, 22050, 16))) << false << 0 << 0 << 0;
        QTest::newRow("empty data") << riff(chunk("fmt ", fmt(1, 1, 22050, 16)) + chunk("data", {})) << false << 0 << 0 << 0;
        QTest::newRow("no format chunk") << riff(chunk("data", pcm16)) << false << 0 << 0 << 0;
        QTest::newRow("not riff") << QByteArray("ID3 this is an mp3, honest") << false << 0 << 0 << 0;
        QTest::newRow("empty file") << QByteArray() << false << 0 << 0 << 0;
        QTest::newRow("zero channels") << riff(chunk("fmt ", fmt(1, 0, 22050, 16)) + chunk("data", pcm16)) << false << 0
                                       << 0 << 0;
    }
    void leggiWav()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, valido);
        const auto a = SuoniWav::leggiWav(scrivi(QStringLiteral("prova.wav"), file));
        QCOMPARE(a.has_value(), valido);
        if (!a)
            return;
        QFETCH(int, formato);
        QFETCH(int, canali);
        QFETCH(int, byte);
        QCOMPARE(int(a->formato.sampleFormat()), formato);
        QCOMPARE(a->formato.channelCount(), canali);
        QCOMPARE(int(a->pcm.size()), byte);
    }

    void fileMancante() { QVERIFY(!SuoniWav::leggiWav(dir.path() + QStringLiteral("/nessuno.wav"))); }

    void fileDelProgramma_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("si") << QStringLiteral("si.wav");
        QTest::newRow("no") << QStringLiteral("no.wav");
    }
    void fileDelProgramma()
    {
        QFETCH(QString, nome);
        const auto a = SuoniWav::leggiWav(datiProgramma() + QStringLiteral("/suoni/") + nome);
        QVERIFY(a);
        QCOMPARE(a->formato.sampleRate(), 22050);
        QCOMPARE(a->formato.channelCount(), 1);
        QCOMPARE(a->formato.sampleFormat(), QAudioFormat::Int16);
        const qint64 ms = a->formato.durationForBytes(qint32(a->pcm.size())) / 1000;
        QVERIFY2(ms >= 400 && ms <= 1200, qPrintable(QString::number(ms)));
        // Sound in it, and its last 180 ms silent: the padding that lets a
        // player drop a little of the end without losing the sound.
        const auto *s = reinterpret_cast<const qint16 *>(a->pcm.constData());
        const qsizetype n = a->pcm.size() / 2;
        int picco = 0;
        for (qsizetype i = 0; i < n; ++i)
            picco = std::max(picco, std::abs(int(s[i])));
        QVERIFY(picco > 8000);
        for (qsizetype i = n - 22050 * 180 / 1000; i < n; ++i)
            QVERIFY2(std::abs(int(s[i])) < 8, qPrintable(QString::number(i)));
    }

    void allarmeCorto()
    {
        const SuoniWav::Audio a = SuoniWav::allarme();
        const qint64 ms = a.formato.durationForBytes(qint32(a.pcm.size())) / 1000;
        QVERIFY(ms >= 50 && ms <= 400);
    }

    void suoni_data()
    {
        QTest::addColumn<bool>("attivo");
        QTest::addColumn<bool>("conFiles");
        QTest::addColumn<bool>("esatto");
        QTest::addColumn<int>("suonati");
        QTest::addColumn<bool>("allarme");
        QTest::newRow("right sound") << true << true << true << 1 << false;
        QTest::newRow("wrong sound") << true << true << false << 1 << false;
        QTest::newRow("sounds off, right") << false << true << true << 0 << false;
        QTest::newRow("sounds off, wrong") << false << true << false << 0 << false;
        QTest::newRow("missing file beeps") << true << false << false << 1 << true;
        QTest::newRow("missing file, sounds off") << false << false << true << 0 << false;
    }
    void suoni()
    {
        QFETCH(bool, attivo);
        QFETCH(bool, conFiles);
        QFETCH(bool, esatto);
        QFETCH(int, suonati);
        QFETCH(bool, allarme);
        Modulo1 stato;
        stato.SuonoAttivo = attivo ? True : False;
        SuoniWav s(stato, conFiles ? datiProgramma() : dir.path());
        s.uscita().setSenzaDispositivo(true);
        QElapsedTimer t;
        t.start();
        esatto ? s.SuonoEsatto() : s.SuonoErrato();
        QVERIFY(t.elapsed() < 100); // returns at once
        QCOMPARE(s.suonati(), suonati);
        QCOMPARE(s.ultimoAllarme(), allarme);
        QCOMPARE(s.uscita().attiva(), suonati > 0);
        if (suonati && !allarme) {
            const auto a = SuoniWav::leggiWav(datiProgramma() + (esatto ? u"/suoni/si.wav"_qs : u"/suoni/no.wav"_qs));
            QCOMPARE(s.uscita().byteTotali(), qint64(a->pcm.size())); // the whole file
        }
    }

    void ilSecondoTagliaIlPrimo()
    {
        Modulo1 stato;
        stato.SuonoAttivo = True;
        SuoniWav s(stato, datiProgramma());
        s.uscita().setSenzaDispositivo(true);
        QSignalSpy fine(&s.uscita(), &UscitaAudio::finito);
        s.SuonoEsatto();
        QTest::qWait(100);
        QElapsedTimer t;
        t.start();
        s.SuonoEsatto();
        const qint64 durata = s.uscita().durataUs() / 1000;
        QVERIFY(fine.wait(5000));
        QVERIFY2(t.elapsed() >= durata - 20, qPrintable(QString::number(t.elapsed())));
        QTest::qWait(200);
        QCOMPARE(fine.size(), 1); // the first never reported an end: it was cut
        QCOMPARE(s.suonati(), 2);
    }
};

QTEST_MAIN(TestSuoniWav)
#include "tst_suoniwav.moc"
