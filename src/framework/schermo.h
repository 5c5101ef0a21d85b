#pragma once

#include "controllo.h"

#include <QList>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class ElencoSchermi;

// The geometry of the display the screens fill, in pixels. The program asks
// the window system (displayPrimario); a test gives the size it wants, and
// may change it between one screen and the next.
using GeometriaDisplay = std::function<QRect()>;
// The primary screen's geometry; 1024 x 768 when there is none.
QRect displayPrimario();

// A designed screen: a top-level window named like the form, whose controls
// are kept in one ordered list in the order the screen creates them. The
// screen list (ElencoSchermi) runs Form_Load once after construction,
// Form_Activate once per showing, and the screen's resize events run
// Form_Resize.
class Schermo : public QMainWindow
{
    Q_OBJECT
public:
    // nome: the form name (objectName); the designed client area in twips;
    // display: the display the screen fills.
    Schermo(const QString &nome, int larghezzaTwip, int altezzaTwip, GeometriaDisplay display);
    ~Schermo() override;

    QString nomeForm() const { return objectName(); }

    // The client area that holds the controls (the central widget).
    QWidget *client() const { return m_client; }

    // Controls in creation order: what MLSLoadFormStrings and clsResize walk.
    const QList<Controllo> &controlli() const { return m_controlli; }
    // Finds a control by name and index (-1: not in an array).
    QObject *controllo(const QString &nome, int indice = -1) const;
    // The same as the kind of control it is; null when it is another.
    template <class T> T *controllo(const QString &nome, int indice = -1) const
    {
        return qobject_cast<T *>(controllo(nome, indice));
    }

    // Registers a widget already created: names it, gives it its index when
    // it is a member of a control array and, when the measures are given,
    // places it (twips, relative to its parent).
    template <class W> W *aggiungi(W *w, const QString &nome, int indice = -1)
    {
        registra(w, nome, indice);
        return w;
    }
    void registra(QObject *o, const QString &nome, int indice = -1);
    static void piazza(QWidget *w, int left, int top, int width, int height);

    // The screen's own title, tooltip and tag.
    QString tag() const { return m_tag; }
    void setTag(const QString &t) { m_tag = t; }

    // Outer geometry and inner size in twips, as the design measures them.
    double widthTwip() const;
    double heightTwip() const;
    void setTopTwip(double v);
    void setLeftTwip(double v);
    void setWidthTwip(double v);
    void setHeightTwip(double v);
    double innerWidthTwip() const;
    double innerHeightTwip() const;
    int designWidthTwip() const { return m_designW; }
    int designHeightTwip() const { return m_designH; }

    // The display the screen fills, in pixels and in twips.
    QRect displayPixel() const { return m_display(); }
    double displayWidthTwip() const;
    double displayHeightTwip() const;

    // Top 0, left 0, then the display's height and width.
    void riempiDisplay();

    // False once the screen list has unloaded the screen (the object goes away
    // once control is back in the event loop).
    bool caricato() const { return m_caricato; }

    // Gives the client area its designed size (the screen list does this
    // before the load step).
    void dimensionaDesign();

    // Events run by the screen list and by Qt.
    virtual void Form_Load() { }
    virtual void Form_Activate() { }
    virtual void Form_Resize() { }
    // Run by the screen list as it unloads the screen, before hiding it.
    virtual void Form_Unload() { }
    // The window system asked to close the screen (title-bar button,
    // Alt+F4); the screens decide what that means. The default ends the run.
    virtual void chiusuraRichiesta();

    void setElenco(ElencoSchermi *e) { m_elenco = e; }
    ElencoSchermi *elenco() const { return m_elenco; }

protected:
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    friend class ElencoSchermi;
    QWidget *m_client;
    QList<Controllo> m_controlli;
    QString m_tag;
    int m_designW;
    int m_designH;
    GeometriaDisplay m_display;
    bool m_caricato = true;
    ElencoSchermi *m_elenco = nullptr;
};
