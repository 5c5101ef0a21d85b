#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QString>
#include <QStringList>

struct Contesto;
struct Scuola;
class Schermo;

// The pictures a pupil can be given, by file name: the animations of single
// things (not their "_arriva" and "_via" moves), then the still pictures of
// figure/.
QStringList immaginiAlunni(const Contesto &c);
// A pupil's picture (an animation's first frame); null when the file
// cannot be read.
QPixmap immagineAlunno(const Contesto &c, const QString &file);

// The pupil now playing, picture and name, at the right end of a screen's
// menu bar. Nothing is added for a visitor, so without a class the screen
// stays as designed.
void mostraAlunnoInBarra(Schermo &s, const Contesto &c, const Scuola &scuola);

// A big button with a pupil's picture over the name, for a child who finds
// their own picture before they can read their name.
class BottoneAlunno : public QAbstractButton
{
    Q_OBJECT
public:
    BottoneAlunno(const QString &nome, const QPixmap &immagine, QWidget *padre);
    // The button's font, made smaller when the name would need more than
    // two lines of it.
    QFont fontNome() const;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QPixmap m_immagine;
};
