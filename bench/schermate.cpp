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
#include "elencoschermi.h"
#include "formadulto.h"
#include "formesercizio.h"
#include "ini.h"
#include "lingualunga.h"
#include "menulingue.h"
#include "programma.h"
#include "schermi.h"
#include "schermo.h"
#include "scrittoreregistro.h"

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
#include <cstdio>

namespace {
bool copiaCartella(const QString &da, const QString &a)
{
    for (QDirIterator it(da, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString dest = a + u'/' + QDir(da).relativeFilePath(it.next());
        if (!QDir().mkpath(QFileInfo(dest).path()) || !QFile::copy(it.filePath(), dest))
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

// 30 pupils, each added as the class screen adds them (a picture no one
// has), and six school weeks of their record.
void scriviClasse(const QString &programma, const QString &impostazioni)
{
    const QStringList nomi = u"Alessandro,Beatrice,Carlo,Davide,Elena,Francesca,Giulia,Hamza,Irene,Jacopo,Kevin,"
                             u"Leonardo,Martina,Nicolò,Olga,Pietro,Quang,Rebecca,Sofia,Tommaso,Umberto,Valentina,Wen,"
                             u"Xavier,Yasmine,Zeno,Anna Maria,Bianca,Cristian,Diego"_qs.split(u',');
    QStringList figure;
    const auto ordine = QDir::Name | QDir::IgnoreCase;
    for (const QString &f : QDir(programma + u"/gifanimate"_qs).entryList({"*.gif"}, QDir::Files, ordine))
        if (!f.contains(u'_'))
            figure << f;
    figure += QDir(programma + u"/figure"_qs).entryList({"*.png"}, QDir::Files, ordine);
    Classe c;
    for (const QString &n : nomi)
        c.alunni.append({n, c.prossimaImmagine(figure)});
    QString errore;
    salvaClasse(c, impostazioni, &errore);
    QFile f(impostazioni + u"/registro-aula1.csv"_qs);
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
            for (int p = 0, problemi = 4 + (a * 7 + giorno * 3) % 9; p < problemi; ++p) {
                RigaRegistro r;
                r.inizio = QDateTime(g, QTime(9, 0).addSecs(a * 97 + p * 41), Qt::OffsetFromUTC, 7200);
                r.alunno = nomi[a];
                r.lingua = u"Italiano"_qs;
                r.fileStorie = u"testi/lista1.txt"_qs;
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

void premi(Schermo *s, const QString &bottone)
{
    s->controllo<QPushButton>(bottone)->click();
}

// The adult's question asked from the menu, and answered.
void chiediAdulto(Programma &p, const QString &scarica, FormAdulto::Dopo dopo)
{
    Schermo *m = p.schermi().mostra(u"FormMenu"_qs);
    p.schermi().scarica(p.schermi().caricato(scarica));
    FormAdulto::chiedi(p.contesto(), m, dopo);
    auto *a = qobject_cast<FormAdulto *>(p.schermi().caricato(u"FormAdulto"_qs));
    a->findChild<QLineEdit *>(u"TestoRisposta"_qs)->setText(QString::number(p.stato().UltimaDomandaAdulto.risposta()));
    a->BottoneConferma_Click();
}

// The main menu with its language menu open.
bool fotografaMenu(Schermo *menu, const QString &file)
{
    auto *lingue = menu->controllo<QMenu>(u"mnuLanguages"_qs);
    menu->menuBar()->setActiveAction(lingue->menuAction());
    QTest::qWait(300);
    const bool ok = fotografa(file);
    lingue->hide();
    menu->menuBar()->setActiveAction(nullptr);
    QTest::qWait(200);
    return ok;
}

void scegliLingua(Schermo *menu, const QString &lingua)
{
    for (QAction *a : menu->findChild<MenuLingue *>()->voci())
        if (a->text() == lingua)
            a->trigger();
}

// The voice screen from the menu, once its opening sentence has made the mouth move.
Schermo *apriVoce(ElencoSchermi &r)
{
    premi(r.caricato(u"FormMenu"_qs), u"Command3"_qs);
    QTest::qWait(1500);
    return r.caricato(u"FormImposta"_qs);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <data folder> <output folder>\n", argv[0]);
        return 2;
    }
    QFont::insertSubstitution(u"Comic Sans MS"_qs, u"Comic Neue"_qs);
    QFont::insertSubstitution(u"Arial"_qs, u"Liberation Sans"_qs);
    QFont::insertSubstitution(u"MS Sans Serif"_qs, u"Liberation Sans"_qs);

    const QString uscita = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    QDir().mkpath(uscita);
    QTemporaryDir programma, impostazioni, lock;
    if (!copiaCartella(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(), programma.path())) {
        std::fprintf(stderr, "cannot copy the data folder\n");
        return 1;
    }
    const QByteArray modo = argc > 3 ? argv[3] : "";
    if (modo == "classe")
        scriviClasse(programma.path(), impostazioni.path());
    if (modo == "lunga") { // Lunga.lng made the run's language
        scriviLunga(programma.path());
        MLSWriteIniValue(programma.filePath(u"LangSetting.ini"_qs), u"Language"_qs, u"CurrentLanguage"_qs, u"Lunga"_qs);
    }

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
    ElencoSchermi &r = p.schermi();

    int errori = 0;
    const auto foto = [&](const QString &nome) { errori += !fotografa(uscita + u'/' + nome); };
    QTest::qWait(500);
    if (modo == "classe") {
        premi(r.caricato(u"FormAvvio"_qs), u"BottoneAvvio"_qs);
        foto(u"chigioca.png"_qs);
        r.caricato(u"FormChiGioca"_qs)->findChildren<QAbstractButton *>().at(7)->click();
        premi(r.caricato(u"FormMenu"_qs), u"Command8"_qs);
        foto(u"form1-alunno.png"_qs);
        chiediAdulto(p, u"Form1"_qs, FormAdulto::Dopo::Classe);
        foto(u"classe.png"_qs);
        chiediAdulto(p, u"FormClasse"_qs, FormAdulto::Dopo::Registro);
        r.caricato(u"FormRegistro"_qs)->findChild<QTableWidget *>()->selectRow(3);
        foto(u"registro.png"_qs);
        return errori == 0 ? 0 : 1;
    }
    Schermo *menu = r.mostra(u"FormMenu"_qs);
    r.scarica(r.caricato(u"FormAvvio"_qs));

    if (modo == "lunga") {
        const QSize d = QGuiApplication::primaryScreen()->size();
        const QString dim = u"-lunga-%1x%2.png"_qs.arg(d.width()).arg(d.height());
        auto *f = qobject_cast<FormEsercizio *>(r.mostra(u"Form1"_qs));
        r.scarica(menu);
        // The first story to its end: every sentence and the operation on display. The things there at first
        // are shown at once, the ones that arrive after the first answer.
        const auto celle = [f] {
            int n = 0;
            for (int i = 0; i < 9; ++i)
                n += f->controllo<QWidget>(u"GifAnimator1"_qs, i)->isVisible();
            return n;
        };
        const auto attendi = [&](const auto &cosa) { errori += !QTest::qWaitFor(cosa, 30000); };
        const auto bottone = [f](QChar t) {
            return f->controllo<QPushButton>(t == u'+'       ? u"Command3"_qs
                                                 : t == u'=' ? u"Command5"_qs
                                                             : u"Command1"_qs,
                                             t.isDigit() ? t.digitValue() : -1);
        };
        const auto premiTasto = [&](QChar t) {
            attendi([&] { return bottone(t)->isEnabled(); }); // the sentences before it read
            bottone(t)->click();
        };
        attendi([&] { return celle() > 0; });
        const int n1 = celle();
        premiTasto(QChar(u'0' + n1));
        attendi([&] { return celle() > n1; });
        const int n3 = celle(), n2 = n3 - n1;
        for (QChar t : QString::asprintf("%d%d%d+%d=%d", n2, n3, n1, n2, n3))
            premiTasto(t);
        attendi([&] { return bottone(u'0')->isEnabled(); });
        foto(u"form1"_qs + dim);
        r.mostra(u"FormMenu"_qs);
        r.scarica(f);
        apriVoce(r);
        foto(u"imposta"_qs + dim);
        return errori == 0 ? 0 : 1;
    }

    errori += !fotografaMenu(menu, uscita + u"/menu-italiano.png"_qs);
    scegliLingua(menu, u"English"_qs);
    errori += !fotografaMenu(menu, uscita + u"/menu-english.png"_qs);
    scegliLingua(menu, u"Italiano"_qs);
    apriVoce(r);
    foto(u"imposta.png"_qs);

    // The voice screen in English, its list of voices open: the English voices.
    menu = r.mostra(u"FormMenu"_qs);
    r.scarica(r.caricato(u"FormImposta"_qs));
    scegliLingua(menu, u"English"_qs);
    if (auto *voci = apriVoce(r)->findChild<QComboBox *>())
        voci->showPopup();
    QTest::qWait(300);
    foto(u"imposta-english.png"_qs);
    return errori == 0 ? 0 : 1;
}
