#pragma once

#include <QPixmap>
#include <QPushButton>

// A button that shows only a picture, drawn as large as the button allows
// whatever size the layout gives it. The picture comes in two sizes
// (name.png and name@2x.png), as the icons of the screens do.
class BottoneIcona : public QPushButton
{
    Q_OBJECT
public:
    BottoneIcona(const QString &piccolo, const QString &grande, QWidget *padre = nullptr);

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    QPixmap m_piccolo;
    QPixmap m_grande;
};
