// The class and the record on the real screens: "Chi gioca?" after "Avvio" only with pupils, the pupil's name on
// the menu and the exercise screens and in the rows, the adult's question in front of the class, the record and
// (when asked) the exit, the class screen saving what it changes (the access too, with no pupil) and giving pictures
// no pupil has, the record view of two computers' files with its PDF, and a record folder that cannot be written told
// once.

#include "ambiente.h"
#include "caricavistaregistro.h"
#include "formadulto.h"
#include "formesercizio.h"
#include "formregistro.h"
#include "letturaregistro.h"
#include "registroclasse.h"
#include "scrittoreregistro.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

namespace {
// The pupil's name at the right of the menu bar, as a screen reader finds it going down from the window.
QString alunnoInBarra(QObject *o)
{
    QAccessibleInterface *i = o ? QAccessible::queryAccessibleInterface(o) : nullptr;
    QStringList nomi;
    for (std::vector<QAccessibleInterface *> daVedere{i}; i && !daVedere.empty();) {
        QAccessibleInterface *x = daVedere.back();
        daVedere.pop_back();
        if (x->object() && x->object()->objectName() == QStringLiteral("EtichettaAlunno"))
            nomi << x->text(QAccessible::Name);
        for (int k = 0; k < x->childCount(); ++k)
            daVedere.push_back(x->child(k));
    }
    return nomi.join(u'|');
}

template <class T> T *figlio(Schermo *s, const char *nome)
{
    return s->findChild<T *>(QString::fromLatin1(nome));
}
} // namespace

class TestClasse : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a;

    QString cartella() const { return a->c->percorsi.impostazioni; }
    Schermo *menu() { return a->schermi.mostra(QStringLiteral("FormMenu")); }
    ScrittoreRegistro scrittore(const char *pc) const
    {
        return {cartella(), QString::fromLatin1(pc), intestazioneRegistro(a->lingua), titoliRegistro(a->lingua)};
    }

