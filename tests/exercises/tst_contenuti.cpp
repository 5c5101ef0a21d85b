// The shipped stories and animations, played the way the screens play them:
// every story with every pair of numbers it can be given, every sentence
// well formed, every animation it names present and decodable.

#include "casuale.h"
#include "problema.h"

#include <QDir>
#include <QMovie>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString dati()
{
    return qEnvironmentVariable("NUMERELLA_DATA");
}

// What a sentence handed to the speech engine must not look like.
QString difetto(const QString &frase, const QString &fine)
{
    if (frase.trimmed().isEmpty())
        return QStringLiteral("empty");
    if (frase != frase.trimmed() || !frase.front().isUpper())
        return QStringLiteral("blank at an end or no capital");
    if (!fine.contains(frase.back()))
        return QStringLiteral("ends with %1").arg(frase.back());
    // Only the designed double blank, before the number of the answer rule.
    if (QString(frase).replace(QRegularExpression(QStringLiteral("  \\d ")), QStringLiteral(" 0 ")).contains(u"  "))
        return QStringLiteral("doubled blank");
    // An apostrophe standing for an accent ("e'") is read badly.
    static const QRegularExpression accentoFinto(QStringLiteral("[aeiouAEIOU]['’](?=$|[\\s.,;:!?])"));
    if (accentoFinto.match(frase).hasMatch())
        return QStringLiteral("apostrophe used as an accent");
    return QString();
}

} // namespace

class TestContenuti : public QObject
{
    Q_OBJECT
    std::vector<Storia> testi1, testi2;

private Q_SLOTS:
    void initTestCase() { QCOMPARE(CaricaListe(testi1, testi2, dati()), QString()); }

    void storie_data()
    {
        QTest::addColumn<bool>("sottrazione");
        QTest::newRow("addizione") << false;
        QTest::newRow("sottrazione") << true;
    }

    void storie()
    {
        QFETCH(bool, sottrazione);
        const std::vector<Storia> &storie = sottrazione ? testi2 : testi1;
        QVERIFY(storie.size() >= 30);
        Casuale c;
        Integer esatti = 0, errati = 0;
        Problema p(sottrazione ? Operazione::perSottrazione() : Operazione::perAddizione(), storie, c, esatti, errati,
                   [](const QString &) { return QStringLiteral("Scrivi."); });
        QStringList difetti;
        for (int riga = 1; riga <= int(storie.size()); ++riga) {
            for (int n3 = 1; n3 <= 9; ++n3) {
                for (int n1 = 1; n1 <= n3; ++n1) {
                    std::vector<Passaggio> passi = p.inizia(riga, n3, n1).passi;
                    // The three questions ask for the numbers in story order.
                    const int ordine[3]
                        = {sottrazione ? n3 : n1, sottrazione ? n1 : n3 - n1, sottrazione ? n3 - n1 : n3};
                    for (int k = 0; k < 3; ++k) {
                        const Esito e = p.premi({Tasto::Cifra, ordine[k]});
                        QVERIFY(e.giusto);
                        passi.insert(passi.end(), e.passi.begin(), e.passi.end());
                    }
                    for (const Passaggio &s : passi) {
                        if (s.tipo != Passaggio::Tipo::Parla || s.testo == QLatin1String("Scrivi."))
                            continue;
                        const QString d
                            = difetto(s.testo, s.testo.endsWith(u'?') ? QStringLiteral("?") : QStringLiteral(".!"));
                        if (!d.isEmpty())
                            difetti << QStringLiteral("story %1, %2 and %3: \"%4\": %5")
                                           .arg(riga)
                                           .arg(n3)
                                           .arg(n1)
                                           .arg(s.testo, d);
                    }
                }
            }
        }
        difetti.removeDuplicates();
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join(u'\n')));
    }

    // Every animation a story names opens by that exact name and has every
    // frame; none is left that no story names.
    void animazioni()
    {
        QSet<QString> nominate;
        for (const auto *t : {&testi1, &testi2}) {
            for (const Storia &s : *t)
                nominate << s.fileCi << s.fileCambia;
        }
        const QDir cartella(dati() + QStringLiteral("/gifanimate"));
        const QStringList presenti = cartella.entryList(QDir::Files);
        QCOMPARE(QSet<QString>(presenti.begin(), presenti.end()), nominate);
        for (const QString &nome : nominate) {
            QMovie film(cartella.filePath(nome));
            QVERIFY2(film.isValid() && film.frameCount() > 1, qPrintable(nome));
            for (int i = 0; i < film.frameCount(); ++i)
                QVERIFY2(film.jumpToFrame(i) && !film.currentImage().isNull(), qPrintable(nome));
        }
    }
};

QTEST_MAIN(TestContenuti)
#include "tst_contenuti.moc"
