#pragma once

#include "orologio.h"
#include "scansione.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class CorniceScansione;
class QAbstractButton;
class QWidget;

// Scanning on one window (a screen, a message box): Space and Enter sent to
// any of its widgets become the switches' presses, the highlighted button
// holds the keyboard focus (a screen reader follows it) and wears the
// frame, and a choice clicks it. A target hidden or covered by another is
// skipped; while any target is disabled (the answer buttons locked while a
// sentence is read) or another window is modal, the scan waits. It lives
// as long as the window, whose child it is.
class ScansioneSchermo : public QObject
{
    Q_OBJECT
public:
    struct Impostazioni {
        Scansione::Modo modo = Scansione::Modo::UnPulsante;
        int intervalloMs = 1500;
        // Says the caption of each target as it is highlighted; empty: silent.
        std::function<void(const QString &)> leggi;
    };

    ScansioneSchermo(QWidget *finestra, const QList<QAbstractButton *> &bersagli, Impostazioni impostazioni);
    ~ScansioneSchermo() override;

    QAbstractButton *evidenziato() const;
    const CorniceScansione *cornice() const { return m_cornice; }
    // A clock of the caller's instead of the real one (the tests move it).
    void usaOrologio(const Orologio &orologio);

    // Looks again at the window: the lock, the targets that can be
    // highlighted, the interval; places the frame and the focus.
    void aggiorna();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool disponibile(int i) const;
    bool bloccata() const;
    void mostra();

    QPointer<QWidget> m_finestra;
    QList<QPointer<QAbstractButton>> m_bersagli;
    Impostazioni m_impostazioni;
    OrologioVero m_orologioVero;
    Scansione m_scansione;
    CorniceScansione *m_cornice;
    QPointer<QAbstractButton> m_mostrato; // the target last given the frame
    QTimer m_scadenza; // the interval of one switch
    QTimer m_rinvio; // a look again once the change under way is done
};
