#include "contesto.h"
#include "dialoghifinti.h"
#include "formbocca.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "motorefinto.h"
#include "perparlare.h"
#include "registroschermi.h"
#include "suonifinti.h"
#include "casuale.h"

#include <QTemporaryDir>
#include <QTest>

// The hidden screen that holds the program-wide engine.
class TestFormBocca : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void caricaVoceEPoiVelocita_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<int>("velocita");
        QTest::newRow("defaults") << 1 << 130;
        QTest::newRow("second voice, slow") << 2 << 90;
        QTest::newRow("values read from a damaged file") << 0 << 0;
    }
    void caricaVoceEPoiVelocita()
    {
        QFETCH(int, voce);
        QFETCH(int, velocita);
        QTemporaryDir dir;
        Modulo1 stato;
        stato.Voce = Integer(voce);
        stato.Velocita = Integer(velocita);
        Casuale casuale(1);
        ModLanguageSupport lingua(dir.path(), dir.path());
        RegistroSchermi registro;
        DialoghiFinti dialoghi;
        PerParlare parla(registro);
        SuoniFinti suoni;
        FabbricaFinta fabbrica;
        Contesto c{stato, casuale, lingua, registro, dialoghi, parla, suoni, fabbrica.fabbrica(), {dir.path(), dir.path()}};
        registro.registra(QStringLiteral("FormBocca"), [&c] { return new FormBocca(c); });

        Schermo *s = registro.schermo(QStringLiteral("FormBocca"));
        QVERIFY(s);
        QVERIFY(!s->isVisible());
        auto *p = dynamic_cast<PortatoreMotore *>(s);
        QVERIFY(p);
        QCOMPARE(fabbrica.creati.size(), 1);
        QCOMPARE(&p->Bocca(), static_cast<MotoreVoce *>(fabbrica.ultimo()));
        QCOMPARE(fabbrica.ultimo()->chiamate,
                 (QStringList{QStringLiteral("VoiceNumber:%1").arg(voce), QStringLiteral("SpeechSpeed:%1").arg(velocita)}));
        // The engine is one of the screen's controls, named as designed.
        QCOMPARE(s->controllo(QStringLiteral("Bocca")), static_cast<QObject *>(&p->Bocca()));

        // Parla speaks on it.
        parla.TestoDaDire = QStringLiteral("Ciao");
        parla.Parla();
        QCOMPARE(fabbrica.ultimo()->testi, QStringList{QStringLiteral("Ciao")});
        // Closing it by the window system does nothing: it is never on display.
        s->close();
        QVERIFY(registro.caricato(QStringLiteral("FormBocca")));
        registro.scaricaTutti();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestFormBocca)
#include "tst_formbocca.moc"
