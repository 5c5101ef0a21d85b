#pragma once

#include <QLabel>
#include <QString>

class Cornice;

// One animation cell of the 3 by 3 grid: one animated GIF, played as many
// times as the file says and then held on its last frame, stopped while
// hidden. Frames are decoded and scaled when they are first shown, once for
// every cell that shows the same file at the same size, and kept up to a
// budget of bytes per file; past it each cell decodes as it goes. A file
// that controllaAnimazione refuses shows an empty cell.
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
    int framesScalati() const; // frames decoded and scaled so far for this file at this size
    // A hint's mark: the cell framed, with the number said for it; also its
    // accessible description, for a screen reader.
    void segna(const QString &numero);
    void smarca();
    QString segno() const; // the number of the mark; empty without one

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void mostraFrame();
    void avanza();
    void riprendi();
    class Privato;
    Privato *d;
    QString m_file;
    Cornice *m_cornice = nullptr; // made at the first mark
};
