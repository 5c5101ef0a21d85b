// Takes the pictures of the voice settings screen and of the main menu with
// its language menu open, before and after the switch to English, from the
// real program on a real (virtual) display. Run through bench/schermate.sh.
// With "lunga", instead: the exercise screen at its last step and the voice
// screen in a language whose captions are the longer of Italian and English
// made 40 per cent longer, named after the display's size. With "classe": a
// class of 30 pupils with six weeks of record, and the screens of the class,
// the adult's question, "Chi gioca?" and the record view.
//
//   numerella_schermate <data folder> <output folder> [lunga|classe]

#include "classe.h"
#include "dialoghi.h"
#include "formadulto.h"
#include "formesercizio.h"
#include "ini.h"
#include "lingualunga.h"
#include "menulingue.h"
#include "programma.h"
#include "registroschermi.h"
#include "schermi.h"
#include "schermo.h"
#include "scrittoreregistro.h"
#include "suoni.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {
bool copiaCartella(const QString &da, const QString &a)
{
    QDirIterator it(da, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString dest = a + QLatin1Char('/') + QDir(da).relativeFilePath(f);
        QDir().mkpath(QFileInfo(dest).path());
        if (!QFile::copy(f, dest))
            return false;
    }
    return true;
}

// Nothing may wait for a click that never comes: every box is printed.
class DialoghiStampati : public Dialoghi
{
public:
    bool domanda(QWidget *, const QString &t, const QString &x) override { return stampa("question", t, x), false; }
    void informazione(QWidget *, const QString &t, const QString &x) override { stampa("information", t, x); }
    void avviso(QWidget *, const QString &t, const QString &x) override { stampa("warning", t, x); }
    void errore(QWidget *, const QString &t, const QString &x) override { stampa("error", t, x); }

private:
    static void stampa(const char *tipo, const QString &titolo, const QString &testo)
    {
        std::fprintf(stderr, "%s box \"%s\": %s\n", tipo, qPrintable(titolo), qPrintable(testo));
    }
};

// The whole display, popup menus included.
bool fotografa(const QString &file)
{
    QTest::qWait(600);
    const QPixmap p = QGuiApplication::primaryScreen()->grabWindow(0);
    const bool ok = !p.isNull() && p.save(file);
    std::fprintf(stderr, "%s %s\n", ok ? "saved" : "FAILED", qPrintable(file));
    return ok;
}

// Lunga.lng made the run's language.
void scriviLingua(const QString &cartella)
{
    scriviLunga(cartella);
    MLSWriteIniValue(cartella + QStringLiteral("/LangSetting.ini"), QStringLiteral("Language"),
                     QStringLiteral("CurrentLanguage"), QStringLiteral("Lunga"));
}

// 30 pupils, each added as the class screen adds them (a picture no one
// has), and six school weeks of their record.
void scriviClasse(const QString &programma, const QString &impostazioni)
{
    const QStringList nomi{"Alessandro", "Beatrice", "Carlo",      "Davide",    "Elena",    "Francesca",
                           "Giulia",     "Hamza",    "Irene",      "Jacopo",    "Kevin",    "Leonardo",
                           "Martina",    "Nicolò",   "Olga",       "Pietro",    "Quang",    "Rebecca",
                           "Sofia",      "Tommaso",  "Umberto",    "Valentina", "Wen",      "Xavier",
                           "Yasmine",    "Zeno",     "Anna Maria", "Bianca",    "Cristian", "Diego"};
    QStringList figure;
    const auto ordine = QDir::Name | QDir::IgnoreCase;
    for (const QString &f : QDir(programma + QStringLiteral("/gifanimate")).entryList({"*.gif"}, QDir::Files, ordine))
        if (!f.contains(u'_'))
            figure << f;
    figure += QDir(programma + QStringLiteral("/figure")).entryList({"*.png"}, QDir::Files, ordine);
    Classe c;
    for (const QString &n : nomi)
        c.alunni.append({n, c.prossimaImmagine(figure)});
    QString errore;
    salvaClasse(c, impostazioni, &errore);
    QFile f(impostazioni + QStringLiteral("/registro-aula1.csv"));
    f.open(QIODevice::WriteOnly);
    // Titles of no language: the view reads the columns in the order written.
    QStringList titoli;
    for (int i = 0; i < colonneScritte(); ++i)
        titoli << QString::fromLatin1(colonneRegistro()[size_t(i)].chiave);
    f.write("\xEF\xBB\xBF" + intestazioneCsv(titoli));
    QDate g(2026, 9, 14);
    for (int giorno = 0; giorno < 30; g = g.addDays(1)) {
        if (g.dayOfWeek() > 5)
            continue;
        ++giorno;
        for (int a = 0; a < nomi.size(); ++a) {
            const int problemi = 4 + (a * 7 + giorno * 3) % 9;
            for (int p = 0; p < problemi; ++p) {
                RigaRegistro r;
                r.inizio = QDateTime(g, QTime(9, 0).addSecs(a * 97 + p * 41), Qt::OffsetFromUTC, 7200);
                r.alunno = nomi[a];
                r.lingua = QStringLiteral("Italiano");
                r.fileStorie = QStringLiteral("testi/lista1.txt");
                r.rigaStoria = 1 + p % 10;
                r.primo = 1 + p % 5;
                r.secondo = a % 4;
                r.risultato = r.primo + r.secondo;
                // Fewer wrong presses as the weeks go by.
                const int e = (a + p + giorno / 5) % (3 + giorno / 4);
                r.errati = {e == 1, 0, e == 2 ? 2 : 0, a % 5 == 0 && e == 0};
                r.riascolti = p % 3 == 0;
                r.finito = (a + p) % 11 != 0;
                r.secondi = r.finito ? 25 + (a + p) % 30 : -1;
                f.write(rigaCsv(r));
            }
        }
    }
}

