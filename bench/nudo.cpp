// The yardstick of the start-up comparison (bench/confronto_avvio.sh): a
// bare Qt Widgets program showing one 1280x800 label, that prints the
// moment of its first paint the way the measured program does.

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {

class Spia : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.installEventFilter(new Spia);
    QLabel l(QStringLiteral("Numerella"));
    l.setAlignment(Qt::AlignCenter);
    l.resize(1280, 800);
    l.show();
    return QApplication::exec();
}
