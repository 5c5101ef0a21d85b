// The voice settings screen against a fake engine: what it asks of its own
// engine and in which order, what Label1 shows, what the confirm button
// saves and hands over to FormBocca.

#include "ambientevoce.h"
#include "formbocca.h"
#include "formimposta.h"
#include "pannellobocca.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

namespace {
// Texts of tests/data/voice/Prova.lng.
const QString Msg0011 = QStringLiteral("Frase di prova.");
const QString Msg0012 = QStringLiteral("Velocità iniziale:");
const QString Msg0013 = QStringLiteral("Scegli la voce che preferisci.");
const QString Msg0014 = QStringLiteral("Velocità:");
const QString Msg0015 = QStringLiteral("Questa voce non è disponibile.");

QByteArray leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TstFormImposta : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteVoce> a;

    void prepara()
    {
        a = std::make_unique<AmbienteVoce>();
        a->copiaLingua(QStringLiteral("Prova"));
        a->lingua->MLSCurrentLanguage = QStringLiteral("Prova");
        a->registro.registra(QStringLiteral("FormBocca"), [this] { return new FormBocca(*a->c); });
        a->registro.registra(QStringLiteral("FormImposta"), [this] { return new FormImposta(*a->c); });
        a->registro.registra(QStringLiteral("FormMenu"),
            [] { return new Schermo(QStringLiteral("FormMenu"), 7035, 5745); });
        // FormBocca is loaded at start-up, so its engine is the first one made.
        a->registro.schermo(QStringLiteral("FormBocca"));
    }

    MotoreFinto *motoreBocca() const { return a->fabbrica.creati.value(0); }
    MotoreFinto *motoreImposta() const { return a->fabbrica.creati.value(1); }

    FormImposta *apri()
    {
        return static_cast<FormImposta *>(a->registro.mostra(QStringLiteral("FormImposta")));
    }

    template<class T>
    static T *ctrl(Schermo *s, const char *nome)
    {
        return qobject_cast<T *>(s->controllo(QString::fromLatin1(nome)));
    }

private Q_SLOTS:
    void init() { prepara(); }
    void cleanup() { a.reset(); }

    void etichettaAllApertura_data()
    {
        QTest::addColumn<int>("salvata");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<QString>("etichetta");

        // At 70 the slider does not move, so no change event replaces the text.
        QTest::newRow("70, the slider's own value") << 70 << 70 << Msg0012 + QStringLiteral(" 70");
        QTest::newRow("130, the default") << 130 << 130 << Msg0014 + QStringLiteral(" 130");
        QTest::newRow("200, the top") << 200 << 200 << Msg0014 + QStringLiteral(" 200");
        QTest::newRow("75, one step up") << 75 << 75 << Msg0014 + QStringLiteral(" 75");
        // Outside the range the speed is clamped first; at the bottom end the
        // slider then stays put and the opening text remains.
        QTest::newRow("50 clamped to 70") << 50 << 70 << Msg0012 + QStringLiteral(" 70");
        QTest::newRow("0 from a zeroed file") << 0 << 70 << Msg0012 + QStringLiteral(" 70");
        QTest::newRow("negative") << -5 << 70 << Msg0012 + QStringLiteral(" 70");
        QTest::newRow("250 clamped to 200") << 250 << 200 << Msg0014 + QStringLiteral(" 200");
        QTest::newRow("32767") << 32767 << 200 << Msg0014 + QStringLiteral(" 200");
    }
    void etichettaAllApertura()
    {
        QFETCH(int, salvata);
        QFETCH(int, velocita);
        QFETCH(QString, etichetta);
        a->stato.Velocita = Integer(salvata);
        FormImposta *f = apri();
        QVERIFY(f);
        QCOMPARE(ctrl<QLabel>(f, "Label1")->text(), etichetta);
        QCOMPARE(int(a->stato.Velocita), velocita);
        QCOMPARE(ctrl<QSlider>(f, "HScroll1")->value(), velocita);
        // The engine speaks at the speed the label shows.
        QVERIFY(motoreImposta()->chiamate.contains(QStringLiteral("SpeechSpeed:%1").arg(velocita)));
    }

