#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

// The picture for a target size in device pixels, from an icon that comes
// in two sizes (name.png and name@2x.png): the larger one is used once the
// smaller would be blown up visibly, and the aspect ratio is kept (the
// layout scales width and height by different ratios, and a squashed face
// reads as a different face).
QPixmap scalaIcona(const QPixmap &piccolo, const QPixmap &grande, const QSize &bersaglio);

// A stretched picture: a small icon drawn at the size its label has after
// scaling, sharp on a large display too.
class IconaScalata : public QLabel
{
    Q_OBJECT
public:
    // piccolo, grande: the two files (either may be missing).
    IconaScalata(const QString &piccolo, const QString &grande, QWidget *padre = nullptr);

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void aggiorna();

    QPixmap m_piccolo;
    QPixmap m_grande;
};
