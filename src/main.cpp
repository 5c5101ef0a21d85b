#include "dialoghi.h"
#include "percorsi.h"
#include "programma.h"
#include "schermi.h"
#include "suoni.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cstdio>

namespace {

// With NUMERELLA_BENCH set, prints the wall-clock time at which the start
// screen has been painted for the first time (the paint and the flush to
// the display run in one pass, after which the queued call below comes),
// so that a script can measure the start-up. Not installed otherwise.
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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerella"));

    SpiaPrimoDisegno spia;
    if (qEnvironmentVariableIsSet("NUMERELLA_BENCH"))
        app.installEventFilter(&spia);
    // Tests of the whole program end a run after a while, message boxes
    // included, as no one is there to press a button. Not set otherwise.
    if (const int ms = qEnvironmentVariableIntValue("NUMERELLA_ESCI_DOPO_MS"); ms > 0)
        QTimer::singleShot(ms, &app, [] { QCoreApplication::exit(0); });

    // The screens name the fonts they were designed with; where those are
    // not installed, fonts of the same look (and, for Arial, the same
    // metrics) stand in.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    // Message box buttons in the system's language, as the platform's own
    // dialogs have them.
    QTranslator traduzioniQt;
    if (traduzioniQt.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioniQt);

    Programma::Opzioni opzioni;
    opzioni.percorsi = Percorsi::diSistema();
    opzioni.registraSchermi = registraSchermi;
    Programma programma(std::move(opzioni));
    if (const std::optional<int> stato = programma.Main())
        return *stato;
    return QApplication::exec();
}
