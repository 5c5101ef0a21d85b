#include "dialoghi.h"
#include "percorsi.h"
#include "programma.h"
#include "schermi.h"
#include "suoni.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef NUMERELLA_MISURA
// The benchmark build of the program prints the moment of the first paint
// (bench/spiaprimodisegno.cpp); the shipped program has no such hook.
void installaSpiaPrimoDisegno(QApplication &app);
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerella"));

#ifdef NUMERELLA_MISURA
    installaSpiaPrimoDisegno(app);
#endif

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
