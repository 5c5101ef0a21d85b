// The voice settings and the language menu inside the whole program (its
// real screens, fake engines and message boxes): from the menu to the
// settings and back, and the settings screen after a switch to English.

#include "dialoghifinti.h"
#include "formimposta.h"
#include "formmenu.h"
#include "menulingue.h"
#include "motorefinto.h"
#include "pannellobocca.h"
#include "programma.h"
#include "registroschermi.h"
#include "schermi.h"
#include "suonifinti.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {
bool copiaCartella(const QString &da, const QString &a)
{
    QDirIterator it(da, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString dest = a + QLatin1Char('/') + QDir(da).relativeFilePath(f);
        QDir().mkpath(QFileInfo(dest).path());
        if (!QFile::copy(f, dest))
            return false;
    }
    return true;
}

QByteArray leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TstFlussoVoce : public QObject
{
    Q_OBJECT

    QTemporaryDir programma;
    QTemporaryDir impostazioni;
    QTemporaryDir lock;
    FabbricaFinta fabbrica;
    DialoghiFinti *dialoghi = nullptr;
    std::unique_ptr<Programma> p;

    void avvia()
    {
        // Each run starts from the defaults.
        QFile::remove(impostazioni.filePath(QStringLiteral("numerella.INI")));
        Programma::Opzioni o;
        o.percorsi.programma = programma.path();
        o.percorsi.impostazioni = impostazioni.path();
        o.cartellaLock = lock.path();
        o.seme = 7;
        o.fabbricaMotore = fabbrica.fabbrica();
        auto d = std::make_unique<DialoghiFinti>();
        dialoghi = d.get();
        o.dialoghi = std::move(d);
        o.suoni = std::make_unique<SuoniFinti>();
        o.registraSchermi = registraSchermi;
        o.termina = [](int) {};
        p = std::make_unique<Programma>(std::move(o));
        QVERIFY(!p->Main());
        // From the start screen to the menu, as "Avvio" does.
        RegistroSchermi &r = p->registro();
        QVERIFY(r.mostra(QStringLiteral("FormMenu")));
        r.scarica(r.caricato(QStringLiteral("FormAvvio")));
    }

    FormMenu *menu() const { return qobject_cast<FormMenu *>(p->registro().caricato(QStringLiteral("FormMenu"))); }
    FormImposta *imposta() const
    {
        return qobject_cast<FormImposta *>(p->registro().caricato(QStringLiteral("FormImposta")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        Schermo::setDisplayPerTest(QSize(1024, 768));
        QVERIFY(copiaCartella(QString::fromLocal8Bit(qgetenv("NUMERELLA_DATA")), programma.path()));
    }
    void cleanup()
    {
        p.reset();
        fabbrica.creati.clear();
    }

    void dalMenuAlleImpostazioniERitorno()
    {
        avvia();
        MotoreFinto *bocca = fabbrica.creati.value(0);
        QVERIFY(bocca);
        menu()->Command3_Click();
        QVERIFY(!menu());
        FormImposta *f = imposta();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(qobject_cast<QLabel *>(f->controllo(QStringLiteral("Label1")))->text(), QStringLiteral("Velocità: 130"));
        QCOMPARE(fabbrica.ultimo()->testi.value(0), QStringLiteral("Scegli la voce e la velocità che preferisci."));

        qobject_cast<QSlider *>(f->controllo(QStringLiteral("HScroll1")))->setValue(95);
        bocca->chiamate.clear();
        QTest::mouseClick(qobject_cast<QToolButton *>(f->controllo(QStringLiteral("BottoneEsci"))), Qt::LeftButton);

        QVERIFY(!imposta());
        QVERIFY(menu());
        QVERIFY(menu()->isVisible());
        QCOMPARE(leggi(p->stato().FileImpostazioni), QByteArray(" 95 \r\n 1 \r\n"));
        QCOMPARE(bocca->chiamate, (QStringList{QStringLiteral("VoiceNumber:1"), QStringLiteral("SpeechSpeed:95")}));
        QVERIFY(dialoghi->finestre.isEmpty());
    }

    void impostazioniInInglese()
    {
        avvia();
        for (QAction *a : menu()->menuLingue()->voci()) {
            if (a->text() == QStringLiteral("English"))
                a->trigger();
        }
        QCOMPARE(leggi(programma.filePath(QStringLiteral("LangSetting.ini"))),
            QByteArray("[Language]\r\nCurrentLanguage=English\r\n"));
        menu()->Command3_Click();
        FormImposta *f = imposta();
        QVERIFY(f);
        QCOMPARE(qobject_cast<QLabel *>(f->controllo(QStringLiteral("Label1")))->text(), QStringLiteral("Speed: 130"));
        QCOMPARE(qobject_cast<QToolButton *>(f->controllo(QStringLiteral("BottoneEsci")))->text(), QStringLiteral("confirm"));
        QCOMPARE(qobject_cast<PannelloBocca *>(f->controllo(QStringLiteral("Bocca")))->text(), QStringLiteral("Listen"));
        QVERIFY(f->windowTitle().isEmpty());
        QCOMPARE(fabbrica.ultimo()->testi.value(0), QStringLiteral("Choose the voice and the speed you like best."));

        // Back in the menu, English is still the language.
        f->BottoneEsci_Click();
        QVERIFY(menu());
        QCOMPARE(menu()->menuLingue()->voci().value(0)->text(), QStringLiteral("English"));
        QVERIFY(menu()->menuLingue()->voci().value(0)->isChecked());
        QCOMPARE(qobject_cast<QPushButton *>(menu()->controllo(QStringLiteral("Command3")))->text(), QStringLiteral("Set the voice"));
    }
};

QTEST_MAIN(TstFlussoVoce)
#include "tst_flussovoce.moc"
