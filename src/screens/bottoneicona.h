#pragma once

#include <QIcon>
#include <QPushButton>

// A button that shows only a picture, drawn as large as the button allows
// whatever size the layout gives it.
class BottoneIcona : public QPushButton
{
    Q_OBJECT
public:
    explicit BottoneIcona(const QIcon &icona, QWidget *padre = nullptr);

protected:
    void resizeEvent(QResizeEvent *e) override;
};
