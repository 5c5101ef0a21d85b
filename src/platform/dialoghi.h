#pragma once

#include <QList>
#include <QString>
#include <functional>

class QAbstractButton;
class QMessageBox;
class QWidget;

// The program's modal message boxes. The screens only reach message boxes
// through this, so tests can answer them.
class Dialoghi
{
public:
    virtual ~Dialoghi() = default;
    // Yes/No question with the question icon; true when the answer is Yes.
    virtual bool domanda(QWidget *padre, const QString &titolo, const QString &testo) = 0;
    // Information icon, one OK button.
    virtual void informazione(QWidget *padre, const QString &titolo, const QString &testo) = 0;
    // One OK button, no icon beyond a warning (messages "0015" and the
    // missing language file).
    virtual void avviso(QWidget *padre, const QString &titolo, const QString &testo) = 0;
    // A fatal error at start-up: critical icon, one OK button.
    virtual void errore(QWidget *padre, const QString &titolo, const QString &testo) = 0;
};

// QMessageBox-based implementation used by the real program. Every button
// is at least 44 pixels each way, big enough for a child's finger.
class DialoghiQt : public Dialoghi
{
public:
    // Given each question before it is shown, with its buttons in order
    // (Yes, No): the program makes it scannable for switch users.
    std::function<void(QMessageBox &box, const QList<QAbstractButton *> &bottoni)> allaDomanda;

    bool domanda(QWidget *padre, const QString &titolo, const QString &testo) override;
    void informazione(QWidget *padre, const QString &titolo, const QString &testo) override;
    void avviso(QWidget *padre, const QString &titolo, const QString &testo) override;
    void errore(QWidget *padre, const QString &titolo, const QString &testo) override;
};
