#include "fontinproporzione.h"

#include "schermo.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

FontInProporzione::FontInProporzione(const Schermo &schermo)
    : m_schermo(&schermo)
{
    for (const Controllo &c : schermo.controlli()) {
        QWidget *w = c.widget();
        // Only the fonts the screen chose; the rest follow their parent.
        if (w && !w->isWindow() && w->testAttribute(Qt::WA_SetFont))
            m_voci.append({w, w->font()});
    }
}

double FontInProporzione::fattore() const
{
    if (!m_schermo || m_schermo->designWidthTwip() <= 0 || m_schermo->designHeightTwip() <= 0)
        return 1.0;
    const double f = std::min(m_schermo->innerWidthTwip() / m_schermo->designWidthTwip(),
                              m_schermo->innerHeightTwip() / m_schermo->designHeightTwip());
    return f > 0 ? f : 1.0;
}

void FontInProporzione::applica()
{
    const double f = fattore();
    // Steps of a hundredth are not worth a new layout of every control.
    if (std::abs(f - m_applicato) < 0.01)
        return;
    m_applicato = f;
    for (const Voce &v : std::as_const(m_voci)) {
        if (!v.widget)
            continue;
        QFont font = v.font;
        font.setPointSizeF(std::max(1.0, v.font.pointSizeF() * f));
        v.widget->setFont(font);
    }
}
