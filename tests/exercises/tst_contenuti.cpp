// The shipped stories and animations: every answer sentence built for every
// number its step can be given is well formed, and every animation a story
// names is there and decodes.

#include "testi.h"

#include <QDir>
#include <QMovie>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// What a sentence handed to the speech engine must not look like.
QString difetto(const QString &frase)
{
    static const QRegularExpression numero(QStringLiteral("  \\d "));
    // An apostrophe standing for an accent ("e'") is read badly.
    static const QRegularExpression accentoFinto(QStringLiteral("[aeiouAEIOU]['’](?=$|[\\s.,;:!?])"));
    if (frase.trimmed().isEmpty() || frase != frase.trimmed() || !frase.front().isUpper())
        return QStringLiteral("empty, blank at an end or no capital");
    if (!QStringLiteral(".!?").contains(frase.back()))
        return QStringLiteral("no final stop");
    // Only the designed double blank, before the number of the answer rule.
    if (QString(frase).replace(numero, QStringLiteral(" 0 ")).contains(u"  "))
        return QStringLiteral("doubled blank");
    return accentoFinto.match(frase).hasMatch() ? QStringLiteral("apostrophe used as an accent") : QString();
}

} // namespace

class TestContenuti : public QObject
{
    Q_OBJECT
    std::vector<Storia> testi1, testi2;

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(CaricaListe(testi1, testi2, qEnvironmentVariable("NUMERELLA_DATA")), QString());
        QVERIFY(testi1.size() >= 30 && testi2.size() >= 30);
    }

    void frasi()
    {
        QStringList difetti;
        auto controlla = [&](const QString &frase) {
            if (const QString d = difetto(frase); !d.isEmpty())
                difetti << QStringLiteral("\"%1\": %2").arg(frase, d);
        };
        for (const auto *t : {&testi1, &testi2}) {
            for (const Storia &s : *t) {
                for (const QString &d : {s.domanda1, s.domanda2, s.domanda3}) {
                    controlla(d);
                    if (!d.endsWith(u'?'))
                        difetti << d + QStringLiteral(": not a question");
                }
                for (int n = 0; n <= 9; ++n) {
                    for (const FraseRisposta *r : {&s.risposta1, &s.risposta2, &s.risposta3})
                        controlla(r->per(n));
                }
            }
        }
        difetti.removeDuplicates();
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join(u'\n')));
    }

    // Opened by the name as the story writes it, every frame; none unused.
    void animazioni()
    {
        QSet<QString> nominate;
        for (const auto *t : {&testi1, &testi2}) {
            for (const Storia &s : *t)
                nominate << s.fileCi << s.fileCambia;
        }
        const QDir cartella(qEnvironmentVariable("NUMERELLA_DATA") + QStringLiteral("/gifanimate"));
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
