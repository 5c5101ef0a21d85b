#pragma once

#include <QLabel>
#include <QString>

class QMovie;

// One animation cell of the 3 by 3 grid: one looping animated GIF, scaled
// once per size (not on every paint) and stopped while hidden. A missing or
// broken file, or a path that leaves the animations folder, shows an empty
// cell.
class CellaAnimata : public QLabel
{
    Q_OBJECT
public:
    // cartellaAnimazioni: the only folder whose files the cell will open.
    explicit CellaAnimata(const QString &cartellaAnimazioni, QWidget *padre = nullptr);
    ~CellaAnimata() override;

    // The designed operations: set the file (a full path), start.
    void setFile(const QString &percorso);
    QString file() const { return m_file; }
    void start();
    bool inRiproduzione() const; // for tests: the movie is running
    bool vuota() const; // for tests: nothing valid to show
    int framesScalati() const; // for tests: frames kept scaled for this size

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void mostraFrame(int n);
    void riprendi();
    class Privato;
    Privato *d;
    QString m_file;
};
