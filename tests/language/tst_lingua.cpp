#include "codec.h"
#include "ini.h"
#include "modlanguagesupport.h"
#include "schermo.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void scrivi(const QString &p, const QByteArray &b)
{
    QVERIFY(scriviFileAtomico(p, b));
}

// A screen with one control of every kind the language module meets.
class SchermoProva : public Schermo
{
public:
    SchermoProva()
        : Schermo(QStringLiteral("FormProva"), 6000, 4000)
    {
        setWindowTitle(QStringLiteral("Titolo"));
        setTag(QStringLiteral("tag schermo"));
        for (int i = 0; i < 2; ++i) {
            auto *b = aggiungi(new QPushButton(QStringLiteral("cifra %1").arg(i), client()), QStringLiteral("Command1"), i);
            b->setToolTip(QStringLiteral("suggerimento %1").arg(i));
            Controllo(b).setTag(QStringLiteral("@L"));
        }
        aggiungi(new QLabel(QStringLiteral("etichetta"), client()), QStringLiteral("Label1"));
        auto *schede = aggiungi(new QTabWidget(client()), QStringLiteral("Schede"));
        for (int i = 0; i < 3; ++i)
            schede->addTab(new QWidget, QStringLiteral("scheda %1").arg(i));
        aggiungi(menuBar()->addAction(QStringLiteral("Esci")), QStringLiteral("mnuEsci"));
    }

    QString valore(const QString &nome, int indice, const QString &proprieta) const
    {
        QObject *o = controllo(nome, indice);
        Controllo c(o);
        if (proprieta == QLatin1String("Caption"))
            return c.caption();
        if (proprieta == QLatin1String("ToolTipText"))
            return qobject_cast<QWidget *>(o) ? qobject_cast<QWidget *>(o)->toolTip()
                                               : qobject_cast<QAction *>(o)->toolTip();
        if (proprieta == QLatin1String("Tag"))
            return c.tag();
        return qobject_cast<QTabWidget *>(o)->tabText(proprieta.back().digitValue());
    }
};

const QByteArray Lingua = "[Strings]\r\n"
                          "0001=\"Vuoi uscire?\"\r\n"
                          "[FormProva]\r\n"
                          "FormProva.Caption=\"Nuovo titolo\"\r\n"
                          "FormProva.Tag=\"nuovo tag\"\r\n"
                          "Command1.Caption=\"senza indice\"\r\n"
                          "Command1(1).Caption=\"uno\"\r\n"
                          "Command1(1).ToolTipText=\"premi uno\"\r\n"
                          "Command1(0).Caption=\"\"\r\n"
                          "Command1(1).Tag=\"@L,T\"\r\n"
                          "Label1(0).Caption=\"con indice\"\r\n"
                          "Label1.ToolTipText=\"aiuto\"\r\n"
                          "Schede.TabCaption(0)=\"prima\"\r\n"
                          "Schede.TabCaption(2)=\"terza\"\r\n"
                          "mnuEsci.Caption=\"Fine\"\r\n"
                          "[Altra]\r\n"
                          "Label1.Caption=\"altra sezione\"\r\n";
} // namespace

class TstLingua : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void getStringSenzaLangSetting();
    void cambioLingua();
    void percorsi();
    void chiavi_data();
    void chiavi();
    void titoloETag_data();
    void titoloETag();
    void titoloCancellatoResta();
    void fileMancanteNonCambiaNulla();
    void linguaDistribuita();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstLingua::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    scrivi(m_dir->filePath(QStringLiteral("Italiano.lng")), Lingua);
    scrivi(m_dir->filePath(QStringLiteral("English.lng")),
           "[Strings]\r\n0001=\"Quit?\"\r\n[FormProva]\r\nFormProva.Tag=\"t\"\r\n");
}

void TstLingua::getStringSenzaLangSetting()
{
    ModLanguageSupport l(m_dir->path());
    QCOMPARE(l.MLSGetString(QStringLiteral("0001")), QString());
    QCOMPARE(l.MLSCurrentLanguage, QString());
    QCOMPARE(l.leggiLinguaSalvata(), std::optional<QString>());
}

