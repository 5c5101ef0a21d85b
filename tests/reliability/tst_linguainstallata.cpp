// An installed program cannot write its own folder: the language chosen in
// the menu must still be there at the next start. The whole program in this
// process, its program folder made read-only (for root too).

#include "cartellasolalettura.h"
#include "contesto.h"
#include "formmenu.h"
#include "menulingue.h"
#include "modlanguagesupport.h"
#include "programmaprova.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray langSetting(const QByteArray &lingua)
{
    return "[Language]\r\nCurrentLanguage=" + lingua + "\r\n";
}

bool scegli(FormMenu *m, const QString &lingua)
{
    for (QAction *a : m->menuLingue()->voci()) {
        if (a->text() == lingua) {
            a->trigger();
            return true;
        }
    }
    return false;
}

QString spuntata(FormMenu *m)
{
    for (QAction *a : m->menuLingue()->voci()) {
        if (a->isChecked())
            return a->text();
    }
    return QString();
}

QString command8(FormMenu *m)
{
    return qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command8")))->text();
}

} // namespace

class TstLinguaInstallata : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laSceltaSopravvive()
    {
        ProgrammaProva prima;
        QString errore;
        QVERIFY2(prima.avvia({}, &errore), qPrintable(errore));
        const QString delProgramma = prima.cartellaProgramma() + QStringLiteral("/LangSetting.ini");
        const QString dellUtente = prima.cartellaImpostazioni() + QStringLiteral("/LangSetting.ini");
        QCOMPARE(leggi(delProgramma), langSetting("Italiano"));
        CartellaSolaLettura sola(prima.cartellaProgramma());
        if (sola.scrivibile())
            QSKIP("this file system lets the test user write any folder");

        FormMenu *m = prima.alMenu();
        QVERIFY(m);
        QCOMPARE(command8(m), QStringLiteral("Problemi con addizione"));
        QVERIFY(scegli(m, QStringLiteral("English")));
        QCOMPARE(command8(m), QStringLiteral("Addition problems"));
        QCOMPARE(leggi(delProgramma), langSetting("Italiano"));
        QCOMPARE(leggi(dellUtente), langSetting("English"));
        QVERIFY(prima.dialoghi().finestre.isEmpty());
        prima.chiudi();

        // The next start, on the same folders.
        ProgrammaProva dopo;
        ProgrammaProva::Scelte s;
        s.programma = prima.cartellaProgramma();
        s.impostazioni = prima.cartellaImpostazioni();
        QVERIFY2(dopo.avvia(s, &errore), qPrintable(errore));
        QCOMPARE(dopo.programma().contesto().lingua.MLSCurrentLanguage, QStringLiteral("English"));
        m = dopo.alMenu();
        QVERIFY(m);
        QCOMPARE(spuntata(m), QStringLiteral("English"));
        QCOMPARE(command8(m), QStringLiteral("Addition problems"));

        // And back: the user's copy follows.
        QVERIFY(scegli(m, QStringLiteral("Italiano")));
        QCOMPARE(leggi(dellUtente), langSetting("Italiano"));
        QCOMPARE(command8(m), QStringLiteral("Problemi con addizione"));
        QCOMPARE(leggi(delProgramma), langSetting("Italiano"));
    }
};

QTEST_MAIN(TstLinguaInstallata)
#include "tst_linguainstallata.moc"