// Types the adult's answer on the screen on display.
void rispondi(Programma &p)
{
    auto *a = qobject_cast<FormAdulto *>(p.registro().caricato(QStringLiteral("FormAdulto")));
    a->findChild<QLineEdit *>(QStringLiteral("TestoRisposta"))
        ->setText(QString::number(p.contesto().stato.UltimaDomandaAdulto.risposta()));
    a->BottoneConferma_Click();
}

void apriMenuLingua(Schermo *menu)
{
    auto *lingue = qobject_cast<QMenu *>(menu->controllo(QStringLiteral("mnuLanguages")));
    menu->menuBar()->setActiveAction(lingue->menuAction());
    QTest::qWait(300);
}

void chiudiMenu(Schermo *menu)
{
    auto *lingue = qobject_cast<QMenu *>(menu->controllo(QStringLiteral("mnuLanguages")));
    lingue->hide();
    menu->menuBar()->setActiveAction(nullptr);
    QTest::qWait(200);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <data folder> <output folder>\n", argv[0]);
        return 2;
    }
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    const QString uscita = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    QDir().mkpath(uscita);
    QTemporaryDir programma;
    QTemporaryDir impostazioni;
    QTemporaryDir lock;
    if (!copiaCartella(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(), programma.path())) {
        std::fprintf(stderr, "cannot copy the data folder\n");
        return 1;
    }

    const bool lunga = argc > 3 && QByteArray(argv[3]) == "lunga";
    const bool classe = argc > 3 && QByteArray(argv[3]) == "classe";
    if (classe)
        scriviClasse(programma.path(), impostazioni.path());
    if (lunga)
        scriviLingua(programma.path());

    Programma::Opzioni o;
    o.percorsi.programma = programma.path();
    o.percorsi.impostazioni = impostazioni.path();
    o.cartellaLock = lock.path();
    o.seme = 1;
    o.dialoghi = std::make_unique<DialoghiStampati>();
    o.registraSchermi = registraSchermi;
    o.termina = [](int) {};
    Programma p(std::move(o));
    if (const auto stato = p.Main())
        return *stato;
    RegistroSchermi &r = p.registro();

    int errori = 0;
    QTest::qWait(500);
    if (classe) {
        qobject_cast<QPushButton *>(r.caricato(QStringLiteral("FormAvvio"))->controllo(QStringLiteral("BottoneAvvio")))
            ->click();
        errori += !fotografa(uscita + QStringLiteral("/chigioca.png"));
        r.caricato(QStringLiteral("FormChiGioca"))->findChildren<QAbstractButton *>().at(7)->click();
        Schermo *m = r.caricato(QStringLiteral("FormMenu"));
        qobject_cast<QPushButton *>(m->controllo(QStringLiteral("Command8")))->click();
        errori += !fotografa(uscita + QStringLiteral("/form1-alunno.png"));
        m = r.mostra(QStringLiteral("FormMenu"));
        r.scarica(r.caricato(QStringLiteral("Form1")));
        FormAdulto::chiedi(p.contesto(), m, FormAdulto::Dopo::Classe);
        rispondi(p);
        errori += !fotografa(uscita + QStringLiteral("/classe.png"));
        m = r.mostra(QStringLiteral("FormMenu"));
        r.scarica(r.caricato(QStringLiteral("FormClasse")));
        FormAdulto::chiedi(p.contesto(), m, FormAdulto::Dopo::Registro);
        rispondi(p);
        r.caricato(QStringLiteral("FormRegistro"))->findChild<QTableWidget *>()->selectRow(3);
        errori += !fotografa(uscita + QStringLiteral("/registro.png"));
        return errori == 0 ? 0 : 1;
    }
    r.mostra(QStringLiteral("FormMenu"));
    r.scarica(r.caricato(QStringLiteral("FormAvvio")));
    Schermo *menu = r.caricato(QStringLiteral("FormMenu"));

    if (lunga) {
        const QSize d = QGuiApplication::primaryScreen()->size();
        const QString dim = QStringLiteral("-lunga-%1x%2.png").arg(d.width()).arg(d.height());
        auto *f = qobject_cast<FormEsercizio *>(r.mostra(QStringLiteral("Form1")));
        r.scarica(menu);
        // The first story to its end: every sentence and the operation on display. The things there at first
        // are shown at once, the ones that arrive after the first answer.
        const auto celle = [f] {
            int n = 0;
            for (int i = 0; i < 9; ++i)
                n += f->controllo<QWidget>(QStringLiteral("GifAnimator1"), i)->isVisible();
            return n;
        };
        const auto premi = [&](QChar t) {
            QPushButton *b = f->controllo<QPushButton>(t == u'+'       ? QStringLiteral("Command3")
                                                           : t == u'=' ? QStringLiteral("Command5")
                                                                       : QStringLiteral("Command1"),
                                                       t.isDigit() ? t.digitValue() : -1);
            errori += !QTest::qWaitFor([b] { return b->isEnabled(); }, 30000); // the sentences before it read
            b->click();
        };
        errori += !QTest::qWaitFor([&] { return celle() > 0; }, 30000);
        const int n1 = celle();
        premi(QChar(u'0' + n1));
        errori += !QTest::qWaitFor([&] { return celle() > n1; }, 30000);
        const int n3 = celle(), n2 = n3 - n1;
        for (QChar t : QString::asprintf("%d%d%d+%d=%d", n2, n3, n1, n2, n3))
            premi(t);
        errori
            += !QTest::qWaitFor([f] { return f->controllo<QPushButton>(QStringLiteral("Command1"), 0)->isEnabled(); },
                                30000);
        errori += !fotografa(uscita + QStringLiteral("/form1") + dim);
        r.mostra(QStringLiteral("FormMenu"));
        r.scarica(f);
        menu = r.caricato(QStringLiteral("FormMenu"));
        qobject_cast<QPushButton *>(menu->controllo(QStringLiteral("Command3")))->click();
        QTest::qWait(1500);
        errori += !fotografa(uscita + QStringLiteral("/imposta") + dim);
        return errori == 0 ? 0 : 1;
    }

    apriMenuLingua(menu);
    errori += !fotografa(uscita + QStringLiteral("/menu-italiano.png"));
    chiudiMenu(menu);

    MenuLingue *lingue = menu->findChild<MenuLingue *>();
    for (QAction *a : lingue->voci()) {
        if (a->text() == QStringLiteral("English"))
            a->trigger();
    }
    apriMenuLingua(menu);
    errori += !fotografa(uscita + QStringLiteral("/menu-english.png"));
    chiudiMenu(menu);

    for (QAction *a : lingue->voci()) {
        if (a->text() == QStringLiteral("Italiano"))
            a->trigger();
    }
    qobject_cast<QPushButton *>(menu->controllo(QStringLiteral("Command3")))->click();
    QTest::qWait(1500); // the opening sentence makes the mouth move
    errori += !fotografa(uscita + QStringLiteral("/imposta.png"));

    // The voice screen in English, its list of voices open: the English voices.
    menu = r.mostra(QStringLiteral("FormMenu"));
    r.scarica(r.caricato(QStringLiteral("FormImposta")));
    for (QAction *a : menu->findChild<MenuLingue *>()->voci()) {
        if (a->text() == QStringLiteral("English"))
            a->trigger();
    }
    qobject_cast<QPushButton *>(menu->controllo(QStringLiteral("Command3")))->click();
    QTest::qWait(1500);
    if (auto *voci = r.caricato(QStringLiteral("FormImposta"))->findChild<QComboBox *>())
        voci->showPopup();
    QTest::qWait(300);
    errori += !fotografa(uscita + QStringLiteral("/imposta-english.png"));
    return errori == 0 ? 0 : 1;
}
