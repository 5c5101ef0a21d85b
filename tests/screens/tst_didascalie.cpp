// Every caption, label, button and menu-bar text fits its control on the common displays, in the shipped languages
// and in one whose captions are 40 per cent longer than the longer shipped one; none shrinks below 8 points. So do
// a full class's names of 40 letters on their buttons and in the record view's table, and the record chart's legend.
// Every button a child presses is at least 44 pixels each way at 1024 x 768.

#include "alunni.h"
#include "ambiente.h"
#include "formesercizio.h"
#include "formregistro.h"
#include "lingualunga.h"
#include "menulingue.h"
#include "registroclasse.h"
#include "scrittoreregistro.h"

#include <QChartView>
#include <QLegendMarker>
#include <QtWidgets>

namespace {
// The visible texts of a screen that do not fit, and those smaller than 8 points.
QStringList fuori(Schermo *s)
{
    QStringList errori;
    const auto errore = [&errori](QWidget *w, const QString &testo, const QFont &f) {
        errori << QStringLiteral("%1 \"%2\" %3pt").arg(w->objectName(), testo).arg(f.pointSizeF());
    };
    for (QWidget *w : s->findChildren<QWidget *>()) {
        QString testo;
        QRect r = w->contentsRect();
        int modo = Qt::AlignCenter;
        if (auto *l = qobject_cast<QLabel *>(w)) {
            testo = l->text();
            modo = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
            r.adjust(std::max(0, l->indent()), 0, 0, 0);
        } else if (qobject_cast<QPushButton *>(w) || qobject_cast<QToolButton *>(w)) {
            testo = qobject_cast<QAbstractButton *>(w)->text();
            QStyleOptionButton o;
            o.initFrom(w);
            r = w->style()->subElementRect(QStyle::SE_PushButtonContents, &o, w);
        } else if (auto *b = qobject_cast<BottoneAlunno *>(w)) {
            // Two lines of name below the picture, inside the frame.
            const QFontMetrics fm(b->fontNome(), b);
            const QRect t = fm.boundingRect(QRect(0, 0, b->width() - 12, b->height()), Qt::TextWordWrap, b->text());
            if (t.width() > b->width() - 12 || t.height() > 2 * fm.height() || b->fontNome().pointSizeF() < 8)
                errore(w, b->text(), b->fontNome());
        } else if (auto *t = qobject_cast<QTableWidget *>(w)) {
            // Every column on display, each header and cell whole in it.
            const int margine = 2 * (t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1);
            const QFontMetricsF fm(t->font(), t);
            int larghezza = 0;
            for (int k = 0; k < t->columnCount(); ++k) {
                larghezza += t->columnWidth(k);
                for (int riga = -1; riga < t->rowCount(); ++riga) {
                    const QString cella = riga < 0 ? t->horizontalHeaderItem(k)->text() : t->item(riga, k)->text();
                    const QRectF r(0, 0, t->columnWidth(k) - margine,
                                   riga < 0 ? t->horizontalHeader()->height() : t->rowHeight(riga));
                    // The view's lines are the font's height apart, without the leading.
                    const QRectF b = fm.boundingRect(r, Qt::TextWordWrap, cella);
                    if (b.width() > r.width() || std::round(b.height() / fm.lineSpacing()) * fm.height() > r.height())
                        errore(w, cella, t->font());
                }
            }
            if (larghezza > t->viewport()->width() || t->font().pointSizeF() < 8)
                errore(w, QStringLiteral("columns wider than it"), t->font());
        } else if (auto *v = qobject_cast<QChartView *>(w)) {
            // The legend's names in one row, each with its mark.
            const QLegend *legenda = v->chart()->legend();
            const QFontMetrics fm(legenda->font());
            int larghezza = 0;
            for (QLegendMarker *m : legenda->markers())
                larghezza += fm.horizontalAdvance(m->label()) + 3 * fm.height();
            if (larghezza > v->chart()->size().width() || legenda->font().pointSizeF() < 8)
                errore(w, QStringLiteral("legend"), legenda->font());
        } else if (auto *barra = qobject_cast<QMenuBar *>(w)) {
            for (QAction *a : barra->actions())
                if (!barra->rect().contains(barra->actionGeometry(a)) || barra->font().pointSizeF() < 8)
                    errore(w, a->text(), barra->font());
        }
        if (testo.isEmpty() || !w->isVisibleTo(s))
            continue;
        const QRect t = QFontMetrics(w->font(), w).boundingRect(r, modo, testo);
        if (t.width() > r.width() || ((modo & Qt::TextWordWrap) && t.height() > r.height())
            || w->font().pointSizeF() < 8)
            errore(w, testo, w->font());
    }
    return errori;
}
} // namespace

