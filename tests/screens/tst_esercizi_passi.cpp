// Whole problems on the addition and the subtraction screen: the right
// presses step by step with what is shown, spoken and heard after each one,
// and every kind of wrong press in every step.

#include "ambienteesercizi.h"

#include <QtTest>

namespace {

const QString Prompt0005 = QStringLiteral("Scrivi l'operazione!");
const QString Prompt0007 = QStringLiteral("Adesso scrivi l'operazione.");

// The presses that are right, step by step, for a problem.
QString sequenzaGiusta(int schermo, int n3, int n1)
{
    const int n2 = n3 - n1;
    auto d = [](int n) { return QString::number(n); };
    return schermo == 1 ? d(n1) + d(n2) + d(n3) + d(n1) + u'+' + d(n2) + u'=' + d(n3)
                        : d(n3) + d(n1) + d(n2) + d(n3) + u'-' + d(n1) + u'=' + d(n2);
}

QString animazione(const AmbienteEsercizi &a, const QString &file)
{
    return a.programma.filePath(QStringLiteral("gifanimate/") + file);
}

// What the tables say is on view at a step: the labels, the cells with
// their pictures, and "avanti".
void verificaVista(const AmbienteEsercizi &a, FormEsercizio *f, int schermo, int passo, bool risultatoGiusto,
                   const QString &file1, const QString &file2)
{
    const int n1 = a.stato.Numero1;
    const int n3 = a.stato.Numero3;
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(f->domanda(k)->isVisibleTo(f), passo >= k);
        QCOMPARE(f->risposta(k)->isVisibleTo(f), passo >= k + 1);
    }
    QCOMPARE(f->operazione()->isVisibleTo(f), passo >= 3);
    QCOMPARE(f->bottoneAvanti()->isVisibleTo(f), risultatoGiusto);
    for (int i = 0; i < 9; ++i) {
        bool visibile = false;
        QString file;
        if (schermo == 1) {
            if (i < n1) {
                visibile = true;
                file = file1;
            } else if (i < n3 && passo >= 1) {
                visibile = true;
                file = file2;
            }
        } else if (i < n3) {
            visibile = true;
            file = (passo >= 1 && i < n1) ? file2 : file1;
        }
        QVERIFY2(f->cella(i)->isVisibleTo(f) == visibile, qPrintable(QStringLiteral("cell %1").arg(i)));
        if (visibile) {
            QCOMPARE(f->cella(i)->file(), animazione(a, file));
            QVERIFY2(f->cella(i)->width() > 40 && f->cella(i)->height() > 40,
                     qPrintable(QStringLiteral("cell %1 is %2x%3")
                                    .arg(i)
                                    .arg(f->cella(i)->width())
                                    .arg(f->cella(i)->height())));
        }
    }
}

} // namespace

class TstEserciziPassi : public QObject
{
    Q_OBJECT
    std::unique_ptr<AmbienteEsercizi> a;

private Q_SLOTS:
    void init() { a = std::make_unique<AmbienteEsercizi>(); }
    void cleanup() { a.reset(); }

    void problemaGiusto_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("riga");
        QTest::addColumn<int>("n3");
        QTest::addColumn<int>("n1");
        QTest::addColumn<QString>("pressioni");
        QTest::addColumn<QStringList>("risposte");
        QTest::addColumn<QString>("operazione");
        QTest::addColumn<QString>("finale");
        QTest::addColumn<QString>("file1");
        QTest::addColumn<QString>("file2");

        const QString palla = QStringLiteral("palla.gif"), stella = QStringLiteral("stella.gif");
        const QString gatto = QStringLiteral("gatto.gif"), cane = QStringLiteral("cane.gif");
        const QString mela = QStringLiteral("mela.gif"), morso = QStringLiteral("morso.gif");
        const QString uccello = QStringLiteral("uccello.gif"), volo = QStringLiteral("volo.gif");

