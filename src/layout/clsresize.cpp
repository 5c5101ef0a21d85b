#include "clsresize.h"

#include "schermo.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Repainting of the screen stays off for the whole pass, so the controls
// jump to their new places in one visible step; it is turned back on even
// when the pass is left early.
class RidisegnoSospeso
{
public:
    explicit RidisegnoSospeso(QWidget *w)
        : m_w(w)
        , m_eraAttivo(w->updatesEnabled())
    {
        if (m_eraAttivo)
            m_w->setUpdatesEnabled(false);
    }
    ~RidisegnoSospeso()
    {
        // A pass nested inside another one leaves the outer pass's state.
        if (m_eraAttivo && m_w)
            m_w->setUpdatesEnabled(true);
    }
    RidisegnoSospeso(const RidisegnoSospeso &) = delete;
    RidisegnoSospeso &operator=(const RidisegnoSospeso &) = delete;

private:
    QPointer<QWidget> m_w;
    bool m_eraAttivo;
};

} // namespace

clsResize::~clsResize()
{
    m_tabella.clear();
    m_form.clear();
}

void clsResize::setSourceForm(Schermo *New_SourceForm)
{
    m_form = New_SourceForm;
}

qint32 clsResize::arrotonda(double v)
{
    if (std::isnan(v))
        return 0;
    double intero = std::floor(v);
    const double resto = v - intero;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(intero, 2.0) != 0.0))
        intero += 1.0;
    constexpr double minimo = std::numeric_limits<qint32>::min();
    constexpr double massimo = std::numeric_limits<qint32>::max();
    return qint32(std::clamp(intero, minimo, massimo));
}

clsResize::Misure clsResize::regolaTag(const QString &tag)
{
    const QString t = tag.toUpper();
    if (t.isEmpty() || t.front() != QLatin1Char('@'))
        return {true, true, true, true};
    return {t.contains(QLatin1Char('L')), t.contains(QLatin1Char('T')), t.contains(QLatin1Char('W')),
            t.contains(QLatin1Char('H'))};
}

clsResize::Collocazione clsResize::collocazione(quint8 Percent, double larghezzaDisplay, double altezzaDisplay)
{
    const double quota = double(Percent) / 100.0;
    Collocazione c;
    c.height = qint32(std::floor(quota * altezzaDisplay));
    c.width = qint32(std::floor(quota * larghezzaDisplay));
    // Top and left stay unrounded: half a unit is passed on as it is.
    c.top = float((altezzaDisplay - c.height) / 2.0);
    c.left = float((larghezzaDisplay - c.width) / 2.0);
    return c;
}

void clsResize::ReInitialise()
{
    if (m_form)
        CaptureLayout();
}

void clsResize::CaptureLayout()
{
    Schermo *f = m_form.data();
    if (!f)
        return;
    m_larghezza = arrotonda(f->innerWidthTwip());
    m_altezza = arrotonda(f->innerHeightTwip());

    m_tabella.clear();
    const QList<Controllo> &controlli = f->controlli();
    m_tabella.reserve(controlli.size());
    for (const Controllo &c : controlli) {
        ControlLayout voce{c, {0, 0, 0, 0}};
        // A control without a position (a menu, a menu entry) keeps 0 in
        // every measure it cannot give.
        for (int i = 0; i < 4; ++i) {
            try {
                voce.m[i] = arrotonda(c.misura(i));
            } catch (const ErroreProprieta &) {
            }
        }
        m_tabella.append(voce);
    }
    m_primaVolta = false;
}

void clsResize::SizeFormToScreen(quint8 Percent)
{
    Schermo *f = m_form.data();
    if (!f)
        return;
    // Captured here, before the first change of size: the table then holds
    // the designed layout.
    if (m_primaVolta)
        CaptureLayout();

    const Collocazione c = collocazione(Percent, f->displayWidthTwip(), f->displayHeightTwip());
    f->setTopTwip(c.top);
    f->setLeftTwip(c.left);
    f->setHeightTwip(c.height);
    f->setWidthTwip(c.width);

    ResizeControls();
}

void clsResize::ResizeControls()
{
    Schermo *f = m_form.data();
    if (!f || f->controlli().isEmpty() || f->isMinimized())
        return;
    if (m_primaVolta) {
        CaptureLayout();
        return;
    }

    RidisegnoSospeso sospeso(f);

    // A screen captured without an inner area on one axis gives no ratio
    // for it: the measures of that axis are left where they are.
    const bool scalaOrizzontale = m_larghezza != 0;
    const bool scalaVerticale = m_altezza != 0;
    const double rapportoAltezza = scalaVerticale ? f->innerHeightTwip() / double(m_altezza) : 1.0;
    const double rapportoLarghezza = scalaOrizzontale ? f->innerWidthTwip() / double(m_larghezza) : 1.0;

    for (const ControlLayout &voce : std::as_const(m_tabella)) {
        Controllo controllo = voce.controllo;
        const Misure segue = regolaTag(controllo.tag());
        const bool passi[4] = {segue.l && scalaOrizzontale, segue.t && scalaVerticale, segue.w && scalaOrizzontale,
                               segue.h && scalaVerticale};
        const double rapporti[4] = {rapportoLarghezza, rapportoAltezza, rapportoLarghezza, rapportoAltezza};
        for (int i = 0; i < 4; ++i) {
            if (!passi[i])
                continue;
            try {
                controllo.setMisura(i, double(voce.m[i]) * rapporti[i]);
            } catch (const ErroreProprieta &) {
                // A control without a position skips the step.
            }
        }
    }
}
