#pragma once

#include <QPointer>
#include <QString>
#include <cmath>
#include <optional>

class QObject;
class QWidget;
class QAction;

// Thrown by a Controllo asked for the position of a control that has none
// (a menu, a menu entry).
struct ErroreProprieta {
};

// Twips per logical pixel: designed positions are in twips.
inline constexpr int TwipPerPixel = 15;

// The nearest whole pixel to a measure in twips.
inline int pixelDaTwip(double twip)
{
    return int(std::lround(twip / TwipPerPixel));
}

// One face for every control of a screen: buttons, labels, menu entries
// (QAction), menus, the gradient, the animation cells. The language
// and layout code walk a screen's list of these and never ask what kind of
// widget they hold. Name and index come from objectName and the dynamic
// property "index"; the tag is the dynamic property "tag".
class Controllo
{
public:
    explicit Controllo(QObject *oggetto);

    QObject *oggetto() const { return m_oggetto.data(); }
    QWidget *widget() const;
    bool valido() const { return !m_oggetto.isNull(); }

    QString nome() const;
    // The index of a member of a control array; none for a plain control.
    std::optional<int> indice() const;

    bool haCaption() const;
    QString caption() const;
    void setCaption(const QString &testo); // ignored by controls without one

    bool haToolTip() const;
    void setToolTip(const QString &testo);

    QString tag() const;
    void setTag(const QString &testo);

    // Measures in twips: Left, Top, Width, Height. Throw ErroreProprieta
    // for controls without a position.
    double misura(int quale) const; // 0..3
    void setMisura(int quale, double twip); // 0..3; rounds to pixels

private:
    QPointer<QObject> m_oggetto;
};