private Q_SLOTS:
    void init()
    {
        a = std::make_unique<Ambiente>();
        a->schermi.registra(QStringLiteral("FormRegistro"), [this] { return new FormRegistro(*a->c, a->stato); });
    }
    void cleanup() { a.reset(); }

    void chiGioca_data()
    {
        QTest::addColumn<int>("alunni");
        QTest::addColumn<int>("scelto"); // the button pressed on "Chi gioca?"
        QTest::addColumn<QString>("nome");
        QTest::newRow("no class: as designed") << 0 << -1 << QString();
        QTest::newRow("a pupil") << 2 << 1 << QStringLiteral("Bo \"B\"; 2");
        QTest::newRow("a visitor") << 2 << 2 << QString();
    }
    void chiGioca()
    {
        QFETCH(int, alunni);
        QFETCH(int, scelto);
        QFETCH(QString, nome);
        for (const QString &n : QStringList{QStringLiteral("Ada"), QStringLiteral("Bo \"B\"; 2")}.mid(0, alunni))
            a->stato.ClasseAlunni.alunni.append({n, QStringLiteral("mela.gif")});
        figlio<QPushButton>(a->schermi.mostra(QStringLiteral("FormAvvio")), "BottoneAvvio")->click();
        Schermo *chi = a->schermi.caricato(QStringLiteral("FormChiGioca"));
        QCOMPARE(chi != nullptr, alunni > 0);
        if (chi) {
            QCOMPARE(chi->findChildren<QAbstractButton *>().size(), alunni + 1);
            qobject_cast<QAbstractButton *>(scelto < alunni ? chi->controllo(QStringLiteral("BottoneAlunno"), scelto)
                                                            : chi->controllo(QStringLiteral("BottoneOspite")))
                ->click();
        }
        Schermo *m = a->schermi.caricato(QStringLiteral("FormMenu"));
        QVERIFY(m && m->isVisible());
        QCOMPARE(alunnoInBarra(m), nome);
        QCOMPARE(m->menuBar()->actions().size(), alunni ? 4 : 3); // Lingua, (Chi gioca?,) Classe, Registro

        // A problem left at once is a row with the pupil, unfinished.
        figlio<QPushButton>(m, "Command8")->click();
        Schermo *f = a->schermi.caricato(QStringLiteral("Form1"));
        QCOMPARE(alunnoInBarra(f), nome);
        figlio<QPushButton>(f, "Command6")->click();
        a->dialoghi.risposte = {true};
        figlio<QAction>(f, "mnuEsci")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const LetturaRegistro l = leggiCartellaRegistro(cartella(), titoliRegistro(a->lingua));
        QCOMPARE(l.righe.size(), size_t(1));
        const RigaRegistro &r = l.righe[0];
        QCOMPARE(r.alunno, nome);
        QCOMPARE(r.lingua, a->lingua.MLSCurrentLanguage);
        QCOMPARE(r.fileStorie, QStringLiteral("testi/lista1.txt"));
        QVERIFY(!r.finito && r.riascolti == 1 && r.rigaStoria >= 1 && r.primo + r.secondo == r.risultato);
    }

    void domandaAdulto_data()
    {
        QTest::addColumn<QString>("entrata");
        QTest::addColumn<bool>("soloAdulto");
        QTest::addColumn<QList<bool>>("giuste");
        QTest::addColumn<QString>("dopo");
        QTest::newRow("class") << "mnuClasse" << false << QList<bool>{false, true} << "FormClasse";
        QTest::newRow("record") << "mnuRegistro" << false << QList<bool>{true} << "FormRegistro";
        QTest::newRow("three wrong") << "mnuClasse" << false << QList<bool>{false, false, false} << "FormMenu";
        QTest::newRow("exit, adult only") << "Command1" << true << QList<bool>{true} << "fine";
        QTest::newRow("exit, anyone") << "Command1" << false << QList<bool>{} << "fine";
    }
    void domandaAdulto()
    {
        QFETCH(QString, entrata);
        QFETCH(bool, soloAdulto);
        QFETCH(QList<bool>, giuste);
        QFETCH(QString, dopo);
        a->stato.ClasseAlunni.soloAdultoEsce = soloAdulto;
        a->dialoghi.risposte = {true};
        Schermo *m = menu();
        if (auto *b = m->findChild<QPushButton *>(entrata))
            b->click();
        else
            m->findChild<QAction *>(entrata)->trigger();
        for (bool giusta : giuste) {
            auto *s = qobject_cast<FormAdulto *>(a->schermi.caricato(QStringLiteral("FormAdulto")));
            QVERIFY(s && s->isVisible());
            figlio<QLineEdit>(s, "TestoRisposta")
                ->setText(QString::number(a->stato.UltimaDomandaAdulto.risposta() + !giusta));
            figlio<QPushButton>(s, "BottoneConferma")->click();
        }
        if (dopo == QStringLiteral("fine")) {
            QCOMPARE(a->terminati, QList<int>{0});
        } else {
            QVERIFY(a->terminati.isEmpty());
            QVERIFY(a->schermi.mostrato(dopo));
            QVERIFY(!a->schermi.caricato(QStringLiteral("FormAdulto")));
        }
    }

    void classe()
    {
        Schermo *s = a->schermi.mostra(QStringLiteral("FormClasse"));
        // The access is chosen and kept with no pupil yet.
        figlio<QComboBox>(s, "SceltaAccesso")->setCurrentIndex(1);
        figlio<QDoubleSpinBox>(s, "SceltaTempo")->setValue(2.5);
        figlio<QCheckBox>(s, "SceltaLeggi")->setChecked(true);
        QString errore;
        const Classe k = caricaClasse(cartella(), &errore);
        QVERIFY(k.alunni.isEmpty() && k.accesso == Classe::Accesso::UnPulsante && k.tempoScansioneMs == 2500
                && k.leggiPulsante);
        auto *nome = figlio<QLineEdit>(s, "TestoNome");
        // The second name is the first again; the third a spreadsheet would run. The messages are Italiano.lng's.
        QVERIFY(QFile::copy(Ambiente::datiProgramma() + QStringLiteral("/Italiano.lng"),
                            a->programma.filePath(QStringLiteral("Italiano.lng"))));
        const QString rifiuti[] = {QString(), a->lingua.MLSGetString(QStringLiteral("0104")),
                                   a->lingua.MLSGetString(QStringLiteral("0160")), QString()};
        const QString nomi[] = {QStringLiteral(" Ugo; \"U\" "), QStringLiteral("ugo; \"u\""),
                                QStringLiteral("=HYPERLINK(\"x\")"), QStringLiteral("Eva")};
        for (int i = 0; i < 4; ++i) {
            nome->setText(nomi[i]);
            figlio<QPushButton>(s, "BottoneAggiungi")->click();
            QVERIFY2(figlio<QLabel>(s, "LabelAvviso")->text() == rifiuti[i], qPrintable(nomi[i]));
        }
        a->dialoghi.risposte = {true};
        figlio<QPushButton>(s, "BottoneTogli")->click(); // Eva, the last added
        const Classe salvata = caricaClasse(cartella(), &errore);
        QCOMPARE(salvata, a->stato.ClasseAlunni);
        QCOMPARE(salvata.alunni.size(), 1);
        QCOMPARE(salvata.alunni[0].nome, QStringLiteral("Ugo; \"U\""));
    }

    // With the shipped pictures: each one opens, and a new pupil gets one no pupil has.
    void figure()
    {
        a = std::make_unique<Ambiente>(Ambiente::datiProgramma(), QStringLiteral("Italiano"));
        a->stato.ClasseAlunni.alunni.append({QStringLiteral("Ada"), QStringLiteral("biscotto.gif")});
        Schermo *s = a->schermi.mostra(QStringLiteral("FormClasse"));
        auto *lista = figlio<QListWidget>(s, "ListaImmagini");
        QVERIFY(lista->count() >= 36);
        for (int i = 0; i < lista->count(); ++i)
            QVERIFY2(!lista->item(i)->icon().isNull(),
                     qPrintable(lista->item(i)->data(Qt::AccessibleTextRole).toString()));
        figlio<QLineEdit>(s, "TestoNome")->setText(QStringLiteral("Bo"));
        figlio<QPushButton>(s, "BottoneAggiungi")->click();
        QCOMPARE(a->stato.ClasseAlunni.alunni.value(1).immagine, QStringLiteral("barchetta.gif"));
    }

    // Two computers' files in one folder, three pupils: three rows in the view, three pages in the PDF.
    void registroEStampa()
    {
        ScrittoreRegistro uno = scrittore("aula1"), due = scrittore("aula2");
        RigaRegistro r;
        r.inizio = QDateTime::currentDateTime();
        // Ada gets the change of her additions wrong three times out of three: she needs help there.
        for (const char *n : {"Ada", "Bo", "Ada", "", "Ada"}) {
            r.alunno = QString::fromUtf8(n);
            r.errati[RigaRegistro::Cambio] = r.alunno == QStringLiteral("Ada");
            QVERIFY((r.alunno == QStringLiteral("Bo") ? due : uno).aggiungi(r));
        }
        Schermo *s = a->schermi.mostra(QStringLiteral("FormRegistro"));
        auto *t = figlio<QTableWidget>(s, "TabellaAlunni");
        QCOMPARE(t->rowCount(), 3);
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("Ada"));
        QCOMPARE(t->item(0, 2)->text(), QStringLiteral("3"));
        const QString aiuto = figlio<QLabel>(s, "LabelAiuto")->text();
        QVERIFY2(aiuto.contains(QStringLiteral("Ada")) && !aiuto.contains(QStringLiteral("Bo")), qPrintable(aiuto));
        QString segni; // which parts of Ada's additions, then subtractions, have a mark
        for (int k = 0; k < 8; ++k)
            segni += figlio<QTableWidget>(s, "TabellaPadronanza")->item(k / 4, k % 4)->text().isEmpty() ? u'-' : u'x';
        QCOMPARE(segni, QStringLiteral("-x------"));

        figlio<QPushButton>(s, "BottoneStampa")->click();
        QCOMPARE(a->dialoghi.finestre.size(), 1);
        QFile pdf(
            QDir(cartella()).filePath(u"stampa-registro-%1.pdf"_qs.arg(QDate::currentDate().toString(Qt::ISODate))));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(pdf.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 3);
    }

    // Ada missed a problem on another computer sharing the folder: chosen here, she meets it again as her fourth
    // problem, after three others solved (the fourth drawn is another).
    void ripasso()
    {
        a = std::make_unique<Ambiente>(Ambiente::datiProgramma(), QStringLiteral("Italiano"));
        RigaRegistro r;
        r.inizio = QDateTime::currentDateTime().addDays(-1);
        r.alunno = QStringLiteral("Ada");
        r.fileStorie = QStringLiteral("testi/lista1.txt");
        r.rigaStoria = 2;
        r.primo = 2, r.secondo = 3, r.risultato = 5, r.secondi = 30, r.finito = true;
        r.errati[RigaRegistro::Cambio] = 1;
        QVERIFY(scrittore("aula2").aggiungi(r));
        a->stato.ClasseAlunni.alunni.append({QStringLiteral("Ada"), QStringLiteral("mela.gif")});
        Schermo *chi = a->schermi.mostra(QStringLiteral("FormChiGioca"));
        qobject_cast<QAbstractButton *>(chi->controllo(QStringLiteral("BottoneAlunno"), 0))->click();
        QTRY_VERIFY(a->stato.RipassoCorrente.pronto());
        const int estratti[][3] = {{1, 4, 1}, {1, 6, 2}, {2, 3, 3}, {1, 9, 1}}; // row, total, first term
        a->prossimo(1, 1, 4, 1);
        auto *f = qobject_cast<FormEsercizio *>(a->schermi.mostra(QStringLiteral("Form1")));
        a->quiete();
        for (int i = 0; i < 3; ++i) {
            const int n3 = estratti[i][1], n1 = estratti[i][2];
            for (char t : QStringLiteral("%1%2%3%1+%2=%3").arg(n1).arg(n3 - n1).arg(n3).toLatin1())
                QTest::keyClick(f, t), a->quiete();
            a->prossimo(1, estratti[i + 1][0], estratti[i + 1][1], estratti[i + 1][2]);
            f->controllo<QPushButton>(QStringLiteral("Command2"))->click();
            a->quiete();
        }
        const Storia &s = a->stato.Testi1[1];
        QCOMPARE(f->controllo<QLabel>(QStringLiteral("Domanda1"))->text(), s.domanda1);
        QCOMPARE(f->controllo<QLabel>(QStringLiteral("Risposta1"))->text(), s.risposta1.per(2));
        QCOMPARE(f->controllo<QLabel>(QStringLiteral("Risposta3"))->text(), s.risposta3.per(5));
        // The record marks it as met again.
        a->schermi.scarica(f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<bool> ripassi;
        for (const RigaRegistro &riga : storiaAlunno(cartella(), QStringLiteral("Ada"), titoliRegistro(a->lingua)))
            ripassi << riga.ripasso;
        QCOMPARE(ripassi, QList<bool>({false, false, false, false, true}));
    }

    // A record begun in English goes on in Italian: its titles are known from the program folder's English.lng.
    void registroInAltraLingua()
    {
        for (const char *f : {"/Italiano.lng", "/English.lng"})
            QVERIFY(QFile::copy(Ambiente::datiProgramma() + QLatin1String(f), a->programma.path() + QLatin1String(f)));
        RigaRegistro r;
        r.inizio = QDateTime::currentDateTime();
        for (const char *lingua : {"English", "Italiano"}) {
            a->lingua.MLSCurrentLanguage = QString::fromLatin1(lingua);
            QVERIFY(scrittore("pc").aggiungi(r));
        }
        QCOMPARE(QDir(cartella()).entryList({QStringLiteral("registro-*")}), QStringList{"registro-pc.csv"});
    }

    // Rows on three days (two on 2 March, one on 4 March): the view counts those from its "from" day to its "to"
    // day, both included.
    void registroFiltraDate_data()
    {
        QTest::addColumn<QDate>("dal");
        QTest::addColumn<QDate>("al");
        QTest::addColumn<QString>("problemi");
        QTest::newRow("to the first day, included") << QDate(2026, 3, 2) << QDate(2026, 3, 2) << "2";
        QTest::newRow("from the last day, included") << QDate(2026, 3, 4) << QDate(2026, 3, 4) << "1";
    }
    void registroFiltraDate()
    {
        QFETCH(QDate, dal);
        QFETCH(QDate, al);
        ScrittoreRegistro aula = scrittore("aula1");
        RigaRegistro r;
        r.alunno = QStringLiteral("Ada");
        for (int giorno : {2, 2, 4}) {
            r.inizio = QDateTime(QDate(2026, 3, giorno), QTime(9, 0));
            QVERIFY(aula.aggiungi(r));
        }
        Schermo *s = a->schermi.mostra(QStringLiteral("FormRegistro"));
        figlio<QDateEdit>(s, "DataAl")->setDate(al);
        figlio<QDateEdit>(s, "DataDal")->setDate(dal);
        auto *t = figlio<QTableWidget>(s, "TabellaAlunni");
        QCOMPARE(t->rowCount(), 1);
        QTEST(t->item(0, 2)->text(), "problemi");
    }

    // The record view from its plugin, as the program opens it; without a plugin that works, the adult is told
    // which file is missing or wrong and there is no view.
    void vistaDalPlugin_data()
    {
        QTest::addColumn<QString>("file"); // empty: the built plugin
        QTest::addColumn<QByteArray>("contenuto"); // written to the file, when not empty
        QTest::newRow("the built plugin") << QString() << QByteArray();
        QTest::newRow("no such file") << QStringLiteral("libnumerella_vistaregistro.so") << QByteArray();
        QTest::newRow("not a library") << QStringLiteral("libnumerella_vistaregistro.so") << QByteArray("testo");
    }
    void vistaDalPlugin()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contenuto);
        file = file.isEmpty()
            ? qEnvironmentVariable("NUMERELLA_BUILD") + QStringLiteral("/libnumerella_vistaregistro.so")
            : QDir(cartella()).filePath(file);
        QDir().mkpath(cartella());
        QFile f(file);
        QVERIFY(contenuto.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(contenuto) && f.flush()));
        a->schermi.registra(QStringLiteral("FormRegistro"),
                            [this, file] { return apriVistaRegistro(*a->c, a->stato, file); });
        Schermo *s = a->schermi.mostra(QStringLiteral("FormRegistro"));
        QCOMPARE(s && figlio<QTableWidget>(s, "TabellaAlunni"), a->dialoghi.finestre.isEmpty());
        QCOMPARE(a->dialoghi.finestre.size(), s ? 0 : 1);
        QVERIFY(s || a->dialoghi.finestre[0].testo.contains(file));
    }

    void cartellaNonScrivibile()
    {
        QDir().mkpath(cartella());
        QVERIFY(QFile(cartella() + QStringLiteral("/file")).open(QIODevice::WriteOnly));
        a->stato.ClasseAlunni.cartellaRegistro = cartella() + QStringLiteral("/file");
        auto *avanti = figlio<QPushButton>(a->schermi.mostra(QStringLiteral("Form1")), "Command2");
        avanti->click();
        avanti->click();
        QCoreApplication::processEvents();
        QCOMPARE(a->dialoghi.finestre.size(), 1);
        QVERIFY(a->dialoghi.finestre[0].testo.contains(cartella() + QStringLiteral("/file")));
    }
};

QTEST_MAIN(TestClasse)
#include "tst_classe.moc"
