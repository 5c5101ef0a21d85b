#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <optional>

class QAction;
class QMenu;
class Schermo;
struct Contesto;
struct Storie;

// The language menu (Lingua) of the main menu: one entry per language file of the
// program folder, the current language checked, and the switch of every
// loaded screen to the language chosen. It lives as a child of the menu
// screen, which owns the menu `mnuLanguages` and its designed entry
// `mnuLanguage`(0); the entries made here join the screen's controls so
// that the language files can caption them like any other.
class MenuLingue : public QObject
{
    Q_OBJECT
public:
    // A language with stories of its own loads them into storie.
    MenuLingue(Schermo &form, Contesto &c, Storie &storie);

    // Fills the menu from the language files present now.
    void MLSFillMenuLanguages();
    // Makes the language of entry Index current on every loaded screen and
    // stores it for the next start.
    void mnuLanguage_Click(int Index);

    // The entries of mnuLanguage by index (entry 0 first).
    QList<QAction *> voci() const;

    // The base names of the "*.lng" files of a folder (extension matched
    // without regard to letter case), sorted by name. Names that could not
    // be stored as a single INI value (a line break or another control
    // character in them) are left out.
    static QStringList lingueDisponibili(const QString &cartella);

    // The fixed text shown when the folder holds no language file: there is
    // no language to take a message from.
    static const QString MessaggioNessunFile;

private:
    QAction *voce(int i) const;
    void collega(QAction *a, int indice);

    Schermo &m_form;
    Contesto &c;
    Storie &m_storie;
    QPointer<QMenu> m_menu;
};
