// Built only into the benchmark copy of the program: prints the wall-clock
// time at which the start screen has been painted for the first time (the
// paint and the flush to the display run in one pass, after which the
// queued call below comes), so that bench/avvio.sh can measure the start-up.

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class SpiaPrimoDisegno : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()
            && static_cast<QWidget *>(o)->window()->objectName() == QLatin1String("FormAvvio")) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                std::fprintf(stderr, "NUMERELLA_BENCH primo-disegno %lld\n",
                             static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stderr);
            });
        }
        return false;
    }
};

} // namespace

void installaSpiaPrimoDisegno(QApplication &app)
{
    app.installEventFilter(new SpiaPrimoDisegno(&app));
}