void TstLingua::cambioLingua()
{
    scrivi(m_dir->filePath(QStringLiteral("LangSetting.ini")), "[Language]\r\nCurrentLanguage=Italiano\r\n");
    ModLanguageSupport l(m_dir->path());
    QCOMPARE(l.MLSGetString(QStringLiteral("0001")), QStringLiteral("Vuoi uscire?"));
    QCOMPARE(l.MLSCurrentLanguage, QStringLiteral("Italiano"));
    QCOMPARE(l.MLSGetString(QStringLiteral("0002")), QString());
    l.MLSCurrentLanguage = QStringLiteral("English");
    QCOMPARE(l.MLSGetString(QStringLiteral("0001")), QStringLiteral("Quit?"));
    l.MLSCurrentLanguage = QStringLiteral("Klingon");
    QCOMPARE(l.MLSGetString(QStringLiteral("0001")), QString());
}

void TstLingua::percorsi()
{
    scrivi(m_dir->filePath(QStringLiteral("LangSetting.ini")), "[Language]\r\nCurrentLanguage=Italiano\r\n");
    ModLanguageSupport l(m_dir->path() + QLatin1Char('/'));
    QCOMPARE(l.percorsoLangSetting(), m_dir->path() + QStringLiteral("//LangSetting.ini"));
    QCOMPARE(l.MLSGetString(QStringLiteral("0001")), QStringLiteral("Vuoi uscire?"));
    QCOMPARE(l.percorsoLingua(), m_dir->path() + QStringLiteral("/Italiano.lng"));
}

void TstLingua::chiavi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("proprieta");
    QTest::addColumn<QString>("atteso");

    QTest::newRow("indexed caption") << "Command1" << 1 << "Caption" << "uno";
    QTest::newRow("plain key not for array member") << "Command1" << 0 << "Caption" << "cifra 0";
    QTest::newRow("empty value keeps caption") << "Command1" << 0 << "Caption" << "cifra 0";
    QTest::newRow("indexed tooltip") << "Command1" << 1 << "ToolTipText" << "premi uno";
    QTest::newRow("missing tooltip keeps design") << "Command1" << 0 << "ToolTipText" << "suggerimento 0";
    QTest::newRow("indexed tag") << "Command1" << 1 << "Tag" << "@L,T";
    QTest::newRow("missing tag keeps design") << "Command1" << 0 << "Tag" << "@L";
    QTest::newRow("indexed key not for plain control") << "Label1" << -1 << "Caption" << "etichetta";
    QTest::newRow("plain tooltip") << "Label1" << -1 << "ToolTipText" << "aiuto";
    QTest::newRow("menu entry caption") << "mnuEsci" << -1 << "Caption" << "Fine";
    QTest::newRow("tab 0") << "Schede" << -1 << "Tab0" << "prima";
    QTest::newRow("tab 1 cleared") << "Schede" << -1 << "Tab1" << "";
    QTest::newRow("tab 2") << "Schede" << -1 << "Tab2" << "terza";
}

void TstLingua::chiavi()
{
    QFETCH(QString, nome);
    QFETCH(int, indice);
    QFETCH(QString, proprieta);
    QFETCH(QString, atteso);
    ModLanguageSupport l(m_dir->path());
    l.MLSCurrentLanguage = QStringLiteral("Italiano");
    SchermoProva s;
    l.MLSLoadFormStrings(s);
    QCOMPARE(s.valore(nome, indice, proprieta), atteso);
}

void TstLingua::titoloETag_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("titoloAtteso");
    QTest::addColumn<QString>("tagAtteso");
    QTest::newRow("title and tag replaced") << "Italiano" << "Titolo" << "Nuovo titolo" << "nuovo tag";
    QTest::newRow("empty title stays empty") << "Italiano" << "" << "" << "nuovo tag";
    QTest::newRow("missing key clears the title") << "English" << "Titolo" << "" << "t";
    QTest::newRow("no language chosen") << "" << "Titolo" << "Titolo" << "tag schermo";
    QTest::newRow("language without file") << "Klingon" << "Titolo" << "Titolo" << "tag schermo";
}

