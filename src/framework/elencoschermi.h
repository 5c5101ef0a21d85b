#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class Schermo;

// The single-instance screens of the program, known by name. A screen is
// created (and its load step run) on first reference and destroyed when
// unloaded; loaded screens are kept in load order. Screens reach each other
// only through here.
class ElencoSchermi : public QObject
{
    Q_OBJECT
public:
    // May give null: no such screen (its maker has told why).
    using Fabbrica = std::function<Schermo *()>;

    void registra(const QString &nome, Fabbrica fabbrica);

    // The loaded screen of that name, created and loaded first if needed.
    Schermo *schermo(const QString &nome);
    // The loaded screen of that name, or null: never creates.
    Schermo *caricato(const QString &nome) const;
    // Loaded and visible; never creates.
    bool mostrato(const QString &nome) const;
    // Loaded screens in load order (the hidden FormBocca among them).
    QList<Schermo *> caricati() const;

    // Shows the screen (creating and loading it first if needed) and runs
    // its activate step once for this showing.
    Schermo *mostra(const QString &nome);
    // Runs the screen's unload step, hides and destroys it. Safe to call
    // from inside one of its own handlers: the object goes away once control
    // returns to the event loop, and caricato() is false from now on.
    void scarica(Schermo *s);
    // Hides and unloads every screen (the end of the run).
    void scaricaTutti();

    // Called when no visible screen is left after an unload (only the
    // hidden ones): the program must not linger.
    std::function<void()> nessunoSchermoVisibile;
    // Ends the run at once with the given status (the exit question's Yes,
    // the start screen's close button). Tests put their own here.
    std::function<void(int)> termina;

private:
    QHash<QString, Fabbrica> m_fabbriche;
    QList<QPointer<Schermo>> m_caricati;
};
