#pragma once

#include "schermo.h"

#include <memory>

class clsResize;
class FontInProporzione;

// A screen that fills the display. It owns the scaler of its controls and
// the fit of their fonts, and its resize events run them: no screen ever
// rescales another.
class SchermoScalato : public Schermo
{
    Q_OBJECT
public:
    SchermoScalato(const QString &nome, int larghezzaTwip, int altezzaTwip, GeometriaDisplay display);
    ~SchermoScalato() override;

    // The menu bar first (its height comes from the controls' area), then
    // the controls, then their text.
    void Form_Resize() override;

protected:
    // Once the controls exist: their designed fonts are recorded.
    void registraFont();
    FontInProporzione &font() const { return *m_font; }

    // The last step of the load: the scaler captures the designed layout,
    // sizes the screen to 75 per cent of the display, and the text follows
    // once it is shown.
    void scalaAlCaricamento();

    // A measure in design twips taken to the screen's current scale, from
    // the layout the scaler captured (the designed one before the load).
    double scalaX(double twip) const;
    double scalaY(double twip) const;

private:
    std::unique_ptr<clsResize> m_scala;
    std::unique_ptr<FontInProporzione> m_font;
};
