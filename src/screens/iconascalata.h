#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

// A stretched picture: a small icon drawn at the size its label has after
// scaling. The icon comes in two sizes (name.png and name@2x.png); the
// larger one is used once the label is big enough on the device, so the
// picture stays sharp on a large display.
class IconaScalata : public QLabel
{
    Q_OBJECT
public:
    // piccolo, grande: the two files (either may be missing).
    IconaScalata(const QString &piccolo, const QString &grande, QWidget *padre = nullptr);

    // For tests: which source the label shows now (0 none, 1 small, 2 large).
    int sorgenteUsata() const { return m_usata; }

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void aggiorna();

    QPixmap m_piccolo;
    QPixmap m_grande;
    int m_usata = 0;
};
