#include "suoniwav.h"
#include "uscitaaudio.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

template <typename T>
QByteArray le(T v)
{
    QByteArray b(sizeof(T), '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const char *id, const QByteArray &dati)
{
    QByteArray c = QByteArray(id, 4) + le<quint32>(quint32(dati.size())) + dati;
    if (dati.size() & 1)
        c += '\0';
    return c;
}

QByteArray fmt(quint16 tipo, quint16 canali, quint32 frequenza, quint16 bit)
{
    const quint16 blocco = quint16(canali * bit / 8);
    return le<quint16>(tipo) + le<quint16>(canali) + le<quint32>(frequenza) + le<quint32>(frequenza * blocco) + le<quint16>(blocco) + le<quint16>(bit);
}

QByteArray riff(const QByteArray &corpo)
{
    return "RIFF" + le<quint32>(quint32(corpo.size() + 4)) + "WAVE" + corpo;
}

} // namespace

// The WAV sounds: which files play, as what, and how the calls behave
// (timed, never heard: no device is opened).
class TestSuoni : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString scrivi(const QString &nome, const QByteArray &b)
    {
        QFile f(dir.filePath(nome));
        return f.open(QIODevice::WriteOnly) && f.write(b) == b.size() ? f.fileName() : QString();
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
        QByteArray tronca = riff(chunk("fmt ", fmt(1, 1, 22050, 16)) + chunk("data", pcm16));
        tronca.chop(101); // the data chunk claims more than there is
        QTest::newRow("truncated data plays what it has") << tronca << true << int(QAudioFormat::Int16) << 1 << 298;
        QTest::newRow("adpcm") << riff(chunk("fmt ", fmt(2, 1, 22050, 4)) + chunk("data", pcm16)) << false << 0 << 0 << 0;
        QTest::newRow("empty data") << riff(chunk("fmt ", fmt(1, 1, 22050, 16)) + chunk("data", {})) << false << 0 << 0 << 0;
        QTest::newRow("not riff") << QByteArray("ID3 this is an mp3, honest") << false << 0 << 0 << 0;
        QTest::newRow("empty file") << QByteArray() << false << 0 << 0 << 0;
        QTest::newRow("missing file") << QByteArray("<none>") << false << 0 << 0 << 0;
    }
    void leggiWav()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, valido);
        const auto a = SuoniWav::leggiWav(file == "<none>" ? dir.filePath(QStringLiteral("nessuno.wav"))
                                                           : scrivi(QStringLiteral("prova.wav"), file));
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
        QTest::newRow("missing file beeps") << true << false << false << 1 << true;
    }
    void suoni()
    {
        QFETCH(bool, attivo);
        QFETCH(bool, conFiles);
        QFETCH(bool, esatto);
        QFETCH(int, suonati);
        QFETCH(bool, allarme);
        const Boolean suonoAttivo = attivo ? True : False;
        SuoniWav s(suonoAttivo, conFiles ? datiProgramma() : dir.path());
        s.uscita().setSenzaDispositivo(true);
        esatto ? s.SuonoEsatto() : s.SuonoErrato();
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
        const Boolean suonoAttivo = True;
        SuoniWav s(suonoAttivo, datiProgramma());
        s.uscita().setSenzaDispositivo(true);
        QSignalSpy fine(&s.uscita(), &UscitaAudio::finito);
        s.SuonoEsatto();
        s.SuonoErrato();
        QVERIFY(fine.wait(20000));
        QTest::qWait(1500); // past the end the first sound would have had
        QCOMPARE(fine.size(), 1); // the first never reported an end: it was cut
        QCOMPARE(s.suonati(), 2);
    }
};

QTEST_MAIN(TestSuoni)
#include "tst_suoni.moc"
