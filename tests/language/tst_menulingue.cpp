// The language menu of the main menu: the entries it lists, the one it
// checks, and what a choice changes and stores.

#include "ambiente.h"
#include "codec.h"
#include "formmenu.h"
#include "menulingue.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
QStringList spuntate(const QList<QAction *> &voci)
{
    QStringList l;
    for (QAction *a : voci) {
        if (a->isChecked())
            l << a->text();
    }
    return l;
}

QByteArray ls(const QByteArray &lingua)
{
    return "[Language]\r\nCurrentLanguage=" + lingua + "\r\n";
}
} // namespace

class TstMenuLingue : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a;
    QLabel *nuda = nullptr; // a control of another loaded screen

    QString langSetting() const { return a->programma.filePath(QStringLiteral("LangSetting.ini")); }
    QByteArray salvata() const
    {
        QFile f(langSetting());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    FormMenu *apri() { return qobject_cast<FormMenu *>(a->registro.mostra(QStringLiteral("FormMenu"))); }
    QString command3(FormMenu *m) const { return qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command3")))->text(); }

private Q_SLOTS:
    void init()
    {
        a = std::make_unique<Ambiente>(Ambiente::datiTest() + QStringLiteral("/voice"));
        QVERIFY(scriviFileAtomico(langSetting(), ls("Prova")));
        a->registro.registra(QStringLiteral("Nuda"), [this] {
            auto *s = new Schermo(QStringLiteral("Nuda"), 3000, 2000);
            nuda = s->aggiungi(new QLabel(QStringLiteral("disegnata"), s->client()), QStringLiteral("Etichetta"));
            return s;
        });
        a->registro.schermo(QStringLiteral("Nuda"));
    }
    void cleanup() { a.reset(); }

    void elenco()
    {
        const QDir d(a->impostazioni.path());
        for (const char *n : {"Zulu.lng", "English.lng", "italiano.LNG", "Alfa.Lng", "note.txt", "lng", ".nascosta.lng",
                              "Due\nrighe.lng", "Tab\tulata.lng", "Citt\xc3\xa0.lng"})
            QVERIFY(scriviFileAtomico(d.filePath(QString::fromUtf8(n)), "[Strings]\r\n"));
        QVERIFY(d.mkdir(QStringLiteral("Cartella.lng")));
        QCOMPARE(MenuLingue::lingueDisponibili(d.path()), (QStringList{QStringLiteral("Alfa"), QStringLiteral("Citt\u00e0"),
            QStringLiteral("English"), QStringLiteral("italiano"), QStringLiteral("Zulu")}));
    }

    void spunta_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no LangSetting.ini
        QTest::addColumn<QStringList>("attese");
        QTest::addColumn<QString>("corrente");
        QTest::newRow("same spelling") << ls("Altra") << QStringList{QStringLiteral("Altra")} << QStringLiteral("Altra");
        QTest::newRow("other letter case") << ls("altra") << QStringList{} << QStringLiteral("altra");
        QTest::newRow("file gone") << ls("Klingon") << QStringList{} << QStringLiteral("Klingon");
        QTest::newRow("no LangSetting.ini") << QByteArray() << QStringList{QStringLiteral("Prova")} << QStringLiteral("Prova");
    }
    void spunta()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, attese);
        QFETCH(QString, corrente);
        QFile::remove(langSetting());
        if (!file.isEmpty())
            QVERIFY(scriviFileAtomico(langSetting(), file));
        FormMenu *m = apri();
        QCOMPARE(spuntate(m->menuLingue()->voci()), attese);
        QCOMPARE(a->lingua.MLSCurrentLanguage, corrente);
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    void scelta()
    {
        FormMenu *m = apri();
        const QList<QAction *> voci = m->menuLingue()->voci();
        QCOMPARE(voci.size(), 2);
        QCOMPARE(command3(m), QStringLiteral("Voce e velocit\u00e0"));
        QCOMPARE(nuda->text(), QStringLiteral("disegnata")); // loaded before any language was set
        voci[0]->trigger();
        QCOMPARE(a->lingua.MLSCurrentLanguage, QStringLiteral("Altra"));
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("Altra")});
        // Every loaded screen has its new texts at once.
        QCOMPARE(command3(m), QStringLiteral("Voice and speed"));
        QCOMPARE(nuda->text(), QStringLiteral("Bare test"));
        QCOMPARE(salvata(), ls("Altra"));
        voci[1]->trigger();
        QCOMPARE(nuda->text(), QStringLiteral("Prova nuda"));
        QCOMPARE(salvata(), ls("Prova"));
        voci[0]->trigger();
        // The menu made anew reads the stored choice.
        a->registro.scarica(m);
        a->lingua.MLSCurrentLanguage.clear();
        m = apri();
        QCOMPARE(spuntate(m->menuLingue()->voci()), QStringList{QStringLiteral("Altra")});
        QCOMPARE(command3(m), QStringLiteral("Voice and speed"));
    }

    // Nowhere to store the choice: it holds for the run, also when the menu
    // is made again and reads the old file.
    void sceltaNonSalvata()
    {
        QFile::remove(langSetting());
        QVERIFY(QDir().mkpath(langSetting()));
        FormMenu *m = apri();
        m->menuLingue()->voci()[0]->trigger();
        a->registro.scarica(m);
        m = apri();
        QCOMPARE(spuntate(m->menuLingue()->voci()), QStringList{QStringLiteral("Altra")});
        QCOMPARE(command3(m), QStringLiteral("Voice and speed"));
        QVERIFY(a->dialoghi.finestre.isEmpty());
    }

    // A second choice arrives while the screens are being localised: all
    // ends on the later one.
    void sceltaDuranteUnAltra()
    {
        FormMenu *m = apri();
        const QList<QAction *> voci = m->menuLingue()->voci();
        QTimer::singleShot(0, this, [&] { voci[1]->trigger(); });
        voci[0]->trigger();
        QCOMPARE(a->lingua.MLSCurrentLanguage, QStringLiteral("Prova"));
        QCOMPARE(spuntate(voci), QStringList{QStringLiteral("Prova")});
        QCOMPARE(salvata(), ls("Prova"));
        QCOMPARE(command3(m), QStringLiteral("Voce e velocit\u00e0"));
    }

    void nessunFileDiLingua()
    {
        QFile::remove(a->programma.filePath(QStringLiteral("Prova.lng")));
        QFile::remove(a->programma.filePath(QStringLiteral("Altra.lng")));
        FormMenu *m = apri();
        QCOMPARE(a->dialoghi.tipi(), QStringList{QStringLiteral("avviso")});
        QCOMPARE(a->dialoghi.finestre[0].testo, QStringLiteral("Non \u00e8 presente alcun file di linguaggio!"));
        // The designed entry stays; choosing it stores its caption.
        const QList<QAction *> voci = m->menuLingue()->voci();
        QCOMPARE(voci.size(), 1);
        voci[0]->trigger();
        QCOMPARE(salvata(), ls("mnuLanguage 0"));
    }
};

QTEST_MAIN(TstMenuLingue)
#include "tst_menulingue.moc"
