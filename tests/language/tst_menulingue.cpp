// The language menu of the main menu: the entries it lists, the one it
// checks, and what a choice changes and stores.

#include "ambiente.h"
#include "codec.h"
#include "formmenu.h"
#include "menulingue.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
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

QByteArray ls(const QByteArray &lingua) { return "[Language]\r\nCurrentLanguage=" + lingua + "\r\n"; }
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
        // The menu made anew reads the stored choice.
        a->registro.scarica(m);
        a->lingua.MLSCurrentLanguage.clear();
        m = apri();
        QCOMPARE(spuntate(m->menuLingue()->voci()), QStringList{QStringLiteral("Altra")});
        QCOMPARE(command3(m), QStringLiteral("Voice and speed"));
    }

    // An installed program: its folder cannot be written (permission bits,
    // or the immutable flag, which binds root too) and there is no settings
    // folder. The choice holds for the run, also when the menu is made again
    // and reads the old file.
    void sceltaNonSalvata()
    {
        const QString d = a->programma.path();
        QFile::setPermissions(d, QFile::ReadOwner | QFile::ExeOwner);
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), d});
        const auto sblocca = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), d});
            QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFile(d + QStringLiteral("/prova")).open(QIODevice::WriteOnly))
            QSKIP("this file system lets the test write any folder");
        FormMenu *m = apri();
        m->menuLingue()->voci()[0]->trigger();
        a->registro.scarica(m);
        m = apri();
        QCOMPARE(salvata(), ls("Prova"));
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
};

QTEST_MAIN(TstMenuLingue)
#include "tst_menulingue.moc"
