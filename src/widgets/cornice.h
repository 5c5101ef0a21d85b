#pragma once

#include <QString>
#include <QWidget>

// A clear frame over the edge of the widget it is put on, with a number in
// its corner when it has one: how a hint marks a picture being counted or
// the key to press next. Clicks go through it to the widget below, and it
// keeps that widget's size.
class Cornice : public QWidget
{
    Q_OBJECT
public:
    explicit Cornice(QWidget *su);

    void setNumero(const QString &numero); // empty: the frame alone
    QString numero() const { return m_numero; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    QString m_numero;
};
