#include "schermoscalato.h"

#include "clsresize.h"
#include "fontinproporzione.h"

SchermoScalato::SchermoScalato(const QString &nome, int larghezzaTwip, int altezzaTwip, GeometriaDisplay display)
    : Schermo(nome, larghezzaTwip, altezzaTwip, std::move(display))
{
}

SchermoScalato::~SchermoScalato() = default;

void SchermoScalato::registraFont()
{
    m_font = std::make_unique<FontInProporzione>(*this);
}

void SchermoScalato::scalaAlCaricamento()
{
    m_scala = std::make_unique<clsResize>();
    m_scala->setSourceForm(this);
    m_scala->SizeFormToScreen(75);
    // The text follows in Form_Resize: a screen not yet shown gets its
    // resize event when it is, before it is painted. Fitting it here too
    // would measure every caption twice on the way to the first sentence.
}

void SchermoScalato::Form_Resize()
{
    // Before the load step there is no scaler: the screen is still at its
    // designed size, and nothing moves.
    if (!m_scala)
        return;
    if (m_font)
        m_font->applicaBarra();
    m_scala->ResizeControls();
    // The layout moves and sizes the controls only; the text grows with
    // them, or a large display would show small text in large boxes.
    if (m_font)
        m_font->applica();
}

double SchermoScalato::scalaX(double twip) const
{
    const double base
        = m_scala && m_scala->larghezzaCatturata() > 0 ? m_scala->larghezzaCatturata() : designWidthTwip();
    return twip * innerWidthTwip() / base;
}

double SchermoScalato::scalaY(double twip) const
{
    const double base = m_scala && m_scala->altezzaCatturata() > 0 ? m_scala->altezzaCatturata() : designHeightTwip();
    return twip * innerHeightTwip() / base;
}