void TstLingua::titoloETag()
{
    QFETCH(QString, lingua);
    QFETCH(QString, titolo);
    QFETCH(QString, titoloAtteso);
    QFETCH(QString, tagAtteso);
    ModLanguageSupport l(m_dir->path());
    l.MLSCurrentLanguage = lingua;
    SchermoProva s;
    s.setWindowTitle(titolo);
    l.MLSLoadFormStrings(s);
    QCOMPARE(s.windowTitle(), titoloAtteso);
    QCOMPARE(s.tag(), tagAtteso);
}

void TstLingua::titoloCancellatoResta()
{
    scrivi(m_dir->filePath(QStringLiteral("Senza.lng")), "[FormProva]\r\nLabel1.Caption=\"x\"\r\n");
    ModLanguageSupport l(m_dir->path());
    SchermoProva s;
    l.MLSCurrentLanguage = QStringLiteral("Senza");
    l.MLSLoadFormStrings(s);
    QCOMPARE(s.windowTitle(), QString());
    QCOMPARE(s.tag(), QString());
    l.MLSCurrentLanguage = QStringLiteral("Italiano");
    l.MLSLoadFormStrings(s);
    QCOMPARE(s.windowTitle(), QString());
    QCOMPARE(s.tag(), QStringLiteral("nuovo tag"));
}

void TstLingua::fileMancanteNonCambiaNulla()
{
    ModLanguageSupport l(m_dir->path());
    l.MLSCurrentLanguage = QStringLiteral("Klingon");
    SchermoProva s;
    l.MLSLoadFormStrings(s);
    QCOMPARE(s.valore(QStringLiteral("Command1"), 1, QStringLiteral("Caption")), QStringLiteral("cifra 1"));
    QCOMPARE(s.valore(QStringLiteral("Schede"), -1, QStringLiteral("Tab1")), QStringLiteral("scheda 1"));
    QCOMPARE(s.valore(QStringLiteral("mnuEsci"), -1, QStringLiteral("Caption")), QStringLiteral("Esci"));
}

// The Italian file shipped with the program has every message the program
// asks for, and LangSetting.ini chooses it.
void TstLingua::linguaDistribuita()
{
    ModLanguageSupport l(qEnvironmentVariable("NUMERELLA_DATA"));
    QStringList chiavi;
    for (int i = 1; i <= 15; ++i)
        chiavi << QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
    chiavi << QStringLiteral("9996") << QStringLiteral("9997") << QStringLiteral("9998") << QStringLiteral("9999");
    for (const QString &k : chiavi)
        QVERIFY2(!l.MLSGetString(k).isEmpty(), qPrintable(k));
    QCOMPARE(l.MLSCurrentLanguage, QStringLiteral("Italiano"));
    QCOMPARE(l.MLSGetString(QStringLiteral("0008")), QStringLiteral(" meno "));
    QCOMPARE(l.MLSGetString(QStringLiteral("0012")), QStringLiteral("Velocit\u00e0:"));
    const QString lng = l.percorsoLingua();
    QCOMPARE(MLSReadIniValue(lng, QStringLiteral("Form1"), QStringLiteral("MenuAzzera.Caption"))->size(), 25);
    QCOMPARE(MLSReadIniValue(lng, QStringLiteral("Form2"), QStringLiteral("MenuInformazioni.Caption"))->size(), 21);
    QCOMPARE(MLSReadIniValue(lng, QStringLiteral("FormImposta"), QStringLiteral("BottoneEsci.Caption")),
             std::optional<QString>(QStringLiteral("conferma")));
}

QTEST_MAIN(TstLingua)
#include "tst_lingua.moc"
