#include "codec.h"
#include "suoniwav.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {
template <typename T> QByteArray le(T v)
{
    QByteArray b(sizeof(T), '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A RIFF file with a fmt chunk (tipo 1 is PCM) and a data chunk.
QByteArray wav(quint16 tipo, quint16 canali, quint16 bit, const QByteArray &dati)
{
    const QByteArray fmt = le<quint16>(tipo) + le<quint16>(canali) + le<quint32>(22050)
        + le<quint32>(22050 * canali * bit / 8) + le<quint16>(quint16(canali * bit / 8)) + le<quint16>(bit);
    const QByteArray corpo = "WAVEfmt " + le<quint32>(16) + fmt + "data" + le<quint32>(quint32(dati.size())) + dati;
    return "RIFF" + le<quint32>(quint32(corpo.size())) + corpo;
}
} // namespace

// Which WAV files play, and as what; anything else gives the beep.
class TestSuoni : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leggiWav_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("formato"); // QAudioFormat::SampleFormat; -1: not played
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("byte");
        QTest::newRow("pcm 16 mono") << wav(1, 1, 16, QByteArray(400, '\x10')) << int(QAudioFormat::Int16) << 1 << 400;
        QTest::newRow("pcm 8 stereo") << wav(1, 2, 8, QByteArray(100, '\x80')) << int(QAudioFormat::UInt8) << 2 << 100;
        QTest::newRow("truncated data plays what it has")
            << wav(1, 1, 16, QByteArray(400, '\x10')).chopped(101) << int(QAudioFormat::Int16) << 1 << 298;
        QTest::newRow("adpcm") << wav(2, 1, 4, QByteArray(400, '\x10')) << -1 << 0 << 0;
        QTest::newRow("empty data") << wav(1, 1, 16, {}) << -1 << 0 << 0;
        QTest::newRow("not riff") << QByteArray("ID3 this is an mp3, honest") << -1 << 0 << 0;
    }
    void leggiWav()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, formato);
        QTemporaryDir dir;
        QVERIFY(scriviFileAtomico(dir.filePath(u"prova.wav"_qs), file));
        const auto a = SuoniWav::leggiWav(dir.filePath(u"prova.wav"_qs));
        QCOMPARE(a ? int(a->formato.sampleFormat()) : -1, formato);
        QTEST(a ? a->formato.channelCount() : 0, "canali");
        QTEST(a ? int(a->pcm.size()) : 0, "byte");
    }
};

QTEST_MAIN(TestSuoni)
#include "tst_suoni.moc"
