#pragma once

#include <QColor>
#include <QWidget>

// The gradient background of the start screen and the exercise screens: a
// two-colour linear gradient from `color` at the top to `fincolor` at the
// bottom. Without colours set it paints its own default pair.
class Sfondo : public QWidget
{
    Q_OBJECT
public:
    explicit Sfondo(QWidget *padre = nullptr);

    QColor color() const { return m_color; }
    QColor fincolor() const { return m_fincolor; }
    void setColor(const QColor &c);
    void setFincolor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QColor m_color;
    QColor m_fincolor;
};
