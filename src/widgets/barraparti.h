#pragma once

#include <QWidget>

// The part-part-whole bar: the whole in one band above, its two parts in
// the band below, each as wide as its share and with its number, so that
// the child sees the operation's three numbers as one thing and its pieces.
// A screen reader reads its accessible description, which the screen sets
// to the hint's sentence.
class BarraParti : public QWidget
{
    Q_OBJECT
public:
    explicit BarraParti(QWidget *padre = nullptr);

    void setNumeri(int intero, int parte1, int parte2);
    int intero() const { return m_intero; }
    int parte1() const { return m_parte1; }
    int parte2() const { return m_parte2; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    int m_intero = 0;
    int m_parte1 = 0;
    int m_parte2 = 0;
};
