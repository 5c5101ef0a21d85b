#pragma once

#include <QColor>
#include <QWidget>

// The frame around the highlighted target of a scan: a thick ring above
// everything else on the window, in whichever of black or yellow stands
// out from what lies under it (a light screen or a dark gradient). It
// takes no clicks and no focus.
class CorniceScansione : public QWidget
{
    Q_OBJECT
public:
    explicit CorniceScansione(QWidget *finestra);

    // Around the target, spessore pixels wide, outside it where the window
    // leaves room and inside it at the window's edge.
    void circonda(QWidget *bersaglio, int spessore);
    QColor colore() const { return m_colore; }
    int spessore() const { return m_spessore; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QColor scegliColore();

    QColor m_colore = Qt::black;
    int m_spessore = 8;
};
