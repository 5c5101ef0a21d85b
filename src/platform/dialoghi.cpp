#include "dialoghi.h"

#include <QMessageBox>

bool DialoghiQt::domanda(QWidget *padre, const QString &titolo, const QString &testo)
{
    return QMessageBox::question(padre, titolo, testo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void DialoghiQt::informazione(QWidget *padre, const QString &titolo, const QString &testo)
{
    QMessageBox::information(padre, titolo, testo, QMessageBox::Ok);
}

void DialoghiQt::avviso(QWidget *padre, const QString &titolo, const QString &testo)
{
    QMessageBox box(QMessageBox::NoIcon, titolo, testo, QMessageBox::Ok, padre);
    box.exec();
}

void DialoghiQt::errore(QWidget *padre, const QString &titolo, const QString &testo)
{
    QMessageBox::critical(padre, titolo, testo, QMessageBox::Ok);
}
