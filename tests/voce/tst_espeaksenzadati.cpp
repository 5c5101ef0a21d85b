#include "motoreespeak.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// An engine without espeak-ng's data (its own process: espeak-ng's state is per process) has no
// voices, gives a reason, and ends every utterance at once instead of holding the buttons.
class TestEspeakSenzaDati : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nonParlaMaNonSiBlocca()
    {
        QTemporaryDir vuota;
        MotoreEspeak m({vuota.path(), true});
        QVERIFY(m.VoiceCount() == 0 && !m.VoiceNumber(1) && !m.errore().isEmpty());
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
