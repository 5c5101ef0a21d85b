#pragma once

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

class MotoreVoce;

// The visible panel of a speech engine: a friendly mouth that moves while
// the engine speaks, above a clearly marked "listen" button. Pressing the
// button (mouse, or space while the panel has focus) raises the engine's
// SampleRequest. The panel is one button whose caption is the listen
// button's text, so the language files can translate it like any other
// caption (key Bocca.Caption).
class PannelloBocca : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PannelloBocca(MotoreVoce *motore, QWidget *padre = nullptr);

    // How far the mouth is open, 0 (closed smile) to 1.
    double apertura() const { return m_apertura; }

    // The area of the listen button, in panel coordinates.
    QRect rettangoloBottone() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *e) override;
    bool hitButton(const QPoint &pos) const override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void statoCambiato(bool parla);
    void passo();
    void disegnaViso(QPainter &p, const QRectF &area) const;
    void disegnaBottone(QPainter &p, const QRect &r) const;

    QPointer<MotoreVoce> m_motore;
    QTimer m_tempo;
    QElapsedTimer m_orologio;
    double m_apertura = 0.0;
};
