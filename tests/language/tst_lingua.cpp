// The language module: which language is current (LangSetting.ini of the
// program folder, or the user's own copy in the settings folder), where a
// choice is stored, MLSGetString and MLSLoadFormStrings.

#include "codec.h"
#include "modlanguagesupport.h"
#include "schermo.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray Assente = "<assente>";
// A folder in the place of LangSetting.ini: it can be neither read nor
// written, as in an installed program's folder (root ignores permission bits).
const QByteArray Bloccato = "<bloccato>";

QByteArray ls(const QByteArray &lingua) { return "[Language]\r\nCurrentLanguage=" + lingua + "\r\n"; }

void metti(const QString &p, const QByteArray &b)
{
    QDir().mkpath(QFileInfo(p).path());
    if (b == Bloccato)
        QDir().mkpath(p);
    else if (b != Assente)
        scriviFileAtomico(p, b);
}

QByteArray leggi(const QString &p)
{
    QFile f(p);
    return QFileInfo(p).isDir() ? Bloccato : f.open(QIODevice::ReadOnly) ? f.readAll() : Assente;
}

} // namespace

class TstLingua : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> m_dir;
    QString programma() const { return m_dir->filePath(QStringLiteral("programma")); }
    // Not made in advance: saving makes it when needed.
    QString impostazioni() const { return m_dir->filePath(QStringLiteral("config/Zefra")); }
    QString diProgramma() const { return programma() + QStringLiteral("/LangSetting.ini"); }
    QString diUtente() const { return impostazioni() + QStringLiteral("/LangSetting.ini"); }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        metti(programma() + QStringLiteral("/Italiano.lng"),
              "[Strings]\r\n0001=\"Esci?\"\r\n[FormProva]\r\nFormProva.Caption=\"Nuovo titolo\"\r\n"
              "Command1.Caption=\"senza indice\"\r\nCommand1(1).Caption=\"uno\"\r\nCommand1(0).Caption=\"\"\r\n"
              "Command1(1).ToolTipText=\"premi uno\"\r\nCommand1(1).Tag=\"@L,T\"\r\nLabel1(0).Caption=\"con indice\"\r\n");
        metti(programma() + QStringLiteral("/English.lng"), "[Strings]\r\n0001=\"Quit?\"\r\n[FormProva]\r\n");
    }

    // A start finds the language (the message MLSGetString gives shows
    // which), then the user picks English, which is stored.
    void scelta_data()
    {
        QTest::addColumn<QByteArray>("programma"); // LangSetting.ini in the program folder
        QTest::addColumn<QByteArray>("utente"); // the user's copy
        QTest::addColumn<QString>("prima"); // the current language before the lookup
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<QByteArray>("programmaDopo");
        QTest::addColumn<QByteArray>("utenteDopo");
        const QByteArray it = ls("Italiano"), en = ls("English"), mia = "; mia\r\n";
        QTest::newRow("program folder's") << it << Assente << "" << "Esci?" << en << Assente;
        QTest::newRow("a current language is kept") << it << Assente << "English" << "Quit?" << en << Assente;
        QTest::newRow("the user's copy wins") << en << mia + it << "" << "Esci?" << en << mia + en;
        QTest::newRow("the user's copy alone") << Bloccato << it << "" << "Esci?" << Bloccato << en;
        QTest::newRow("installed: the user's copy made") << Bloccato << Assente << "" << "" << Bloccato << en;
        QTest::newRow("user's copy names none") << it << ls("") << "" << "Esci?" << it << en;
        QTest::newRow("neither file") << Assente << Assente << "" << "" << en << Assente;
    }
    void scelta()
    {
        QFETCH(QByteArray, programma);
        QFETCH(QByteArray, utente);
        QFETCH(QString, prima);
        metti(diProgramma(), programma);
        metti(diUtente(), utente);
        ModLanguageSupport l(this->programma(), impostazioni());
        l.MLSCurrentLanguage = prima;
        QTEST(l.MLSGetString(QStringLiteral("0001")), "messaggio");
        QVERIFY(l.salvaLingua(QStringLiteral("English")));
        QTEST(leggi(diProgramma()), "programmaDopo");
        QTEST(leggi(diUtente()), "utenteDopo");
    }

    void controlli_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("nome"); // "-": the screen itself, titled; "": untitled
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("proprieta");
        QTest::addColumn<QString>("atteso");
        const QString it = QStringLiteral("Italiano");
        QTest::newRow("indexed caption") << it << "Command1" << 1 << "text" << "uno";
        QTest::newRow("empty value, plain key: kept") << it << "Command1" << 0 << "text" << "cifra";
        QTest::newRow("indexed tooltip") << it << "Command1" << 1 << "toolTip" << "premi uno";
        QTest::newRow("indexed tag") << it << "Command1" << 1 << "tag" << "@L,T";
        QTest::newRow("indexed key, plain control") << it << "Label1" << -1 << "text" << "etichetta";
        QTest::newRow("title") << it << "-" << -1 << "windowTitle" << "Nuovo titolo";
        QTest::newRow("no title stays so") << it << "" << -1 << "windowTitle" << "";
        QTest::newRow("missing key clears the title") << "English" << "-" << -1 << "windowTitle" << "";
        QTest::newRow("no file: title kept") << "Klingon" << "-" << -1 << "windowTitle" << "Titolo";
    }
    void controlli()
    {
        QFETCH(QString, nome);
        QFETCH(int, indice);
        QFETCH(QString, proprieta);
        Schermo s(QStringLiteral("FormProva"), 6000, 4000);
        s.setWindowTitle(nome.isEmpty() ? QString() : QStringLiteral("Titolo"));
        for (int i = 0; i < 2; ++i)
            s.aggiungi(new QPushButton(QStringLiteral("cifra"), s.client()), QStringLiteral("Command1"), i);
        s.aggiungi(new QLabel(QStringLiteral("etichetta"), s.client()), QStringLiteral("Label1"));
        ModLanguageSupport l(programma());
        QFETCH(QString, lingua);
        l.MLSCurrentLanguage = lingua;
        l.MLSLoadFormStrings(s);
        QObject *o = nome.size() < 2 ? &s : s.controllo(nome, indice);
        QTEST(proprieta == QLatin1String("tag") ? Controllo(o).tag() : o->property(qPrintable(proprieta)).toString(), "atteso");
    }
};

QTEST_MAIN(TstLingua)
#include "tst_lingua.moc"
