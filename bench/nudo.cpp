// The yardstick of the start-up comparison (bench/confronto_avvio.sh): a
// bare Qt Widgets program showing one 1280x800 label, whose first paint is
// marked by the same spy as the measured program's (bench/spiaprimodisegno.cpp).

#include <QApplication>
#include <QLabel>

void installaSpiaPrimoDisegno(QApplication &app);

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installaSpiaPrimoDisegno(app);
    QLabel l(QStringLiteral("Numerella"));
    l.setObjectName(QStringLiteral("FormAvvio")); // the window the spy waits for
    l.setAlignment(Qt::AlignCenter);
    l.resize(1280, 800);
    l.show();
    return QApplication::exec();
}