class TstDidascalie : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void entrano_data()
    {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<QString>("lingua");
        for (QSize d : {QSize(1024, 768), QSize(1280, 800), QSize(1366, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
            for (const char *l : {"Italiano", "English", "Lunga"})
                QTest::addRow("%dx%d %s", d.width(), d.height(), l) << d << QString::fromLatin1(l);
        }
    }

    // Each screen on display in turn; the menu learns the language from its language menu, the others at load.
    void entrano()
    {
        QFETCH(QSize, display);
        QFETCH(QString, lingua);
        Ambiente a(Ambiente::datiProgramma(), QStringLiteral("Italiano"), display);
        QVERIFY(scriviLunga(a.programma.path()));
        a.schermi.registra(QStringLiteral("FormRegistro"), [&a] { return new FormRegistro(*a.c, a.stato); });
        // The longest story of the language, played to its end so that every sentence is on display.
        const auto lunghezza = [](const Storia &s) {
            return s.domanda1.size() + s.domanda2.size() + s.domanda3.size() + s.risposta1.per(3).size()
                + s.risposta2.per(2).size() + s.risposta3.per(5).size();
        };
        // A full class of names of 40 letters, each with a problem in the record, for the screens of the class and
        // the record.
        ScrittoreRegistro registro(a.c->percorsi.impostazioni, QStringLiteral("aula1"), intestazioneRegistro(a.lingua),
                                   titoliRegistro(a.lingua));
        RigaRegistro riga;
        riga.inizio = QDateTime(QDate(2026, 12, 7), QTime(9, 0));
        for (int i = 1; i <= 30; ++i) {
            riga.alunno = QStringLiteral("Mariagrazia Benedetta %1 Castiglioni Dal").arg(i, 2, 10, QLatin1Char('0'));
            a.stato.ClasseAlunni.alunni.append({riga.alunno, QStringLiteral("mela.gif")});
            QVERIFY(riga.alunno.size() == 40 && registro.aggiungi(riga));
        }
        for (const char *nome : {"FormMenu", "FormAvvio", "Form1", "Form2", "FormImposta", "FormAdulto", "FormChiGioca",
                                 "FormClasse", "FormRegistro"}) {
            const auto &t = a.stato.Testi1;
            const auto storia
                = std::max_element(t.begin(), t.end(), [&](auto &x, auto &y) { return lunghezza(x) < lunghezza(y); });
            a.prossimo(1, int(storia - t.begin()) + 1, 5, 3);
            Schermo *s = a.schermi.mostra(QString::fromLatin1(nome));
            QCOMPARE(s->frameGeometry().size(), display); // the row's display, filled
            for (MenuLingue *lingue : s->findChildren<MenuLingue *>())
                for (QAction *voce : lingue->voci())
                    if (voce->text() == lingua)
                        voce->trigger();
            // On the exercise screen: with the prompt to write the operation, then with the operation written.
            auto *f = qobject_cast<FormEsercizio *>(s);
            for (const QByteArray &tasti : {QByteArray("325"), QByteArray("3+2=5")}) {
                for (char tasto : f ? tasti : QByteArray())
                    QTest::keyClick(f, tasto), a.quiete();
                QCoreApplication::processEvents();
                QVERIFY2(fuori(s).isEmpty(), qPrintable(fuori(s).join(QStringLiteral("; "))));
                // What a child presses is at least 44 pixels each way on the smallest display.
                const bool bambino
                    = QByteArrayList{"FormAvvio", "FormMenu", "Form1", "Form2", "FormChiGioca"}.contains(nome);
                for (QAbstractButton *b : s->findChildren<QAbstractButton *>())
                    QVERIFY2(!bambino || display != QSize(1024, 768) || !b->isVisibleTo(s)
                                 || (b->width() >= 44 && b->height() >= 44),
                             qPrintable(b->objectName()));
            }
            a.schermi.scarica(s);
        }
    }
};

QTEST_MAIN(TstDidascalie)
#include "tst_didascalie.moc"
