#include "fontinproporzione.h"

#include "schermo.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionToolButton>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Where a label draws its text: inside its margin, and moved in by the
// indent on the sides it is aligned to, as QLabel lays it out.
QRect areaEtichetta(const QLabel *l, const QFontMetrics &fm)
{
    QRect r = l->contentsRect();
    const int m = l->margin();
    r.adjust(m, m, -m, -m);
    int rientro = l->indent();
    if (rientro < 0)
        rientro = l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2 - m : 0;
    if (rientro > 0) {
        const Qt::Alignment a = l->alignment();
        if (a & Qt::AlignLeft)
            r.setLeft(r.left() + rientro);
        if (a & Qt::AlignRight)
            r.setRight(r.right() - rientro);
        if (a & Qt::AlignTop)
            r.setTop(r.top() + rientro);
        if (a & Qt::AlignBottom)
            r.setBottom(r.bottom() - rientro);
    }
    return r;
}

// The width a button leaves to its text: inside its frame, border and
// padding, and beside the picture of a button that has both.
int larghezzaBottone(const QAbstractButton *b)
{
    if (auto *t = qobject_cast<const QToolButton *>(b)) {
        QStyleOptionToolButton o;
        o.initFrom(t);
        const int cornice = t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, t);
        int w = t->width() - 2 * cornice;
        if (t->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !t->icon().isNull())
            w -= t->iconSize().width() + 4;
        return w;
    }
    QStyleOptionButton o;
    o.initFrom(b);
    if (auto *p = qobject_cast<const QPushButton *>(b); p && p->autoDefault())
        o.features |= QStyleOptionButton::AutoDefaultButton;
    int w = b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b).width();
    if (!b->icon().isNull())
        w -= b->iconSize().width() + 4;
    return w;
}

// Whether the control's text fits it in the given font; none for controls
// this does not know how to measure (they keep the proportional size).
std::optional<bool> entra(QWidget *w, const QFont &font)
{
    const QFontMetrics fm(font, w);
    if (auto *l = qobject_cast<QLabel *>(w)) {
        if (l->text().isEmpty())
            return true;
        // Measured as the label draws it: the advance alone leaves out the
        // overhang of the last letter.
        const QRect r = areaEtichetta(l, fm);
        const QRect testo = fm.boundingRect(r, int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
        return testo.width() <= r.width() && (!l->wordWrap() || testo.height() <= r.height());
    }
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        if (!qobject_cast<QPushButton *>(b) && !qobject_cast<QToolButton *>(b))
            return std::nullopt; // a button that draws its own caption
        return b->text().isEmpty() || fm.horizontalAdvance(b->text()) <= larghezzaBottone(b);
    }
    if (auto *barra = qobject_cast<QMenuBar *>(w)) {
        // The bar measures its entries in its own font: try the size on it.
        // It spans its window, whose layout may not have resized it yet.
        barra->setFont(font);
        return barra->sizeHint().width() <= barra->parentWidget()->width();
    }
    return std::nullopt;
}

} // namespace

double FontInProporzione::minimo(double puntiDisegnati)
{
    // The screens were designed for 640x480, where their sizes read well;
    // a long caption may shrink its control's text to three quarters of
    // that, never under 8 points.
    return std::max(8.0, puntiDisegnati * 0.75);
}

FontInProporzione::FontInProporzione(Schermo &schermo)
    : m_schermo(&schermo)
{
    for (const Controllo &c : schermo.controlli()) {
        QWidget *w = c.widget();
        // Only the fonts the screen chose; the rest follow their parent.
        if (w && !w->isWindow() && w->testAttribute(Qt::WA_SetFont))
            m_voci.append({w, w->font()});
    }
    // menuBar() would make a bar for a screen that has none.
    if (auto *barra = qobject_cast<QMenuBar *>(schermo.menuWidget()))
        m_barra = {barra, barra->font()};
    schermo.installEventFilter(this);
    for (const Voce &v : std::as_const(m_voci))
        v.widget->installEventFilter(this);
}

double FontInProporzione::fattore() const
{
    if (!m_schermo || m_schermo->designWidthTwip() <= 0 || m_schermo->designHeightTwip() <= 0)
        return 1.0;
    const double f = std::min(m_schermo->innerWidthTwip() / m_schermo->designWidthTwip(),
                              m_schermo->innerHeightTwip() / m_schermo->designHeightTwip());
    return f > 0 ? f : 1.0;
}

void FontInProporzione::dimensiona(const Voce &v, double f)
{
    QWidget *w = v.widget;
    const double disegnati = v.font.pointSizeF();
    QFont font = v.font;
    auto prova = [&](double punti) {
        font.setPointSizeF(punti);
        return entra(w, font);
    };
    double punti = std::max(1.0, disegnati * f);
    const double pavimento = std::min(punti, minimo(disegnati));
    // Most captions fit at the proportional size: one measure, no search.
    if (prova(punti).value_or(true) == false) {
        // The largest size that fits, to a quarter of a point: the text
        // grows with the size, so halving the range finds it in a few
        // measures.
        double basso = pavimento;
        double alto = punti;
        while (alto - basso > 0.25) {
            const double medio = (basso + alto) / 2;
            (prova(medio).value_or(true) ? basso : alto) = medio;
        }
        punti = basso;
        font.setPointSizeF(punti);
    }
    if (w->font() != font)
        w->setFont(font);
}

void FontInProporzione::dimensionaVisibile(const Voce &v, double f)
{
    if (v.widget->isHidden()) {
        if (!m_daFare.contains(v.widget))
            m_daFare.append(v.widget);
        return;
    }
    m_daFare.removeOne(v.widget);
    dimensiona(v, f);
}

void FontInProporzione::tutte(double f)
{
    if (m_barra.widget)
        dimensiona(m_barra, f);
    for (const Voce &v : std::as_const(m_voci)) {
        if (v.widget)
            dimensionaVisibile(v, f);
    }
}

void FontInProporzione::applica()
{
    const double f = fattore();
    // Steps of a hundredth are not worth a new layout of every control.
    if (std::abs(f - m_applicato) < 0.01)
        return;
    m_applicato = f;
    tutte(f);
}

void FontInProporzione::applicaBarra()
{
    if (m_barra.widget)
        dimensiona(m_barra, fattore());
}

void FontInProporzione::adatta(QWidget *w)
{
    for (const Voce &v : std::as_const(m_voci)) {
        if (v.widget == w)
            dimensionaVisibile(v, m_applicato);
    }
}

bool FontInProporzione::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_schermo && e->type() == QEvent::LanguageChange)
        tutte(m_applicato);
    // Before the control is painted: the show event comes first.
    if (e->type() == QEvent::Show && m_daFare.removeOne(o)) {
        for (const Voce &v : std::as_const(m_voci)) {
            if (v.widget == o)
                dimensiona(v, m_applicato);
        }
    }
    return QObject::eventFilter(o, e);
}
