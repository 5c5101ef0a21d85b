// The language module and menu: the current language and where it is stored, the strings, the files listed.

#include "ambiente.h"
#include "codec.h"
#include "formmenu.h"
#include "ini.h"
#include "menulingue.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "schermo.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray Assente = "<assente>";
const QByteArray Bloccato = "<bloccato>"; // a folder in its place: unwritable even for root

QByteArray ls(const QByteArray &lingua)
{
    return "[Language]\r\nCurrentLanguage=" + lingua + "\r\n";
}

void metti(const QString &p, const QByteArray &b)
{
    QDir().mkpath(b == Bloccato ? p : QFileInfo(p).path());
    if (b != Bloccato && b != Assente)
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
    QString p(const char *f) const { return m_dir->filePath(QString::fromLatin1(f)); }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        metti(p("programma/Italiano.lng"),
              "[Strings]\r\n0001=\"Esci?\"\r\n[FormProva]\r\nFormProva.Caption=\"Nuovo titolo\"\r\n"
              "Command1.Caption=\"senza indice\"\r\nCommand1(1).Caption=\"uno\"\r\nCommand1(0).Caption=\"\"\r\n"
              "Command1(1).ToolTipText=\"premi uno\"\r\nCommand1(1).Tag=\"@L,T\"\r\nLabel1(0).Caption=\"con "
              "indice\"\r\n");
        metti(p("programma/English.lng"), "[Strings]\r\n0001=\"Quit?\"\r\n[FormProva]\r\n");
    }

    // A start finds the language (MLSGetString's message shows which), then English is picked and stored.
    void scelta_data()
    {
        QTest::addColumn<QByteArray>("programma"); // LangSetting.ini in the program folder
        QTest::addColumn<QByteArray>("utente"); // the user's copy
        QTest::addColumn<QByteArray>("programmaDopo");
        QTest::addColumn<QByteArray>("utenteDopo");
        const QByteArray it = ls("Italiano"), en = ls("English"), mia = "; mia\r\n";
        QTest::newRow("program folder's") << it << Assente << en << Assente;
        QTest::newRow("the user's copy wins") << en << mia + it << en << mia + en;
        QTest::newRow("the user's copy alone") << Bloccato << it << Bloccato << en;
        QTest::newRow("installed: the user's copy made") << Bloccato << Assente << Bloccato << en;
        QTest::newRow("user's copy names none") << it << ls("") << it << en;
    }
    void scelta()
    {
        QFETCH(QByteArray, programma);
        QFETCH(QByteArray, utente);
        metti(p("programma/LangSetting.ini"), programma);
        metti(p("config/Zefra/LangSetting.ini"), utente);
        ModLanguageSupport l(p("programma"), p("config/Zefra"));
        QCOMPARE(l.MLSGetString(QStringLiteral("0001")), QStringLiteral("Esci?")); // Italiano in every row
        QVERIFY(l.salvaLingua(QStringLiteral("English")));
        QTEST(leggi(p("programma/LangSetting.ini")), "programmaDopo");
        QTEST(leggi(p("config/Zefra/LangSetting.ini")), "utenteDopo");
    }

    // A message the current language lacks comes from Italiano.lng, then from the Italiano.lng built in; one it leaves
    // empty stays empty, in a small file as in a large one. "About": the About text, its words left empty too.
    void messaggi_data()
    {
        QTest::addColumn<QByteArray>("stringhe"); // section Strings of English.lng
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("atteso");
        const QByteArray about
            = "0018=\"\"\r\n0019=\"\"\r\n0020=\"\"\r\n0021=\"\"\r\n9996=\"\"\r\n9997=\"\"\r\n9999=\"\"\r\n9998=";
        const QString italiano
            = *MLSReadIniValue(Ambiente::datiProgramma() + u"/Italiano.lng"_qs, u"Strings"_qs, u"0021"_qs);
        // clang-format off
        QTest::newRow("missing: Italiano.lng's") << QByteArray() << "0001" << "Esci?";
        QTest::newRow("missing in both: the shipped one's, built in") << QByteArray() << "0021" << italiano;
        QTest::newRow("empty stays empty") << QByteArray("0001=\"\"") << "0001" << "";
        QTest::newRow("empty stays empty, large file") << "0001=\"\"\r\n;" + QByteArray(64000, ' ') << "0001" << "";
        QTest::newRow("About, four empty") << about + "\"\"" << "About" << "N\r\n ----------------------- ";
        QTest::newRow("About, only 9998") << about + "\"Ages 5-7\"" << "About" << "\r\n-----------------------\r\nAges 5-7\r\nN\r\n ----------------------- ";
        // clang-format on
    }
    void messaggi()
    {
        QFETCH(QByteArray, stringhe);
        QFETCH(QString, chiave);
        metti(p("programma/English.lng"), "[Strings]\r\n" + stringhe + "\r\n");
        ModLanguageSupport l(p("programma"));
        l.MLSCurrentLanguage = u"English"_qs;
        const QString about = testoInformazioni(l, p("programma"), u"testi"_qs);
        QTEST(chiave == u"About"_qs ? QString(about).replace(QRegularExpression(u"Numerella [0-9.]+"_qs), u"N"_qs)
                                    : l.MLSGetString(chiave),
              "atteso");
    }

    // A control gives "caption|tooltip|tag", the screen its title.
    void controlli_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("nome"); // "-": the screen itself, titled; "": untitled
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("atteso");
        const QString it = QStringLiteral("Italiano");
        QTest::newRow("indexed keys") << it << "Command1" << 1 << "uno|premi uno|@L,T";
        QTest::newRow("empty value, plain key: kept") << it << "Command1" << 0 << "cifra||";
        QTest::newRow("indexed key, plain control") << it << "Label1" << -1 << "etichetta||";
        QTest::newRow("title") << it << "-" << -1 << "Nuovo titolo";
        QTest::newRow("no title stays so") << it << "" << -1 << "";
        QTest::newRow("missing key clears the title") << u"English"_qs << "-" << -1 << "";
        QTest::newRow("no file: title kept") << u"Klingon"_qs << "-" << -1 << "Titolo";
    }
    void controlli()
    {
        QFETCH(QString, nome);
        QFETCH(int, indice);
        Schermo s(QStringLiteral("FormProva"), 6000, 4000, displayPrimario);
        s.setWindowTitle(nome.isEmpty() ? QString() : QStringLiteral("Titolo"));
        for (int i = 0; i < 2; ++i)
            s.aggiungi(new QPushButton(QStringLiteral("cifra"), s.client()), QStringLiteral("Command1"), i);
        s.aggiungi(new QLabel(QStringLiteral("etichetta"), s.client()), QStringLiteral("Label1"));
        ModLanguageSupport l(p("programma"));
        QFETCH(QString, lingua);
        l.MLSCurrentLanguage = lingua;
        l.MLSLoadFormStrings(s);
        QWidget *w = nome.size() < 2 ? nullptr : qobject_cast<QWidget *>(s.controllo(nome, indice));
        QTEST(w ? w->property("text").toString() + u'|' + w->toolTip() + u'|' + Controllo(w).tag() : s.windowTitle(),
              "atteso");
    }

    void menuElenco()
    {
        QTemporaryDir t;
        const QDir d(t.path());
        for (const char *n : {"Zulu.lng", "italiano.LNG", "Alfa.Lng", "note.txt", ".nascosta.lng", "A\nB.lng"})
            QVERIFY(scriviFileAtomico(d.filePath(QString::fromLatin1(n)), "[Strings]\r\n"));
        QVERIFY(d.mkdir(QStringLiteral("Cartella.lng")));
        QCOMPARE(MenuLingue::lingueDisponibili(d.path()), QStringLiteral("Alfa italiano Zulu").split(u' '));
    }

    // With no language file at all, choosing the menu's placeholder stores nothing.
    void menuSenzaLingue()
    {
        QTemporaryDir vuota;
        Ambiente a(vuota.path());
        auto *m = qobject_cast<FormMenu *>(a.schermi.mostra(QStringLiteral("FormMenu")));
        m->menuLingue()->voci().value(0)->trigger();
        QVERIFY(!QFile::exists(a.programma.filePath(QStringLiteral("LangSetting.ini"))));
    }

    // A language naming stories of its own brings them and its voice, and has their animations checked; when they
    // cannot be loaded the previous language stays, and nothing is stored. The folder's guard: one row per rule.
    void menuStorie_data()
    {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<QString>("dove"); // where the stories are
        QTest::addColumn<QString>("avviso");
        const auto riga = [](const char *nome, const QString &cartella, const QString &dove, const char *avviso) {
            QTest::newRow(nome) << cartella << dove << QString::fromUtf8(avviso);
        };
        const QString lunga = QString(127, u'è');
        riga("own stories", u"Propria"_qs, u"testi/Propria"_qs, "");
        riga("folder missing", u"Nessuna"_qs, u"testi/Propria"_qs, "testi/Nessuna/lista1.txt");
        riga("separator", u"Propria/Sotto"_qs, u"testi/Propria/Sotto"_qs, "(contiene un separatore)");
        riga("leading dot", u".Propria"_qs, u"testi/.Propria"_qs, "(comincia con un punto)");
        riga("control character", u"Pro\x01pria"_qs, u"testi/Pro\x01pria"_qs,
             "\"Pro?pria\" non si può usare (contiene");
        riga("255 bytes", lunga + u'a', u"testi/"_qs + lunga + u'a', "");
        riga("256 bytes", lunga + u'è', u"testi/"_qs + lunga + u'è', "(è più lunga di 255 byte)");
        riga("link out of testi", u"Fuori"_qs, u"altrove"_qs, "(è un collegamento che porta fuori)");
    }
    void menuStorie()
    {
        QFETCH(QString, cartella);
        QFETCH(QString, dove);
        QFETCH(QString, avviso);
        Ambiente a;
        a.copia(Ambiente::datiTest() + u"/exercises/testi"_qs, dove);
        QFile::link(a.programma.filePath(u"altrove"_qs), a.programma.filePath(u"testi/Fuori"_qs));
        metti(a.programma.filePath(u"Inglese.lng"_qs),
              "[Strings]\r\n0008=\" minus \"\r\n0022=\"and\"\r\n[Lingua]\r\nCartellaStorie=\"" + cartella.toLatin1()
                  + "\"\r\nVoceEspeak=\"en-gb\"\r\n");
        int controlli = 0;
        a.c->storieCambiate = [&controlli] { ++controlli; };
        auto *m = qobject_cast<FormMenu *>(a.schermi.mostra(QStringLiteral("FormMenu")));
        m->menuLingue()->voci()[0]->trigger();
        QCOMPARE(a.lingua.MLSCurrentLanguage, avviso.isEmpty() ? u"Inglese"_qs : u"Prova"_qs);
        QCOMPARE(m->menuLingue()->voci()[0]->isChecked(), avviso.isEmpty());
        QCOMPARE(a.stato.CartellaStorie, avviso.isEmpty() ? u"testi/"_qs + cartella : u"testi"_qs);
        QCOMPARE(controlli, int(avviso.isEmpty()));
        QCOMPARE(a.motore()->chiamate.contains(u"SpeechLanguage:en-gb:minus"_qs), avviso.isEmpty());
        a.parla.TestoDaDire = u"café & tè"_qs, a.parla.Parla(*std::make_unique<Parlata>(), {});
        QCOMPARE(a.motore()->testi.last(), avviso.isEmpty() ? u"café  and  tè"_qs : u"cafe' e commerciale te'"_qs);
        QCOMPARE(QFile::exists(a.programma.filePath(u"LangSetting.ini"_qs)), avviso.isEmpty());
        QCOMPARE(a.dialoghi.finestre.size(), avviso.isEmpty() ? 0 : 1);
        QVERIFY(avviso.isEmpty() || a.dialoghi.finestre[0].testo.contains(avviso));
    }

    // "Altra" chosen, the menu made anew in it, the choice checked. Where LangSetting.ini cannot be written (a
    // folder in its place) the choice holds for the run.
    void menuScelta_data()
    {
        QTest::addColumn<QByteArray>("salvata"); // before and after
        QTest::newRow("stored") << ls("Altra");
        QTest::newRow("cannot be stored") << Bloccato;
    }
    void menuScelta()
    {
        QFETCH(QByteArray, salvata);
        Ambiente a(Ambiente::datiTest() + QStringLiteral("/voice"));
        const QString file = a.programma.filePath(QStringLiteral("LangSetting.ini"));
        metti(file, salvata == Bloccato ? Bloccato : ls("Prova"));
        auto *m = qobject_cast<FormMenu *>(a.schermi.mostra(QStringLiteral("FormMenu")));
        m->menuLingue()->voci()[0]->trigger();
        QCOMPARE(m->controllo(u"Command3"_qs)->property("text").toString(), u"Voice and speed"_qs); // loaded too
        a.schermi.scarica(m);
        if (salvata != Bloccato) // the next start reads the stored choice
            a.lingua.MLSCurrentLanguage.clear();
        m = qobject_cast<FormMenu *>(a.schermi.mostra(QStringLiteral("FormMenu")));
        QCOMPARE(leggi(file), salvata);
        QCOMPARE(a.lingua.MLSCurrentLanguage, u"Altra"_qs);
        QVERIFY(m->menuLingue()->voci()[0]->isChecked() && !m->menuLingue()->voci()[1]->isChecked());
        QCOMPARE(m->controllo(u"Command3"_qs)->property("text").toString(), u"Voice and speed"_qs);
    }
};

QTEST_MAIN(TstLingua)
#include "tst_lingua.moc"
