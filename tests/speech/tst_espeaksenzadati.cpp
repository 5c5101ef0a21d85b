#include "motoreespeak.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// espeak-ng keeps its state for the whole process, so an engine without
// its data gets a process of its own: no voices, a reason, and every
// utterance ends at once instead of holding the buttons.
class TestEspeakSenzaDati : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nonParlaMaNonSiBlocca()
    {
        QTemporaryDir vuota;
        MotoreEspeak m({vuota.path(), true});
        QCOMPARE(m.VoiceCount(), 0);
        QVERIFY(!m.VoiceNumber(1));
        QVERIFY(!m.errore().isEmpty());
        QSignalSpy fine(&m, &MotoreVoce::finito);
        m.SpeakText(u"ciao"_qs);
        QCOMPARE(m.SpeakingStatus(), 0);
        QVERIFY(fine.wait(10000));
        m.StopSpeech();
        QCOMPARE(fine.size(), 1);
    }
};

QTEST_MAIN(TestEspeakSenzaDati)
#include "tst_espeaksenzadati.moc"
