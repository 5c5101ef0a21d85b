// Built into the copy of the program that the black-box tests run (the
// program's own main and libraries): says on standard error when the start
// screen has been painted, the one thing a test cannot see from outside.

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace {
struct Spia : QObject {
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()
            && static_cast<QWidget *>(o)->window()->objectName() == QLatin1String("FormAvvio")) {
            qApp->removeEventFilter(this);
            std::fprintf(stderr, "schermata iniziale disegnata\n");
            std::fflush(stderr);
        }
        return false;
    }
};
} // namespace

void installaSpiaPrimoDisegno(QApplication &app)
{
    app.installEventFilter(new Spia(&app));
}