    void ordineDelleChiamateAllApertura()
    {
        a->stato.Voce = 2;
        a->stato.Velocita = 110;
        FormImposta *f = apri();
        QVERIFY(f);
        // The list's selection event applies the same voice a second time,
        // between the speed and the stop.
        const QStringList attese{QStringLiteral("VoiceNumber:2"), QStringLiteral("SpeechSpeed:110"),
            QStringLiteral("VoiceNumber:2"), QStringLiteral("StopSpeech"), QStringLiteral("SpeakText:") + Msg0013};
        QCOMPARE(motoreImposta()->chiamate, attese);
        auto *combo = ctrl<QComboBox>(f, "Combo1");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("Italiano"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Italiano, voce femminile"));
        QCOMPARE(combo->currentIndex(), 1);
        QVERIFY(a->dialoghi.finestre.isEmpty());
        // Nothing reaches the program-wide engine while the screen is open.
        QCOMPARE(motoreBocca()->chiamate, (QStringList{QStringLiteral("VoiceNumber:1"), QStringLiteral("SpeechSpeed:130")}));
    }

    void voceOltreIlNumeroDelleVoci_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<QByteArray>("salvato");
        QTest::newRow("5 of 2 voices") << 5 << QByteArray(" 130 \r\n 5 \r\n");
        QTest::newRow("3 of 2 voices") << 3 << QByteArray(" 130 \r\n 3 \r\n");
        // 0 selects nothing either; the save then writes its default 1.
        QTest::newRow("0") << 0 << QByteArray(" 130 \r\n 1 \r\n");
    }
    void voceOltreIlNumeroDelleVoci()
    {
        QFETCH(int, voce);
        QFETCH(QByteArray, salvato);
        a->stato.Voce = Integer(voce);
        FormImposta *f = apri();
        QVERIFY(f);
        auto *combo = ctrl<QComboBox>(f, "Combo1");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), -1);
        // No selection event: the voice is asked for once only, and the
        // failure of that first request has no message.
        QCOMPARE(motoreImposta()->chiamate.count(QStringLiteral("VoiceNumber:%1").arg(voce)), 1);
        QVERIFY(a->dialoghi.finestre.isEmpty());
        QCOMPARE(int(a->stato.Voce), voce);
        f->BottoneEsci_Click();
        QCOMPARE(leggi(a->stato.FileImpostazioni), salvato);
    }

    void motoreSenzaVoci()
    {
        a->fabbrica.prepara = [](MotoreFinto &m) { m.voci.clear(); };
        a->stato.Voce = 1;
        FormImposta *f = apri();
        QVERIFY(f);
        QCOMPARE(ctrl<QComboBox>(f, "Combo1")->count(), 0);
        QCOMPARE(int(a->stato.Voce), 1);
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    void sceltaDiUnaVoce()
    {
        FormImposta *f = apri();
        motoreImposta()->chiamate.clear();
        ctrl<QComboBox>(f, "Combo1")->setCurrentIndex(1);
        QCOMPARE(int(a->stato.Voce), 2);
        QCOMPARE(motoreImposta()->chiamate, QStringList{QStringLiteral("VoiceNumber:2")});
        QCOMPARE(motoreImposta()->voce, 2);
        QVERIFY(a->dialoghi.finestre.isEmpty());
        // The rest of the program hears it only after the confirm button.
        QCOMPARE(motoreBocca()->voce, 1);
    }

    void voceCheNonSiPuoScegliere()
    {
        a->fabbrica.prepara = [](MotoreFinto &m) { m.vociGuaste = {2}; };
        FormImposta *f = apri();
        QVERIFY(a->dialoghi.finestre.isEmpty());
        ctrl<QComboBox>(f, "Combo1")->setCurrentIndex(1);
        QCOMPARE(a->dialoghi.finestre.size(), 1);
        QCOMPARE(a->dialoghi.finestre[0].tipo, QStringLiteral("avviso"));
        QCOMPARE(a->dialoghi.finestre[0].titolo, QStringLiteral("Numerella"));
        QCOMPARE(a->dialoghi.finestre[0].testo, Msg0015);
        // Voce keeps the number that failed, and the confirm button saves it.
        QCOMPARE(int(a->stato.Voce), 2);
        f->BottoneEsci_Click();
        QCOMPARE(leggi(a->stato.FileImpostazioni), QByteArray(" 130 \r\n 2 \r\n"));
        QCOMPARE(motoreBocca()->chiamate.mid(2),
            (QStringList{QStringLiteral("VoiceNumber:2"), QStringLiteral("SpeechSpeed:130")}));
    }

    void voceGuastaGiaAllApertura()
    {
        a->fabbrica.prepara = [](MotoreFinto &m) { m.vociGuaste = {2}; };
        a->stato.Voce = 2;
        FormImposta *f = apri();
        QVERIFY(f);
        QCOMPARE(a->dialoghi.tipi(), QStringList{QStringLiteral("avviso")});
        QCOMPARE(a->dialoghi.finestre[0].testo, Msg0015);
        // The load goes on after the message.
        QCOMPARE(motoreImposta()->chiamate.last(), QStringLiteral("SpeakText:") + Msg0013);
    }

    void cursoreDellaVelocita()
    {
        FormImposta *f = apri();
        auto *hs = ctrl<QSlider>(f, "HScroll1");
        auto *l1 = ctrl<QLabel>(f, "Label1");
        motoreImposta()->chiamate.clear();
        hs->setValue(150);
        QCOMPARE(int(a->stato.Velocita), 150);
        QCOMPARE(l1->text(), Msg0014 + QStringLiteral(" 150"));
        // The engine is not told until the next sample.
        QVERIFY(motoreImposta()->chiamate.isEmpty());

        hs->setFocus();
        QTest::keyClick(hs, Qt::Key_Right);
        QCOMPARE(int(a->stato.Velocita), 155);
        QTest::keyClick(hs, Qt::Key_PageUp);
        QCOMPARE(int(a->stato.Velocita), 175);
        QTest::keyClick(hs, Qt::Key_End);
        QCOMPARE(l1->text(), Msg0014 + QStringLiteral(" 200"));
        QTest::keyClick(hs, Qt::Key_Home);
        QCOMPARE(int(a->stato.Velocita), 70);
        QCOMPARE(l1->text(), Msg0014 + QStringLiteral(" 70"));
    }

    void esempioAllaNuovaVelocita()
    {
        FormImposta *f = apri();
        ctrl<QSlider>(f, "HScroll1")->setValue(90);
        motoreImposta()->chiamate.clear();
        motoreImposta()->emettiSampleRequest();
        QCOMPARE(motoreImposta()->chiamate,
            (QStringList{QStringLiteral("StopSpeech"), QStringLiteral("SpeechSpeed:90"),
                QStringLiteral("SpeakText:") + Msg0011}));
    }

    void ilPannelloChiedeLEsempio()
    {
        FormImposta *f = apri();
        auto *bocca = qobject_cast<PannelloBocca *>(f->controllo(QStringLiteral("Bocca")));
        QVERIFY(bocca);
        QVERIFY(bocca->isVisible());
        motoreImposta()->chiamate.clear();
        // The mouth itself is not a button ...
        QTest::mouseClick(bocca, Qt::LeftButton, {}, QPoint(bocca->width() / 2, 5));
        QVERIFY(motoreImposta()->chiamate.isEmpty());
        // ... the marked button below it is.
        QTest::mouseClick(bocca, Qt::LeftButton, {}, bocca->rettangoloBottone().center());
        QCOMPARE(motoreImposta()->chiamate.last(), QStringLiteral("SpeakText:") + Msg0011);
        // So is the space bar while the panel has the focus.
        motoreImposta()->chiamate.clear();
        bocca->setFocus();
        QTest::keyClick(bocca, Qt::Key_Space);
        QCOMPARE(motoreImposta()->chiamate.last(), QStringLiteral("SpeakText:") + Msg0011);
    }

    void conferma()
    {
        a->stato.Velocita = 130;
        a->stato.Voce = 1;
        FormImposta *f = apri();
        QPointer<FormImposta> guardia(f);
        ctrl<QSlider>(f, "HScroll1")->setValue(150);
        ctrl<QComboBox>(f, "Combo1")->setCurrentIndex(1);
        motoreBocca()->chiamate.clear();
        QTest::mouseClick(ctrl<QToolButton>(f, "BottoneEsci"), Qt::LeftButton);

        QCOMPARE(leggi(a->stato.FileImpostazioni), QByteArray(" 150 \r\n 2 \r\n"));
        QCOMPARE(motoreImposta() ? motoreImposta()->chiamate.last() : QStringLiteral("StopSpeech"),
            QStringLiteral("StopSpeech"));
        QVERIFY(a->registro.mostrato(QStringLiteral("FormMenu")));
        QCOMPARE(motoreBocca()->chiamate,
            (QStringList{QStringLiteral("VoiceNumber:2"), QStringLiteral("SpeechSpeed:150")}));
        QVERIFY(!a->registro.caricato(QStringLiteral("FormImposta")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guardia.isNull());
        // Its own engine went with it.
        QVERIFY(motoreImposta() == nullptr);
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    void chiusuraDellaFinestraComeConferma()
    {
        FormImposta *f = apri();
        ctrl<QSlider>(f, "HScroll1")->setValue(180);
        QVERIFY(!f->close()); // the program, not the window system, unloads it
        QCOMPARE(leggi(a->stato.FileImpostazioni), QByteArray(" 180 \r\n 1 \r\n"));
        QVERIFY(a->registro.mostrato(QStringLiteral("FormMenu")));
        QVERIFY(!a->registro.caricato(QStringLiteral("FormImposta")));
        QCOMPARE(a->terminazioni, 0);
    }

    void confermaUnaVoltaSola()
    {
        FormImposta *f = apri();
        int mostrato = 0;
        connect(&a->registro, &RegistroSchermi::schermoCaricato, this, [&](Schermo *s) {
            if (s->nomeForm() == QStringLiteral("FormMenu"))
                ++mostrato;
        });
        f->BottoneEsci_Click();
        f->BottoneEsci_Click();
        QCOMPARE(mostrato, 1);
        QCOMPARE(motoreBocca()->chiamate.count(QStringLiteral("SpeechSpeed:130")), 2); // load + confirm
    }

    void impostazioniNonScrivibili()
    {
        // A file where the folder should be: neither can be made.
        QFile intralcio(a->impostazioni.filePath(QStringLiteral("occupato")));
        QVERIFY(intralcio.open(QIODevice::WriteOnly));
        intralcio.close();
        a->stato.FileImpostazioni = a->impostazioni.filePath(QStringLiteral("occupato/numerella.INI"));
        FormImposta *f = apri();
        ctrl<QSlider>(f, "HScroll1")->setValue(160);
        f->BottoneEsci_Click();
        QCOMPARE(a->dialoghi.tipi(), QStringList{QStringLiteral("avviso")});
        QVERIFY(a->dialoghi.finestre[0].testo.contains(a->stato.FileImpostazioni));
        // The choice still holds for this run.
        QCOMPARE(motoreBocca()->velocita, 160);
        QVERIFY(a->registro.mostrato(QStringLiteral("FormMenu")));
        QVERIFY(!a->registro.caricato(QStringLiteral("FormImposta")));
    }

    void testiDellaLingua()
    {
        FormImposta *f = apri();
        // The designed title is empty and stays so, whatever the file says.
        QVERIFY(f->windowTitle().isEmpty());
        QCOMPARE(ctrl<QToolButton>(f, "BottoneEsci")->text(), QStringLiteral("Fatto"));
        auto *bocca = qobject_cast<PannelloBocca *>(f->controllo(QStringLiteral("Bocca")));
        QCOMPARE(bocca->text(), QStringLiteral("Senti"));
        QCOMPARE(bocca->toolTip(), QStringLiteral("Senti come parla"));
        QAccessibleInterface *acc = QAccessible::queryAccessibleInterface(bocca);
        QVERIFY(acc);
        QCOMPARE(acc->text(QAccessible::Name), QStringLiteral("Senti"));
        QCOMPARE(acc->role(), QAccessible::Button);
    }

    void riempieLoSchermo()
    {
        FormImposta *f = apri();
        QCOMPARE(f->pos(), QPoint(0, 0));
        QCOMPARE(f->frameGeometry().size(), QSize(1024, 768));
        // Controls follow the screen: the confirm button keeps its share.
        auto *b = ctrl<QToolButton>(f, "BottoneEsci");
        QVERIFY(std::abs(b->x() - 4320.0 / 8400 * f->client()->width()) <= 2);
        QVERIFY(b->iconSize().height() >= 16);
    }
};

QTEST_MAIN(TstFormImposta)
#include "tst_formimposta.moc"
