#include "controllo.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QVariant>
#include <QWidget>
#include <cmath>

Controllo::Controllo(QObject *oggetto)
    : m_oggetto(oggetto)
{
}

QWidget *Controllo::widget() const
{
    return qobject_cast<QWidget *>(m_oggetto.data());
}

QString Controllo::nome() const
{
    return m_oggetto ? m_oggetto->objectName() : QString();
}

std::optional<int> Controllo::indice() const
{
    if (!m_oggetto)
        return std::nullopt;
    const QVariant v = m_oggetto->property("index");
    bool ok = false;
    const int i = v.toInt(&ok);
    if (!v.isValid() || !ok || i < 0)
        return std::nullopt;
    return i;
}

bool Controllo::haCaption() const
{
    QObject *o = m_oggetto.data();
    return qobject_cast<QLabel *>(o) || qobject_cast<QAbstractButton *>(o) || qobject_cast<QMenu *>(o)
        || qobject_cast<QAction *>(o);
}

QString Controllo::caption() const
{
    QObject *o = m_oggetto.data();
    if (auto *l = qobject_cast<QLabel *>(o))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(o))
        return b->text();
    if (auto *m = qobject_cast<QMenu *>(o))
        return m->title();
    if (auto *a = qobject_cast<QAction *>(o))
        return a->text();
    return QString();
}

void Controllo::setCaption(const QString &testo)
{
    QObject *o = m_oggetto.data();
    if (auto *l = qobject_cast<QLabel *>(o))
        l->setText(testo);
    else if (auto *b = qobject_cast<QAbstractButton *>(o))
        b->setText(testo);
    else if (auto *m = qobject_cast<QMenu *>(o))
        m->setTitle(testo);
    else if (auto *a = qobject_cast<QAction *>(o))
        a->setText(testo);
}

bool Controllo::haToolTip() const
{
    QObject *o = m_oggetto.data();
    return qobject_cast<QWidget *>(o) || qobject_cast<QAction *>(o);
}

void Controllo::setToolTip(const QString &testo)
{
    QObject *o = m_oggetto.data();
    if (auto *a = qobject_cast<QAction *>(o))
        a->setToolTip(testo);
    else if (auto *w = qobject_cast<QWidget *>(o))
        w->setToolTip(testo);
}

QString Controllo::tag() const
{
    return m_oggetto ? m_oggetto->property("tag").toString() : QString();
}

void Controllo::setTag(const QString &testo)
{
    if (m_oggetto)
        m_oggetto->setProperty("tag", testo);
}

double Controllo::misura(int quale) const
{
    QWidget *w = widget();
    if (!w || w->isWindow())
        throw ErroreProprieta{};
    switch (quale) {
    case 0:
        return double(w->x()) * TwipPerPixel;
    case 1:
        return double(w->y()) * TwipPerPixel;
    case 2:
        return double(w->width()) * TwipPerPixel;
    default:
        return double(w->height()) * TwipPerPixel;
    }
}

void Controllo::setMisura(int quale, double twip)
{
    QWidget *w = widget();
    if (!w || w->isWindow())
        throw ErroreProprieta{};
    const int px = pixelDaTwip(twip);
    QRect g = w->geometry();
    switch (quale) {
    case 0:
        g.moveLeft(px);
        break;
    case 1:
        g.moveTop(px);
        break;
    case 2:
        g.setWidth(std::max(0, px));
        break;
    default:
        g.setHeight(std::max(0, px));
        break;
    }
    w->setGeometry(g);
}
