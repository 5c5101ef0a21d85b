#include "scansioneschermo.h"

#include "cornicescansione.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <cmath>

ScansioneSchermo::ScansioneSchermo(QWidget *finestra, const QList<QAbstractButton *> &bersagli,
                                   Impostazioni impostazioni)
    : QObject(finestra)
    , m_finestra(finestra)
    , m_impostazioni(std::move(impostazioni))
    , m_scansione(m_orologioVero, m_impostazioni.modo, m_impostazioni.intervalloMs, int(bersagli.size()),
                  [this](int i) { return disponibile(i); })
    , m_cornice(new CorniceScansione(finestra))
{
    setObjectName(QStringLiteral("ScansioneSchermo"));
    for (QAbstractButton *b : bersagli)
        m_bersagli << b;
    m_scadenza.setSingleShot(true);
    m_rinvio.setSingleShot(true);
    connect(&m_scadenza, &QTimer::timeout, this, &ScansioneSchermo::aggiorna);
    connect(&m_rinvio, &QTimer::timeout, this, &ScansioneSchermo::aggiorna);
    // The keys go to whichever widget has the focus, and a button that is
    // disabled meanwhile hands it on to any other: the whole application's
    // events are looked at, and only this window's kept.
    qApp->installEventFilter(this);
    m_scansione.ricomincia();
    aggiorna();
}

ScansioneSchermo::~ScansioneSchermo() = default;

void ScansioneSchermo::usaOrologio(const Orologio &orologio)
{
    m_scansione.usaOrologio(orologio);
    aggiorna();
}

QAbstractButton *ScansioneSchermo::evidenziato() const
{
    return m_scansione.evidenziato() < 0 ? nullptr : m_bersagli.value(m_scansione.evidenziato()).data();
}

bool ScansioneSchermo::disponibile(int i) const
{
    QAbstractButton *b = m_bersagli.value(i);
    if (!b || !m_finestra || !b->isVisible())
        return false;
    // "avanti" lies over the digits once a problem is done: what cannot be
    // seen is not offered.
    const QWidget *sopra = m_finestra->childAt(b->mapTo(m_finestra, b->rect().center()));
    return !sopra || sopra == b || b->isAncestorOf(sopra);
}

bool ScansioneSchermo::bloccata() const
{
    if (!m_finestra || !m_finestra->isVisible())
        return true;
    const QWidget *modale = QApplication::activeModalWidget();
    if (modale && modale != m_finestra)
        return true;
    return std::any_of(m_bersagli.begin(), m_bersagli.end(),
                       [](const QPointer<QAbstractButton> &b) { return b && !b->isEnabled(); });
}

void ScansioneSchermo::aggiorna()
{
    m_scansione.blocca(bloccata());
    m_scansione.rivedi();
    m_scansione.scorri();
    mostra();
    const qint64 attesa = m_scansione.attesaMs();
    if (attesa >= 0)
        m_scadenza.start(int(std::min<qint64>(attesa, 60000)));
    else
        m_scadenza.stop();
}

void ScansioneSchermo::mostra()
{
    QAbstractButton *b = m_scansione.bloccata() ? nullptr : evidenziato();
    if (!b) {
        m_cornice->hide();
        m_mostrato = nullptr;
        return;
    }
    // 8 pixels on a display 768 high, in proportion on others.
    const int spessore = std::max(8, int(std::lround(8.0 * m_finestra->height() / 768.0)));
    m_cornice->circonda(b, spessore);
    if (b == m_mostrato)
        return;
    m_mostrato = b;
    b->setFocus(Qt::TabFocusReason);
    if (m_impostazioni.leggi) {
        QString testo = b->text().remove(u'&').trimmed();
        if (testo.isEmpty())
            testo = b->accessibleName().isEmpty() ? b->toolTip() : b->accessibleName();
        m_impostazioni.leggi(testo);
    }
}

bool ScansioneSchermo::eventFilter(QObject *o, QEvent *e)
{
    auto *w = qobject_cast<QWidget *>(o);
    if (!w || !m_finestra)
        return false;
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (w->window() != m_finestra)
            return false;
        auto *k = static_cast<QKeyEvent *>(e);
        Scansione::Tasto t;
        if (k->key() == Qt::Key_Space)
            t = Scansione::Tasto::Spazio;
        else if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            t = Scansione::Tasto::Invio;
        else
            return false;
        if (e->type() == QEvent::KeyRelease) {
            m_scansione.rilasciato(t);
            return true;
        }
        const QPointer<QAbstractButton> scelto = m_bersagli.value(m_scansione.premuto(t, k->isAutoRepeat()));
        QPointer<ScansioneSchermo> vivo(this);
        if (scelto)
            scelto->click(); // may close the window, or unload the screen
        if (vivo)
            aggiorna();
        return true;
    }
    case QEvent::EnabledChange:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (w->window() == m_finestra && w != m_cornice)
            m_rinvio.start(0);
        return false;
    default:
        return false;
    }
}
