#include "schermo.h"

#include "elencoschermi.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cmath>

QRect displayPrimario()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->geometry();
    return QRect(0, 0, 1024, 768);
}

Schermo::Schermo(const QString &nome, int larghezzaTwip, int altezzaTwip, GeometriaDisplay display)
    : m_client(new QWidget(this))
    , m_designW(larghezzaTwip)
    , m_designH(altezzaTwip)
    , m_display(std::move(display))
{
    setObjectName(nome);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
}

Schermo::~Schermo() = default;

void Schermo::registra(QObject *o, const QString &nome, int indice)
{
    o->setObjectName(nome);
    if (indice >= 0)
        o->setProperty("index", indice);
    m_controlli.append(Controllo(o));
}

void Schermo::piazza(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(pixelDaTwip(left), pixelDaTwip(top), pixelDaTwip(width), pixelDaTwip(height));
}

QObject *Schermo::controllo(const QString &nome, int indice) const
{
    for (const Controllo &c : m_controlli) {
        if (c.nome() != nome)
            continue;
        const auto i = c.indice();
        if ((indice < 0 && !i) || (i && *i == indice))
            return c.oggetto();
    }
    return nullptr;
}

static int altezzaMenu(const QMainWindow *w)
{
    QWidget *m = w->menuWidget();
    if (!m || m->isHidden())
        return 0;
    if (auto *bar = qobject_cast<QMenuBar *>(m); bar && bar->actions().isEmpty())
        return 0;
    return m->sizeHint().height();
}

void Schermo::dimensionaDesign()
{
    resize(pixelDaTwip(m_designW), pixelDaTwip(m_designH) + altezzaMenu(this));
}

double Schermo::widthTwip() const
{
    return double(frameGeometry().width()) * TwipPerPixel;
}
double Schermo::heightTwip() const
{
    return double(frameGeometry().height()) * TwipPerPixel;
}

void Schermo::setTopTwip(double v)
{
    move(pos().x(), pixelDaTwip(v));
}
void Schermo::setLeftTwip(double v)
{
    move(pixelDaTwip(v), pos().y());
}

void Schermo::setWidthTwip(double v)
{
    const int cornice = frameGeometry().width() - width();
    resize(std::max(1, pixelDaTwip(v) - cornice), height());
}

void Schermo::setHeightTwip(double v)
{
    const int cornice = frameGeometry().height() - height();
    resize(width(), std::max(1, pixelDaTwip(v) - cornice));
}

double Schermo::innerWidthTwip() const
{
    return double(width()) * TwipPerPixel;
}

double Schermo::innerHeightTwip() const
{
    return double(height() - altezzaMenu(this)) * TwipPerPixel;
}

double Schermo::displayWidthTwip() const
{
    return double(displayPixel().width()) * TwipPerPixel;
}
double Schermo::displayHeightTwip() const
{
    return double(displayPixel().height()) * TwipPerPixel;
}

void Schermo::riempiDisplay()
{
    move(0, 0);
    // Both sides in one resize: every resize lays the controls out and fits
    // their text anew, while the child waits for the first sentence.
    const QRect d = displayPixel();
    resize(std::max(1, d.width() - (frameGeometry().width() - width())),
           std::max(1, d.height() - (frameGeometry().height() - height())));
}

void Schermo::chiusuraRichiesta()
{
    if (m_elenco && m_elenco->termina)
        m_elenco->termina(0);
    else
        QCoreApplication::exit(0);
}

void Schermo::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

void Schermo::closeEvent(QCloseEvent *e)
{
    if (!m_caricato) {
        e->accept();
        return;
    }
    // The window system's close button: the screen decides, and the window
    // stays until the program itself unloads it.
    e->ignore();
    chiusuraRichiesta();
}
