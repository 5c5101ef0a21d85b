// The language menu on a screen built like the main menu: which entries it
// lists, which one it checks, and what a choice changes and stores.

#include "ambientevoce.h"
#include "cartellasolalettura.h"
#include "formbocca.h"
#include "formmenu.h"
#include "menulingue.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {
// The parts of the main menu the language menu works with, as designed.
class MenuDiProva : public Schermo
{
public:
    explicit MenuDiProva(Contesto &c)
        : Schermo(QStringLiteral("FormMenu"), 7035, 5745)
        , m_c(c)
    {
        auto *b = aggiungi(new QPushButton(QStringLiteral("Imposta la voce"), client()), QStringLiteral("Command3"));
        piazza(b, 960, 2880, 5000, 750);
        QMenu *m = aggiungi(menuBar()->addMenu(QStringLiteral("Lingua")), QStringLiteral("mnuLanguages"));
        aggiungi(m->addAction(QStringLiteral("mnuLanguage 0")), QStringLiteral("mnuLanguage"), 0);
    }
    void Form_Load() override
    {
        (new MenuLingue(*this, m_c))->MLSFillMenuLanguages();
        m_c.lingua.MLSLoadFormStrings(*this);
    }
    MenuLingue *lingue() const { return findChild<MenuLingue *>(); }

private:
    Contesto &m_c;
};

class Nuda : public Schermo
{
public:
    Nuda()
        : Schermo(QStringLiteral("Nuda"), 3000, 2000)
    {
        aggiungi(new QLabel(QStringLiteral("disegnata"), client()), QStringLiteral("Etichetta"));
    }
};

QStringList didascalie(const QList<QAction *> &voci)
{
    QStringList l;
    for (QAction *a : voci)
        l << a->text();
    return l;
}

QStringList spuntate(const QList<QAction *> &voci)
{
    QStringList l;
    for (QAction *a : voci) {
        if (a->isChecked())
            l << a->text();
    }
    return l;
}

void creaFile(const QString &percorso, const QByteArray &contenuto = "[Strings]\r\n")
{
    QFile f(percorso);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(percorso));
    f.write(contenuto);
}
} // namespace

class TstMenuLingue : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteVoce> a;

    void registra()
    {
        a->registro.registra(QStringLiteral("FormMenu"), [this] { return new MenuDiProva(*a->c); });
        a->registro.registra(QStringLiteral("Nuda"), [] { return new Nuda; });
    }
    MenuDiProva *apri()
    {
        return static_cast<MenuDiProva *>(a->registro.mostra(QStringLiteral("FormMenu")));
    }

