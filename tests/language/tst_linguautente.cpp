// The language choice of an installed program: when the program folder
// cannot be written the choice goes to the user's own LangSetting.ini in the
// settings folder, and that copy, once there, is read first.

#include "cartellasolalettura.h"
#include "codec.h"
#include "modlanguagesupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

QByteArray langSetting(const QByteArray &lingua)
{
    return "[Language]\r\nCurrentLanguage=" + lingua + "\r\n";
}

QByteArray leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

// What the user's copy holds in a row: absent, a folder of that name, or bytes.
const QByteArray Assente = "<assente>";
const QByteArray Cartella = "<cartella>";

} // namespace

class TstLinguaUtente : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString programma() const { return m_dir->filePath(QStringLiteral("programma")); }
    // Not made in advance: saving makes it when needed.
    QString impostazioni() const { return m_dir->filePath(QStringLiteral("config/ImpostazioniProgrammiZefra")); }
    QString diProgramma() const { return programma() + QStringLiteral("/LangSetting.ini"); }
    QString diUtente() const { return impostazioni() + QStringLiteral("/LangSetting.ini"); }

    void metti(const QString &percorso, const QByteArray &contenuto)
    {
        if (contenuto == Assente)
            return;
        QDir().mkpath(QFileInfo(percorso).path());
        if (contenuto == Cartella) {
            QVERIFY(QDir().mkpath(percorso));
            return;
        }
        QVERIFY(scriviFileAtomico(percorso, contenuto));
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(programma()));
        QVERIFY(scriviFileAtomico(programma() + QStringLiteral("/Italiano.lng"), "[Strings]\r\n0001=\"Esci?\"\r\n"));
        QVERIFY(scriviFileAtomico(programma() + QStringLiteral("/English.lng"), "[Strings]\r\n0001=\"Quit?\"\r\n"));
    }
    void cleanup() { m_dir.reset(); }

    void lettura_data()
    {
        QTest::addColumn<QByteArray>("delProgramma");
        QTest::addColumn<QByteArray>("dellUtente");
        QTest::addColumn<QString>("attesa"); // "<nessuna>": nothing could be read

        const QByteArray it = langSetting("Italiano");
        const QByteArray en = langSetting("English");
        QTest::newRow("program folder's only") << it << Assente << "Italiano";
        QTest::newRow("the user's copy wins") << it << en << "English";
        QTest::newRow("the user's copy alone") << Assente << en << "English";
        QTest::newRow("neither file") << Assente << Assente << "<nessuna>";
        // A broken copy of the user's must not hide the language the
        // program folder names.
        QTest::newRow("user's copy empty") << it << QByteArray() << "Italiano";
        QTest::newRow("user's copy without the key") << it << QByteArray("[Language]\r\n") << "Italiano";
        QTest::newRow("user's copy names no language") << it << langSetting("") << "Italiano";
        QTest::newRow("user's copy is binary garbage") << it << QByteArray("\x00\xff\x13[\x80=\n\x00", 8) << "Italiano";
        QTest::newRow("a folder in the place of the user's copy") << it << Cartella << "Italiano";
        // Names are taken as they are, letter case included.
        QTest::newRow("user's copy in other letter case") << it << langSetting("english") << "english";
    }

    void lettura()
    {
        QFETCH(QByteArray, delProgramma);
        QFETCH(QByteArray, dellUtente);
        QFETCH(QString, attesa);
        metti(diProgramma(), delProgramma);
        metti(diUtente(), dellUtente);
        ModLanguageSupport l(programma(), impostazioni());
        const std::optional<QString> letta = l.leggiLinguaSalvata();
        QCOMPARE(letta.value_or(QStringLiteral("<nessuna>")), attesa);
    }

    // MLSGetString of a fresh start takes the language from the user's copy.
    void messaggiDallaCopiaDellUtente()
    {
        metti(diProgramma(), langSetting("Italiano"));
        metti(diUtente(), langSetting("English"));
        ModLanguageSupport l(programma(), impostazioni());
        QCOMPARE(l.MLSGetString(QStringLiteral("0001")), QStringLiteral("Quit?"));
        QCOMPARE(l.MLSCurrentLanguage, QStringLiteral("English"));
    }

    // Without a settings folder only the program folder's file counts, as
    // before the user's copy existed.
    void senzaCartellaImpostazioni()
    {
        metti(diProgramma(), langSetting("Italiano"));
        metti(diUtente(), langSetting("English"));
        ModLanguageSupport l(programma());
        QCOMPARE(l.percorsoLangSettingUtente(), QString());
        QCOMPARE(l.leggiLinguaSalvata(), std::optional<QString>(QStringLiteral("Italiano")));
        l.impostaCartellaImpostazioni(impostazioni());
        QCOMPARE(l.percorsoLangSettingUtente(), diUtente());
        QCOMPARE(l.leggiLinguaSalvata(), std::optional<QString>(QStringLiteral("English")));
    }

    void salvaNellaCartellaDelProgramma()
    {
        metti(diProgramma(), langSetting("Italiano"));
        ModLanguageSupport l(programma(), impostazioni());
        QVERIFY(l.salvaLingua(QStringLiteral("English")));
        QCOMPARE(leggi(diProgramma()), langSetting("English"));
        // A writable program folder needs no copy of the user's.
        QVERIFY(!QFileInfo::exists(diUtente()));
        QVERIFY(!QFileInfo::exists(impostazioni()));
    }

    void programmaInstallato()
    {
        metti(diProgramma(), langSetting("Italiano"));
        CartellaSolaLettura sola(programma());
        if (sola.scrivibile())
            QSKIP("this file system lets the test user write any folder");

        ModLanguageSupport l(programma(), impostazioni());
        QVERIFY(l.salvaLingua(QStringLiteral("English")));
        QCOMPARE(leggi(diProgramma()), langSetting("Italiano"));
        // The settings folder did not exist yet: it is made.
        QCOMPARE(leggi(diUtente()), langSetting("English"));

        // The next start speaks English.
        ModLanguageSupport dopo(programma(), impostazioni());
        QCOMPARE(dopo.MLSGetString(QStringLiteral("0001")), QStringLiteral("Quit?"));

        // A later choice replaces the user's copy in place.
        QVERIFY(dopo.salvaLingua(QStringLiteral("Italiano")));
        QCOMPARE(leggi(diUtente()), langSetting("Italiano"));
        QCOMPARE(ModLanguageSupport(programma(), impostazioni()).leggiLinguaSalvata(),
            std::optional<QString>(QStringLiteral("Italiano")));
    }

    // Once the user has a copy it is kept up to date even when the program
    // folder could be written: otherwise the choice would be written where
    // it is never read.
    void copiaDellUtenteGiaPresente()
    {
        metti(diProgramma(), langSetting("Italiano"));
        metti(diUtente(), "; mia\r\n[Language]\r\nCurrentLanguage=Italiano\r\n");
        ModLanguageSupport l(programma(), impostazioni());
        QVERIFY(l.salvaLingua(QStringLiteral("English")));
        QCOMPARE(leggi(diUtente()), QByteArray("; mia\r\n[Language]\r\nCurrentLanguage=English\r\n"));
        QCOMPARE(leggi(diProgramma()), langSetting("Italiano"));
        QCOMPARE(l.leggiLinguaSalvata(), std::optional<QString>(QStringLiteral("English")));
    }

    void nessunPostoPerSalvare_data()
    {
        QTest::addColumn<bool>("conImpostazioni");
        QTest::newRow("no settings folder given") << false;
        QTest::newRow("settings folder read-only") << true;
    }

    void nessunPostoPerSalvare()
    {
        QFETCH(bool, conImpostazioni);
        metti(diProgramma(), langSetting("Italiano"));
        QVERIFY(QDir().mkpath(impostazioni()));
        CartellaSolaLettura sola(programma());
        CartellaSolaLettura solaImpostazioni(impostazioni());
        if (sola.scrivibile() || solaImpostazioni.scrivibile())
            QSKIP("this file system lets the test user write any folder");

        ModLanguageSupport l(programma(), conImpostazioni ? impostazioni() : QString());
        QVERIFY(!l.salvaLingua(QStringLiteral("English")));
        QCOMPARE(leggi(diProgramma()), langSetting("Italiano"));
        QVERIFY(!QFileInfo::exists(diUtente()));
    }

    // A name that cannot be one INI value is refused everywhere, and neither
    // file changes.
    void nomeNonSalvabile()
    {
        metti(diProgramma(), langSetting("Italiano"));
        ModLanguageSupport l(programma(), impostazioni());
        QVERIFY(!l.salvaLingua(QStringLiteral("English\r\n[Language]")));
        QCOMPARE(leggi(diProgramma()), langSetting("Italiano"));
        QVERIFY(!QFileInfo::exists(diUtente()));
    }
};

QTEST_GUILESS_MAIN(TstLinguaUtente)
#include "tst_linguautente.moc"
