#pragma once

#include <QString>

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

// QMessageBox-based implementation used by the real program.
class DialoghiQt : public Dialoghi
{
public:
    bool domanda(QWidget *padre, const QString &titolo, const QString &testo) override;
    void informazione(QWidget *padre, const QString &titolo, const QString &testo) override;
    void avviso(QWidget *padre, const QString &titolo, const QString &testo) override;
    void errore(QWidget *padre, const QString &titolo, const QString &testo) override;
};
