#pragma once

#include <QWidget>

// A line control: measured by its end points X1, Y1, X2, Y2 (twips, in its
// parent's coordinates) rather than by a box.
class Linea : public QWidget
{
    Q_OBJECT
public:
    explicit Linea(QWidget *padre = nullptr);

    double x1() const { return m_p[0]; }
    double y1() const { return m_p[1]; }
    double x2() const { return m_p[2]; }
    double y2() const { return m_p[3]; }
    double punto(int i) const { return m_p[i]; }
    void setPunto(int i, double twip);
    void setPunti(double x1, double y1, double x2, double y2);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    void aggiornaGeometria();
    double m_p[4] = {0, 0, 0, 0};
};
