// Every shipped story played to its end on its screen, with the shipped
// Italian language file: the sentences that a child hears are all there,
// every animation a story names decodes, and the operation and the closing
// sentence come out as designed.

#include "ambienteesercizi.h"

#include <QtTest>

namespace {

struct Problema {
    int n3, n1;
};
// A general case for each kind: no sentence for one or zero is chosen.
constexpr Problema Addizione {7, 4};
constexpr Problema Sottrazione {6, 2};

} // namespace

class TstEserciziStorie : public QObject
{
    Q_OBJECT
    std::unique_ptr<AmbienteEsercizi> a;

private Q_SLOTS:
    void init()
    {
        a = std::make_unique<AmbienteEsercizi>(AmbienteEsercizi::datiProgramma(), QStringLiteral("Italiano"));
        AmbienteEsercizi::copiaCartella(AmbienteEsercizi::datiProgramma() + QStringLiteral("/gifanimate"),
                                        a->programma.filePath(QStringLiteral("gifanimate")));
    }
    void cleanup() { a.reset(); }

    void storia_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("riga");
        Modulo1 m;
        QCOMPARE(CaricaListe(m, AmbienteEsercizi::datiProgramma()), QString());
        QVERIFY(m.NumeroTesti1 > 0 && m.NumeroTesti2 > 0);
        for (int r = 1; r <= m.NumeroTesti1; ++r)
            QTest::addRow("addition %d: %s", r, qPrintable(m.Testi1[r][3])) << 1 << r;
        for (int r = 1; r <= m.NumeroTesti2; ++r)
            QTest::addRow("subtraction %d: %s", r, qPrintable(m.Testi2[r][3])) << 2 << r;
    }

    void storia()
    {
        QFETCH(int, schermo);
        QFETCH(int, riga);
        const Problema p = schermo == 1 ? Addizione : Sottrazione;
        FormEsercizio *f = a->apri(schermo, riga, p.n3, p.n1);
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("Numerella"));
        const int n2 = p.n3 - p.n1;
        auto d = [](int n) { return QString::number(n); };
        const QString seq = schermo == 1
            ? d(p.n1) + d(n2) + d(p.n3) + d(p.n1) + u'+' + d(n2) + u'=' + d(p.n3)
            : d(p.n3) + d(p.n1) + d(n2) + d(p.n3) + u'-' + d(p.n1) + u'=' + d(n2);
        for (QChar t : seq)
            premi(f, t);
        QCOMPARE(int(a->stato.Passo), 7);
        QCOMPARE(int(a->stato.NumeroEsatti), 1);
        QCOMPARE(int(a->stato.NumeroErrati), 0);

        // The sentences: questions as written, answers with the number text.
        const int numeri[3]
            = {schermo == 1 ? p.n1 : p.n3, schermo == 1 ? n2 : p.n1, schermo == 1 ? p.n3 : n2};
        for (int k = 0; k < 3; ++k) {
            QVERIFY2(!f->domanda(k)->text().trimmed().isEmpty(),
                     qPrintable(QStringLiteral("question %1").arg(k + 1)));
            QVERIFY2(f->risposta(k)->text().contains(QStringLiteral("  %1 ").arg(numeri[k])),
                     qPrintable(f->risposta(k)->text()));
        }
        if (schermo == 1) {
            QCOMPARE(f->operazione()->text(), QStringLiteral(" 4 +  3 =  7"));
            QCOMPARE(a->parla->TestoDaDire, QStringLiteral(" 4 +  3 =  7"));
        } else {
            QCOMPARE(f->operazione()->text(), QStringLiteral(" 6 -  2 =  4"));
            QCOMPARE(a->parla->TestoDaDire, QStringLiteral("6 meno 2 fa 4"));
        }
        // Every thing on view plays an animation that exists and decodes.
        int viste = 0;
        for (int i = 0; i < 9; ++i) {
            CellaAnimata *c = f->cella(i);
            if (!c->isVisibleTo(f))
                continue;
            ++viste;
            QVERIFY2(!c->vuota(), qPrintable(c->file()));
            QVERIFY2(c->inRiproduzione(), qPrintable(c->file()));
        }
        QCOMPARE(viste, p.n3);
    }
};

QTEST_MAIN(TstEserciziStorie)
#include "tst_esercizi_storie.moc"
