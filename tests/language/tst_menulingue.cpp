// The language menu: the files it lists, what a choice changes and stores.

#include "ambiente.h"
#include "codec.h"
#include "formmenu.h"
#include "menulingue.h"

#include <QAction>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

class TstMenuLingue : public QObject
{
    Q_OBJECT
    static QByteArray ls(const QByteArray &lingua) { return "[Language]\r\nCurrentLanguage=" + lingua + "\r\n"; }

private Q_SLOTS:
    void elenco()
    {
        QTemporaryDir t;
        const QDir d(t.path());
        for (const char *n : {"Zulu.lng", "italiano.LNG", "Alfa.Lng", "note.txt", ".nascosta.lng", "A\nB.lng"})
            QVERIFY(scriviFileAtomico(d.filePath(QString::fromLatin1(n)), "[Strings]\r\n"));
        QVERIFY(d.mkdir(QStringLiteral("Cartella.lng")));
        QCOMPARE(MenuLingue::lingueDisponibili(d.path()), QStringLiteral("Alfa italiano Zulu").split(u' '));
    }

    // "Altra" chosen, then the menu made anew. An installed program cannot
    // store it (a read-only folder; the immutable flag binds root too; no
    // settings folder): the choice then holds for the run.
    void scelta_data()
    {
        QTest::addColumn<bool>("installato");
        QTest::addColumn<QByteArray>("salvata");
        QTest::newRow("stored") << false << ls("Altra");
        QTest::newRow("cannot be stored") << true << ls("Prova");
    }
    void scelta()
    {
        QFETCH(bool, installato);
        Ambiente a(Ambiente::datiTest() + QStringLiteral("/voice"));
        const QString d = a.programma.path(), file = d + QStringLiteral("/LangSetting.ini");
        QVERIFY(scriviFileAtomico(file, ls("Prova")));
        const auto sblocca = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), d});
            QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (installato) {
            QFile::setPermissions(d, QFile::ReadOwner | QFile::ExeOwner);
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), d});
            if (QFile(d + QStringLiteral("/prova")).open(QIODevice::WriteOnly))
                QSKIP("this file system lets the test write any folder");
        }
        auto apri = [&a] { return qobject_cast<FormMenu *>(a.registro.mostra(QStringLiteral("FormMenu"))); };
        auto command3
            = [](FormMenu *m) { return qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command3")))->text(); };
        FormMenu *m = apri();
        m->menuLingue()->voci()[0]->trigger();
        QCOMPARE(a.lingua.MLSCurrentLanguage, QStringLiteral("Altra"));
        QCOMPARE(command3(m), QStringLiteral("Voice and speed")); // the loaded screen too
        a.registro.scarica(m);
        if (!installato) // the next start reads the stored choice
            a.lingua.MLSCurrentLanguage.clear();
        m = apri();
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTEST(f.readAll(), "salvata");
        QVERIFY(m->menuLingue()->voci()[0]->isChecked() && !m->menuLingue()->voci()[1]->isChecked());
        QCOMPARE(command3(m), QStringLiteral("Voice and speed"));
    }
};

QTEST_MAIN(TstMenuLingue)
#include "tst_menulingue.moc"
