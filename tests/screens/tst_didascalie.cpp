// Every caption, label, button and menu-bar text fits its control on the common displays, in the shipped languages
// and in one whose captions are 40 per cent longer than the longer shipped one; none shrinks below 8 points.

#include "ambiente.h"
#include "formesercizio.h"
#include "lingualunga.h"
#include "menulingue.h"

#include <QtWidgets>

namespace {
// The visible texts of a screen that do not fit, and those smaller than 8 points.
QStringList fuori(Schermo *s)
{
    QStringList errori;
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
        } else if (auto *barra = qobject_cast<QMenuBar *>(w)) {
            for (QAction *a : barra->actions()) {
                if (!barra->rect().contains(barra->actionGeometry(a)) || barra->font().pointSizeF() < 8)
                    errori << QStringLiteral("menu bar \"%1\" %2pt").arg(a->text()).arg(barra->font().pointSizeF());
            }
        }
        if (testo.isEmpty() || !w->isVisibleTo(s))
            continue;
        const QRect t = QFontMetrics(w->font(), w).boundingRect(r, modo, testo);
        if (t.width() > r.width() || ((modo & Qt::TextWordWrap) && t.height() > r.height())
            || w->font().pointSizeF() < 8)
            errori << QStringLiteral("%1 \"%2\" %3pt").arg(w->objectName(), testo).arg(w->font().pointSizeF());
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
        // The longest story of the language, played to its end so that every sentence is on display.
        const auto lunghezza = [](const Storia &s) {
            return s.domanda1.size() + s.domanda2.size() + s.domanda3.size() + s.risposta1.per(3).size()
                + s.risposta2.per(2).size() + s.risposta3.per(5).size();
        };
        // A full class, for the screens of the class and the record.
        for (int i = 1; i <= 30; ++i)
            a.stato.ClasseAlunni.alunni.append({QStringLiteral("Alunna Maria %1").arg(i), QStringLiteral("mela.gif")});
        for (const char *nome : {"FormMenu", "FormAvvio", "Form1", "FormImposta", "FormAdulto", "FormChiGioca",
                                 "FormClasse", "FormRegistro"}) {
            const auto &t = a.stato.Testi1;
            const auto storia
                = std::max_element(t.begin(), t.end(), [&](auto &x, auto &y) { return lunghezza(x) < lunghezza(y); });
            a.prossimo(1, int(storia - t.begin()) + 1, 5, 3);
            Schermo *s = a.schermi.mostra(QString::fromLatin1(nome));
            QCOMPARE(s->frameGeometry().size(), display); // the row's display, filled
            if (auto *lingue = s->findChild<MenuLingue *>()) {
                for (QAction *voce : lingue->voci()) {
                    if (voce->text() == lingua)
                        voce->trigger();
                }
            }
            // On the exercise screen: with the prompt to write the operation, then with the operation written.
            auto *f = qobject_cast<FormEsercizio *>(s);
            for (const QByteArray &tasti : {QByteArray("325"), QByteArray("3+2=5")}) {
                for (char tasto : f ? tasti : QByteArray())
                    QTest::keyClick(f, tasto), a.quiete();
                QCoreApplication::processEvents();
                QVERIFY2(fuori(s).isEmpty(), qPrintable(fuori(s).join(QStringLiteral("; "))));
            }
            a.schermi.scarica(s);
        }
    }
};

QTEST_MAIN(TstDidascalie)
#include "tst_didascalie.moc"