        QTest::newRow("addition 3 + 2 = 5")
            << 1 << 1 << 5 << 3 << QStringLiteral("3253+2=5")
            << QStringList {"Ci sono  3 palle.", "Arrivano  2 stelle.", "Adesso ci sono  5 cose."}
            << QStringLiteral(" 3 +  2 =  5") << QStringLiteral(" 3 +  2 =  5") << palla << stella;
        QTest::newRow("addition second term 0: 4 + 0 = 4")
            << 1 << 2 << 4 << 4 << QStringLiteral("4044+0=4")
            << QStringList {"Ci sono  4 gatti.", "Non arriva nessun cane.", "Ci sono  4 animali."}
            << QStringLiteral(" 4 +  0 =  4") << QStringLiteral(" 4 +  0 =  4") << gatto << cane;
        QTest::newRow("addition total 1: 1 + 0 = 1")
            << 1 << 1 << 1 << 1 << QStringLiteral("1011+0=1")
            << QStringList {"C'è una palla.", "Non arriva nessuna stella.", "Adesso c'è una cosa sola."}
            << QStringLiteral(" 1 +  0 =  1") << QStringLiteral(" 1 +  0 =  1") << palla << stella;
        QTest::newRow("addition second term 1: 5 + 1 = 6")
            << 1 << 1 << 6 << 5 << QStringLiteral("5165+1=6")
            << QStringList {"Ci sono  5 palle.", "Arriva una stella.", "Adesso ci sono  6 cose."}
            << QStringLiteral(" 5 +  1 =  6") << QStringLiteral(" 5 +  1 =  6") << palla << stella;
        QTest::newRow("addition nine things: 1 + 8 = 9")
            << 1 << 2 << 9 << 1 << QStringLiteral("1891+8=9")
            << QStringList {"C'è un gatto.", "Arrivano  8 cani.", "Ci sono  9 animali."}
            << QStringLiteral(" 1 +  8 =  9") << QStringLiteral(" 1 +  8 =  9") << gatto << cane;
        QTest::newRow("subtraction 7 - 3 = 4")
            << 2 << 1 << 7 << 3 << QStringLiteral("7347-3=4")
            << QStringList {"Ci sono  7 mele.", "Leo mangia  3 mele.", "Rimangono  4 mele."}
            << QStringLiteral(" 7 -  3 =  4") << QStringLiteral("7 meno 3 fa 4") << mela << morso;
        QTest::newRow("subtraction all gone: 5 - 5 = 0")
            << 2 << 2 << 5 << 5 << QStringLiteral("5505-5=0")
            << QStringList {"Ci sono  5 uccelli.", "Volano via  5 uccelli.", "Non resta nessun uccello."}
            << QStringLiteral(" 5 -  5 =  0") << QStringLiteral("5 meno 5 fa 0") << uccello << volo;
        QTest::newRow("subtraction total 1: 1 - 1 = 0")
            << 2 << 1 << 1 << 1 << QStringLiteral("1101-1=0")
            << QStringList {"C'è una mela.", "Leo mangia una mela.", "Non rimane nessuna mela."}
            << QStringLiteral(" 1 -  1 =  0") << QStringLiteral("1 meno 1 fa 0") << mela << morso;
        QTest::newRow("subtraction one left: 9 - 8 = 1")
            << 2 << 2 << 9 << 8 << QStringLiteral("9819-8=1")
            << QStringList {"Ci sono  9 uccelli.", "Volano via  8 uccelli.", "Resta un uccello."}
            << QStringLiteral(" 9 -  8 =  1") << QStringLiteral("9 meno 8 fa 1") << uccello << volo;
    }

    void problemaGiusto()
    {
        QFETCH(int, schermo);
        QFETCH(int, riga);
        QFETCH(int, n3);
        QFETCH(int, n1);
        QFETCH(QString, pressioni);
        QFETCH(QStringList, risposte);
        QFETCH(QString, operazione);
        QFETCH(QString, finale);
        QFETCH(QString, file1);
        QFETCH(QString, file2);

        QCOMPARE(pressioni, sequenzaGiusta(schermo, n3, n1)); // the table and the roles agree
        FormEsercizio *f = a->apri(schermo, riga, n3, n1);
        QVERIFY(f);
        QCOMPARE(int(a->stato.ProblemaCorrente), riga);
        QCOMPARE(int(a->stato.Numero3), n3);
        QCOMPARE(int(a->stato.Numero1), n1);
        QCOMPARE(int(a->stato.Numero2), n3 - n1);
        MotoreFinto *m = a->motore();
        // Opening: only the first question is read.
        QCOMPARE(m->testi, QStringList {preparaTesto(f->domanda(0)->text())});
        QCOMPARE(int(a->stato.Passo), 0);
        verificaVista(*a, f, schermo, 0, false, file1, file2);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(f->risposta(k)->text(), risposte.at(k));

        for (int passo = 0; passo < 8; ++passo) {
            const qsizetype parlati = m->testi.size();
            const qsizetype suonati = a->suoni.suonati.size();
            premi(f, pressioni.at(passo));
            const QStringList nuovi = m->testi.mid(parlati);
            const QStringList suoni = a->suoni.suonati.mid(suonati);
            const int passoDopo = passo == 7 ? 7 : passo + 1;
            QCOMPARE(int(a->stato.Passo), passoDopo);
            QCOMPARE(int(a->stato.NumeroErrati), 0);
            verificaVista(*a, f, schermo, passoDopo, passo == 7, file1, file2);
            // The story steps and the last step are silent; the four that
            // build the operation give the right sound.
            QCOMPARE(suoni,
                     (passo >= 3 && passo <= 6) ? QStringList {QStringLiteral("esatto")} : QStringList {});
            switch (passo) {
            case 0:
                QCOMPARE(nuovi,
                         (QStringList {preparaTesto(risposte.at(0)), preparaTesto(f->domanda(1)->text())}));
                break;
            case 1:
                QCOMPARE(nuovi,
                         (QStringList {preparaTesto(risposte.at(1)), preparaTesto(f->domanda(2)->text())}));
                break;
            case 2:
                // The addition reads its prompt; the subtraction only shows it.
                if (schermo == 1) {
                    QCOMPARE(nuovi, (QStringList {preparaTesto(risposte.at(2)), preparaTesto(Prompt0005)}));
                    QCOMPARE(f->operazione()->text(), Prompt0005);
                } else {
                    QCOMPARE(nuovi, QStringList {preparaTesto(risposte.at(2))});
                    QCOMPARE(f->operazione()->text(), Prompt0007);
                }
                break;
            case 3:
            case 4:
            case 5:
            case 6:
                QVERIFY(nuovi.isEmpty());
                QCOMPARE(f->operazione()->text(),
                         operazione.left(passo == 3       ? 2
                                             : passo == 4 ? 5
                                             : passo == 5 ? 7
                                                          : 10));
                break;
            case 7:
                QCOMPARE(f->operazione()->text(), operazione);
                QCOMPARE(nuovi, QStringList {preparaTesto(finale)});
                QCOMPARE(a->parla->TestoDaDire, finale);
                break;
            }
            QCOMPARE(int(a->stato.NumeroEsatti), passo == 7 ? 1 : 0);
        }
        QCOMPARE(f->esatti()->text(), QStringLiteral(" 1"));
        QVERIFY(f->iconaSi()->isVisibleTo(f));
        QVERIFY(!f->iconaNo()->isVisibleTo(f));

        // Passo stays 7: the same digit is taken again, counted and read again.
        const qsizetype parlati = m->testi.size();
        premi(f, pressioni.at(7));
        QCOMPARE(int(a->stato.Passo), 7);
        QCOMPARE(f->operazione()->text(), operazione + operazione.right(2));
        QCOMPARE(int(a->stato.NumeroEsatti), 2);
        QCOMPARE(f->esatti()->text(), QStringLiteral(" 2"));
        QCOMPARE(m->testi.size(), parlati + 1);
        QCOMPARE(int(a->stato.NumeroErrati), 0);
    }

    void pressioneSbagliata_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("passo");
        QTest::addColumn<QChar>("tasto");
        const QString tasti = QStringLiteral("0123456789+-=");
        for (int schermo = 1; schermo <= 2; ++schermo) {
            // Addition 3 + 2 = 5, subtraction 7 - 3 = 4.
            const QString giuste = schermo == 1 ? sequenzaGiusta(1, 5, 3) : sequenzaGiusta(2, 7, 3);
            for (int passo = 0; passo < 8; ++passo) {
                for (QChar t : tasti) {
                    if (t == giuste.at(passo))
                        continue;
                    QTest::addRow("%s step %d press %c", schermo == 1 ? "addition" : "subtraction", passo,
                                  char(t.unicode()))
                        << schermo << passo << t;
                }
            }
        }
    }

    void pressioneSbagliata()
    {
        QFETCH(int, schermo);
        QFETCH(int, passo);
        QFETCH(QChar, tasto);
        FormEsercizio *f = schermo == 1 ? a->apri(1, 1, 5, 3) : a->apri(2, 1, 7, 3);
        QVERIFY(f);
        const QString giuste = schermo == 1 ? sequenzaGiusta(1, 5, 3) : sequenzaGiusta(2, 7, 3);
        for (int k = 0; k < passo; ++k)
            premi(f, giuste.at(k));
        QCOMPARE(int(a->stato.Passo), passo);

        // Everything the press must leave alone.
        auto fotografia = [&] {
            QStringList s;
            for (int k = 0; k < 3; ++k)
                s << f->domanda(k)->text() << QString::number(f->domanda(k)->isVisibleTo(f))
                  << f->risposta(k)->text() << QString::number(f->risposta(k)->isVisibleTo(f));
            s << f->operazione()->text() << QString::number(f->operazione()->isVisibleTo(f));
            for (int i = 0; i < 9; ++i)
                s << f->cella(i)->file() << QString::number(f->cella(i)->isVisibleTo(f));
            s << QString::number(f->bottoneAvanti()->isVisibleTo(f)) << f->esatti()->text();
            s << QString::number(a->stato.Numero1) << QString::number(a->stato.Numero2)
              << QString::number(a->stato.Numero3) << QString::number(a->stato.ProblemaCorrente);
            return s;
        };
        const QStringList prima = fotografia();
        const qsizetype parlati = a->motore()->testi.size();
        const qsizetype suonati = a->suoni.suonati.size();
        QVERIFY(f->iconaSi()->isVisibleTo(f));

        premi(f, tasto);

        QCOMPARE(int(a->stato.Passo), passo);
        QCOMPARE(fotografia(), prima);
        QCOMPARE(int(a->stato.NumeroErrati), 1);
        QCOMPARE(f->errati()->text(), QStringLiteral(" 1"));
        QCOMPARE(int(a->stato.NumeroEsatti), 0);
        QVERIFY(f->iconaNo()->isVisibleTo(f));
        QVERIFY(!f->iconaSi()->isVisibleTo(f));
        QCOMPARE(a->suoni.suonati.mid(suonati), QStringList {QStringLiteral("errato")});
        QCOMPARE(a->motore()->testi.size(), parlati);

        // A second wrong press counts on; then the right one still works.
        premi(f, tasto);
        QCOMPARE(f->errati()->text(), QStringLiteral(" 2"));
        premi(f, giuste.at(passo));
        QCOMPARE(int(a->stato.Passo), passo == 7 ? 7 : passo + 1);
    }

    void celleDuranteLaPrimaDomanda_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("celleMentreParla");
        // The addition shows its first things before the question; the
        // subtraction shows them all together once the question is read.
        QTest::newRow("addition") << 1 << 3;
        QTest::newRow("subtraction") << 2 << 0;
    }

    void celleDuranteLaPrimaDomanda()
    {
        QFETCH(int, schermo);
        QFETCH(int, celleMentreParla);
        int viste = -1;
        QObject::connect(a->motore(), &MotoreVoce::statoCambiato, a->motore(), [&](bool parla) {
            if (!parla || viste >= 0)
                return;
            FormEsercizio *f = a->schermo(schermo == 1 ? QStringLiteral("Form1") : QStringLiteral("Form2"));
            viste = 0;
            for (int i = 0; i < 9; ++i)
                viste += f->cella(i)->isVisibleTo(f) ? 1 : 0;
            QVERIFY(f->domanda(0)->isVisibleTo(f));
        });
        FormEsercizio *f = schermo == 1 ? a->apri(1, 1, 5, 3) : a->apri(2, 1, 5, 3);
        QCOMPARE(viste, celleMentreParla);
        int dopo = 0;
        for (int i = 0; i < 9; ++i)
            dopo += f->cella(i)->isVisibleTo(f) ? 1 : 0;
        QCOMPARE(dopo, schermo == 1 ? 3 : 5);
    }

    // The wrong icon stays up through right presses until an operation is
    // finished, and into the next problem.
    void iconaSbagliataResta()
    {
        FormEsercizio *f = a->apri(1, 1, 5, 3);
        premi(f, u'4');
        premi(f, u'3');
        QVERIFY(f->iconaNo()->isVisibleTo(f));
        QVERIFY(!f->iconaSi()->isVisibleTo(f));
        for (QChar t : QStringLiteral("253+2=")) {
            premi(f, t);
            QVERIFY(f->iconaNo()->isVisibleTo(f));
        }
        premi(f, u'5');
        QVERIFY(f->iconaSi()->isVisibleTo(f));
        QVERIFY(!f->iconaNo()->isVisibleTo(f));

        premi(f, u'9'); // wrong after the finish
        a->prossimo(1, 2, 4, 4);
        QTest::mouseClick(f->bottoneAvanti(), Qt::LeftButton);
        QCOMPARE(int(a->stato.Passo), 0);
        QVERIFY(f->iconaNo()->isVisibleTo(f));
    }

    // "avanti" starts a fresh problem: everything of the old one is hidden.
    void avantiNuovoProblema()
    {
        FormEsercizio *f = a->apri(2, 1, 7, 3);
        for (QChar t : sequenzaGiusta(2, 7, 3))
            premi(f, t);
        QVERIFY(f->bottoneAvanti()->isVisibleTo(f));
        a->prossimo(2, 2, 2, 1);
        QTest::mouseClick(f->bottoneAvanti(), Qt::LeftButton);
        QCOMPARE(int(a->stato.Passo), 0);
        QCOMPARE(int(a->stato.ProblemaCorrente), 2);
        QCOMPARE(int(a->stato.Numero3), 2);
        QCOMPARE(f->domanda(0)->text(), QStringLiteral("Quanti uccelli ci sono?"));
        verificaVista(*a, f, 2, 0, false, QStringLiteral("uccello.gif"), QStringLiteral("volo.gif"));
        QCOMPARE(int(a->stato.NumeroEsatti), 1);
        QCOMPARE(f->esatti()->text(), QStringLiteral(" 1"));
    }

    // While a sentence is read the number and operator buttons are locked;
    // "avanti", the repeat button and the menus are not.
    void bottoniBloccatiMentreParla()
    {
        a->fabbrica.creati.value(0)->durataMs = 30;
        FormEsercizio *f = a->apri(1, 1, 5, 3);
        bool controllato = false;
        QTimer::singleShot(5, f, [&] {
            QVERIFY(a->motore()->SpeakingStatus() != 0);
            for (int i = 0; i < 10; ++i)
                QVERIFY(!f->bottoneCifra(i)->isEnabled());
            QVERIFY(!f->bottonePiu()->isEnabled());
            QVERIFY(!f->bottoneMeno()->isEnabled());
            QVERIFY(!f->bottoneUguale()->isEnabled());
            QVERIFY(f->bottoneRipeti()->isEnabled());
            QVERIFY(f->bottoneAvanti()->isEnabled());
            QVERIFY(f->menuEsci()->isEnabled());
            // A press now does nothing at all.
            QTest::mouseClick(f->bottoneCifra(9), Qt::LeftButton);
            QCOMPARE(int(a->stato.NumeroErrati), 0);
            controllato = true;
        });
        premi(f, u'3');
        QVERIFY(controllato);
        QCOMPARE(int(a->stato.Passo), 1);
        for (int i = 0; i < 10; ++i)
            QVERIFY(f->bottoneCifra(i)->isEnabled());
    }
};

QTEST_MAIN(TstEserciziPassi)
#include "tst_esercizi_passi.moc"
