#include "dialoghi.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {
int esegui(QMessageBox &box)
{
    for (QAbstractButton *b : box.buttons())
        b->setMinimumSize(b->minimumSizeHint().expandedTo(QSize(44, 44)));
    return box.exec();
}
} // namespace

bool DialoghiQt::domanda(QWidget *padre, const QString &titolo, const QString &testo)
{
    QMessageBox box(QMessageBox::Question, titolo, testo, QMessageBox::Yes | QMessageBox::No, padre);
    box.setDefaultButton(QMessageBox::Yes);
    if (allaDomanda)
        allaDomanda(box, {box.button(QMessageBox::Yes), box.button(QMessageBox::No)});
    return esegui(box) == QMessageBox::Yes;
}

void DialoghiQt::informazione(QWidget *padre, const QString &titolo, const QString &testo)
{
    QMessageBox box(QMessageBox::Information, titolo, testo, QMessageBox::Ok, padre);
    esegui(box);
}

void DialoghiQt::avviso(QWidget *padre, const QString &titolo, const QString &testo)
{
    QMessageBox box(QMessageBox::NoIcon, titolo, testo, QMessageBox::Ok, padre);
    esegui(box);
}

void DialoghiQt::errore(QWidget *padre, const QString &titolo, const QString &testo)
{
    QMessageBox box(QMessageBox::Critical, titolo, testo, QMessageBox::Ok, padre);
    esegui(box);
}