private Q_SLOTS:
    void init()
    {
        a = std::make_unique<AmbienteVoce>();
        registra();
    }
    void cleanup() { a.reset(); }

    void vociOrdinatePerNome()
    {
        const QDir d(a->programma.path());
        for (const char *n : {"Zulu.lng", "English.lng", "italiano.LNG", "Alfa.Lng", "note.txt", "lng", ".nascosta.lng"})
            creaFile(d.filePath(QString::fromLatin1(n)));
        QVERIFY(d.mkdir(QStringLiteral("Cartella.lng")));
        MenuDiProva *m = apri();
        QVERIFY(m);
        const QList<QAction *> voci = m->lingue()->voci();
        QCOMPARE(didascalie(voci),
            (QStringList{QStringLiteral("Alfa"), QStringLiteral("English"), QStringLiteral("italiano"), QStringLiteral("Zulu")}));
        // Entry 0 is the designed one; the others joined the screen's controls.
        QCOMPARE(voci[0], qobject_cast<QAction *>(m->controllo(QStringLiteral("mnuLanguage"), 0)));
        for (int i = 0; i < voci.size(); ++i) {
            QCOMPARE(voci[i], qobject_cast<QAction *>(m->controllo(QStringLiteral("mnuLanguage"), i)));
            QVERIFY(voci[i]->isVisible());
            QVERIFY(voci[i]->isCheckable());
        }
        auto *menu = qobject_cast<QMenu *>(m->controllo(QStringLiteral("mnuLanguages")));
        QCOMPARE(menu->actions(), voci);
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    void spunta_data()
    {
        QTest::addColumn<QByteArray>("salvata"); // empty: no LangSetting.ini
        QTest::addColumn<QStringList>("attese");
        QTest::addColumn<QString>("corrente");
        QTest::newRow("same spelling") << QByteArray("English") << QStringList{QStringLiteral("English")}
                                       << QStringLiteral("English");
        QTest::newRow("other letter case is not checked")
            << QByteArray("english") << QStringList{} << QStringLiteral("english");
        QTest::newRow("language whose file is gone") << QByteArray("Klingon") << QStringList{} << QStringLiteral("Klingon");
        QTest::newRow("no LangSetting.ini") << QByteArray() << QStringList{} << QString();
    }
    void spunta()
    {
        QFETCH(QByteArray, salvata);
        QFETCH(QStringList, attese);
        QFETCH(QString, corrente);
        creaFile(a->programma.filePath(QStringLiteral("English.lng")));
        creaFile(a->programma.filePath(QStringLiteral("Italiano.lng")));
        if (!salvata.isEmpty())
            a->scriviLangSetting(salvata);
        MenuDiProva *m = apri();
        QCOMPARE(spuntate(m->lingue()->voci()), attese);
        QCOMPARE(a->lingua->MLSCurrentLanguage, corrente);
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    void nessunFileDiLingua()
    {
        creaFile(a->programma.filePath(QStringLiteral("leggimi.txt")));
        a->scriviLangSetting("Italiano");
        a->lingua->MLSCurrentLanguage = QStringLiteral("Prima");
        MenuDiProva *m = apri();
        QVERIFY(m);
        QCOMPARE(a->dialoghi.tipi(), QStringList{QStringLiteral("avviso")});
        QCOMPARE(a->dialoghi.finestre[0].titolo, QStringLiteral("Numerella"));
        QCOMPARE(a->dialoghi.finestre[0].testo, QStringLiteral("Non è presente alcun file di linguaggio!"));
        // The designed entry stays, and LangSetting.ini is not read here.
        const QList<QAction *> voci = m->lingue()->voci();
        QCOMPARE(didascalie(voci), QStringList{QStringLiteral("mnuLanguage 0")});
        QCOMPARE(spuntate(voci), QStringList{});
        QCOMPARE(a->lingua->MLSCurrentLanguage, QStringLiteral("Prima"));

        // Choosing it makes the placeholder the language and stores it.
        voci[0]->trigger();
        QCOMPARE(a->lingua->MLSCurrentLanguage, QStringLiteral("mnuLanguage 0"));
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("mnuLanguage 0")});
        QCOMPARE(a->langSetting(), QByteArray("[Language]\r\nCurrentLanguage=mnuLanguage 0\r\n"));
    }

    void ilMessaggioAOgniApertura()
    {
        apri();
        a->registro.scarica(a->registro.caricato(QStringLiteral("FormMenu")));
        apri();
        QCOMPARE(a->dialoghi.tipi(), (QStringList{QStringLiteral("avviso"), QStringLiteral("avviso")}));
    }

    void nomiConCaratteriDiControllo()
    {
        const QDir d(a->programma.path());
        creaFile(d.filePath(QStringLiteral("Buona.lng")));
        creaFile(d.filePath(QStringLiteral("Due\nrighe.lng")));
        creaFile(d.filePath(QStringLiteral("Ritorno\r.lng")));
        creaFile(d.filePath(QStringLiteral("Tab\tulata.lng")));
        creaFile(d.filePath(QStringLiteral("Canc\x7f.lng")));
        creaFile(d.filePath(QStringLiteral("Città.lng")));
        QCOMPARE(MenuLingue::lingueDisponibili(d.path()), (QStringList{QStringLiteral("Buona"), QStringLiteral("Città")}));
    }

    void cambioDiLingua()
    {
        a->copiaLingua(QStringLiteral("Prova"));
        a->copiaLingua(QStringLiteral("Altra"));
        a->scriviLangSetting("Prova");
        a->lingua->MLSCurrentLanguage = QStringLiteral("Prova");
        auto *nuda = a->registro.schermo(QStringLiteral("Nuda"));
        MenuDiProva *m = apri();
        auto *command3 = qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command3")));
        auto *lingue = qobject_cast<QMenu *>(m->controllo(QStringLiteral("mnuLanguages")));
        auto *etichetta = qobject_cast<QLabel *>(nuda->controllo(QStringLiteral("Etichetta")));
        QCOMPARE(command3->text(), QStringLiteral("Voce e velocità"));
        QCOMPARE(lingue->title(), QStringLiteral("Lingue"));
        QCOMPARE(etichetta->text(), QStringLiteral("disegnata")); // loaded before the language was set

        const QList<QAction *> voci = m->lingue()->voci();
        QCOMPARE(didascalie(voci), (QStringList{QStringLiteral("Altra"), QStringLiteral("Prova")}));
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("Prova")});

        voci[0]->trigger();
        QCOMPARE(a->lingua->MLSCurrentLanguage, QStringLiteral("Altra"));
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("Altra")});
        // Every loaded screen has its new texts at once.
        QCOMPARE(command3->text(), QStringLiteral("Voice and speed"));
        QCOMPARE(lingue->title(), QStringLiteral("Languages"));
        QCOMPARE(etichetta->text(), QStringLiteral("Bare test"));
        QCOMPARE(a->langSetting(), QByteArray("[Language]\r\nCurrentLanguage=Altra\r\n"));
        QCOMPARE(a->lingua->MLSGetString(QStringLiteral("0014")), QStringLiteral("Speed:"));

        // The checked entry again: the same texts, the same name stored.
        voci[0]->trigger();
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("Altra")});
        QCOMPARE(command3->text(), QStringLiteral("Voice and speed"));
        QCOMPARE(a->langSetting(), QByteArray("[Language]\r\nCurrentLanguage=Altra\r\n"));

        // And back.
        voci[1]->trigger();
        QCOMPARE(command3->text(), QStringLiteral("Voce e velocità"));
        QCOMPARE(etichetta->text(), QStringLiteral("Prova nuda"));
        QCOMPARE(a->langSetting(), QByteArray("[Language]\r\nCurrentLanguage=Prova\r\n"));
    }

    void ilMenuDelProgramma()
    {
        a->copiaLingua(QStringLiteral("Prova"));
        a->copiaLingua(QStringLiteral("Altra"));
        a->scriviLangSetting("Prova");
        a->registro.registra(QStringLiteral("FormBocca"), [this] { return new FormBocca(*a->c); });
        a->registro.registra(QStringLiteral("FormMenu"), [this] { return new FormMenu(*a->c); });
        a->registro.schermo(QStringLiteral("FormBocca"));
        Schermo *nuda = a->registro.schermo(QStringLiteral("Nuda"));
        auto *menu = qobject_cast<FormMenu *>(a->registro.mostra(QStringLiteral("FormMenu")));
        QVERIFY(menu);
        QCOMPARE(a->registro.caricati().size(), 3);
        auto *command3 = qobject_cast<QPushButton *>(menu->controllo(QStringLiteral("Command3")));
        auto *command1 = qobject_cast<QPushButton *>(menu->controllo(QStringLiteral("Command1")));
        QCOMPARE(command3->text(), QStringLiteral("Voce e velocità"));
        QCOMPARE(command1->text(), QStringLiteral("Esci")); // no key in the file: the designed text
        const QList<QAction *> voci = menu->menuLingue()->voci();
        QCOMPARE(didascalie(voci), (QStringList{QStringLiteral("Altra"), QStringLiteral("Prova")}));
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("Prova")});

        voci[0]->trigger();
        QCOMPARE(command3->text(), QStringLiteral("Voice and speed"));
        QCOMPARE(qobject_cast<QMenu *>(menu->controllo(QStringLiteral("mnuLanguages")))->title(),
            QStringLiteral("Languages"));
        QCOMPARE(qobject_cast<QLabel *>(nuda->controllo(QStringLiteral("Etichetta")))->text(), QStringLiteral("Bare test"));
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("Altra")});
        QCOMPARE(a->langSetting(), QByteArray("[Language]\r\nCurrentLanguage=Altra\r\n"));
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    void laSceltaResta()
    {
        a->copiaLingua(QStringLiteral("Prova"));
        a->copiaLingua(QStringLiteral("Altra"));
        a->scriviLangSetting("Prova");
        MenuDiProva *m = apri();
        m->lingue()->voci()[0]->trigger();
        // The menu made anew reads the stored choice.
        a->registro.scarica(m);
        a->lingua->MLSCurrentLanguage.clear();
        m = apri();
        QCOMPARE(spuntate(m->lingue()->voci()), QStringList{QStringLiteral("Altra")});
        QCOMPARE(qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command3")))->text(),
            QStringLiteral("Voice and speed"));
    }

    void cartellaDelProgrammaNonScrivibile()
    {
        a->copiaLingua(QStringLiteral("Prova"));
        a->copiaLingua(QStringLiteral("Altra"));
        a->scriviLangSetting("Prova");
        const QByteArray prima = a->langSetting();
        CartellaSolaLettura sola(a->programma.path());
        if (sola.scrivibile())
            QSKIP("this file system lets the test user write any folder");

        MenuDiProva *m = apri();
        m->lingue()->voci()[0]->trigger();
        // No message, nothing stops, and the choice holds for the run ...
        QVERIFY(a->dialoghi.finestre.isEmpty());
        QCOMPARE(a->lingua->MLSCurrentLanguage, QStringLiteral("Altra"));
        QCOMPARE(a->langSetting(), prima);
        QCOMPARE(qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command3")))->text(),
            QStringLiteral("Voice and speed"));
        // ... also when the menu is made again and reads the old file.
        a->registro.scarica(m);
        m = apri();
        QCOMPARE(spuntate(m->lingue()->voci()), QStringList{QStringLiteral("Altra")});
        QCOMPARE(qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command3")))->text(),
            QStringLiteral("Voice and speed"));
    }

    void unaSceltaDuranteLAltra()
    {
        a->copiaLingua(QStringLiteral("Prova"));
        a->copiaLingua(QStringLiteral("Altra"));
        a->scriviLangSetting("Prova");
        MenuDiProva *m = apri();
        const QList<QAction *> voci = m->lingue()->voci();
        // A second choice arrives while the screens are being localised (the
        // localisation lets pending events run).
        bool fatto = false;
        QTimer::singleShot(0, this, [&] {
            voci[1]->trigger();
            fatto = true;
        });
        voci[0]->trigger();
        QVERIFY(fatto);
        // Everything ends on the later choice.
        QCOMPARE(a->lingua->MLSCurrentLanguage, QStringLiteral("Prova"));
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("Prova")});
        QCOMPARE(a->langSetting(), QByteArray("[Language]\r\nCurrentLanguage=Prova\r\n"));
        QCOMPARE(qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command3")))->text(),
            QStringLiteral("Voce e velocità"));
    }
};

QTEST_MAIN(TstMenuLingue)
#include "tst_menulingue.moc"
