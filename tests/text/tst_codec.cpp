// Text files are Windows-1252 unless their bytes are valid UTF-8 (with or without a BOM).

#include "codec.h"

#include <QtTest>

class TstCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("testo");
        QTest::newRow("Windows-1252") << QByteArray("C'\xe8 \x80\x92") << QStringLiteral("C'\u00e8 \u20ac\u2019");
        QTest::newRow("UTF-8 without BOM") << QByteArray("C'\xc3\xa8") << QStringLiteral("C'\u00e8");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf"
                                                      "C'\xc3\xa8")
                                        << QStringLiteral("C'\u00e8");
        QTest::newRow("one byte breaking UTF-8: all 1252")
            << QByteArray("\xc3\xa8\xe8") << QStringLiteral("\u00c3\u00a8\u00e8");
    }
    void decodifica()
    {
        QFETCH(QByteArray, byte);
        QTEST(decodificaTesto(byte), "testo");
    }
};

QTEST_GUILESS_MAIN(TstCodec)
#include "tst_codec.moc"
