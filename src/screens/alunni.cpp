#include "alunni.h"

#include "contesto.h"
#include "modulo1.h"
#include "registroclasse.h"
#include "schermo.h"

#include <QDir>
#include <QEvent>
#include <QImageReader>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QStyleOptionFocusRect>

namespace {

QString cartellaAnimazioni(const Contesto &c)
{
    return Percorsi::unisci(c.percorsi.programma, QStringLiteral("gifanimate"));
}

QString cartellaFigure(const Contesto &c)
{
    return Percorsi::unisci(c.percorsi.programma, QStringLiteral("figure"));
}

// The name with the picture before it, of the height of the bar's text. A
// label of its own, named for a screen reader.
class EtichettaAlunno : public QLabel
{
public:
    EtichettaAlunno(const QString &nome, const QPixmap &immagine, QWidget *padre)
        : QLabel(nome, padre)
        , m_immagine(immagine)
        , m_figura(new QLabel(this))
    {
        setObjectName(QStringLiteral("EtichettaAlunno"));
        setAccessibleName(nome);
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_figura->setAccessibleName(nome);
        adatta();
    }

protected:
    void changeEvent(QEvent *e) override
    {
        if (e->type() == QEvent::FontChange)
            adatta();
        QLabel::changeEvent(e);
    }
    void resizeEvent(QResizeEvent *e) override
    {
        QLabel::resizeEvent(e);
        m_figura->move(4, (height() - m_figura->height()) / 2);
    }

private:
    void adatta()
    {
        const int h = fontMetrics().height() + 4;
        m_figura->setVisible(!m_immagine.isNull());
        if (!m_immagine.isNull())
            m_figura->setPixmap(m_immagine.scaled(h, h, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_figura->resize(h, h);
        setContentsMargins(m_immagine.isNull() ? 4 : h + 8, 0, 8, 0);
        m_figura->move(4, (height() - h) / 2);
    }
    QPixmap m_immagine;
    QLabel *m_figura;
};

// Keeps the room of the pupil's label at the right of the menu bar, while the
// label itself is the window's child and lies over it: a menu bar shows a
// screen reader its menus alone, not the widgets in its corners.
class PostoAlunno : public QWidget
{
public:
    PostoAlunno(EtichettaAlunno *etichetta, QMenuBar *barra)
        : QWidget(barra)
        , m_etichetta(etichetta)
    {
        etichetta->setFont(barra->font());
    }
    QSize sizeHint() const override { return m_etichetta->sizeHint(); }
    QSize minimumSizeHint() const override { return m_etichetta->sizeHint(); }

protected:
    bool event(QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::FontChange:
            m_etichetta->setFont(font());
            updateGeometry();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            m_etichetta->setGeometry(QRect(mapTo(m_etichetta->parentWidget(), QPoint(0, 0)), size()));
            m_etichetta->setVisible(isVisibleTo(m_etichetta->parentWidget()));
            m_etichetta->raise();
            break;
        default:
            break;
        }
        return QWidget::event(e);
    }

private:
    QPointer<EtichettaAlunno> m_etichetta;
};

} // namespace

QStringList immaginiAlunni(const Contesto &c)
{
    // The animations first, in the order the first classes were given them.
    QStringList v;
    const auto ordine = QDir::Name | QDir::IgnoreCase;
    const QStringList tutte = QDir(cartellaAnimazioni(c)).entryList({QStringLiteral("*.gif")}, QDir::Files, ordine);
    for (const QString &f : tutte) {
        if (!f.contains(u'_'))
            v << f;
    }
    return v + QDir(cartellaFigure(c)).entryList({QStringLiteral("*.png")}, QDir::Files, ordine);
}

QPixmap immagineAlunno(const Contesto &c, const QString &file)
{
    if (file.isEmpty())
        return {};
    const QDir figure(cartellaFigure(c));
    const QString percorso = figure.exists(file) ? figure.filePath(file) : QDir(cartellaAnimazioni(c)).filePath(file);
    QPixmap p;
    if (!QPixmapCache::find(percorso, &p)) {
        QImageReader r(percorso);
        p = QPixmap::fromImage(r.read());
        QPixmapCache::insert(percorso, p);
    }
    return p;
}

void mostraAlunnoInBarra(Schermo &s, const Contesto &c, const Scuola &scuola)
{
    const Alunno *a = alunnoCorrente(scuola);
    if (!a)
        return;
    auto *barra = s.menuBar();
    auto *etichetta = new EtichettaAlunno(a->nome, immagineAlunno(c, a->immagine), &s);
    barra->setCornerWidget(new PostoAlunno(etichetta, barra), Qt::TopRightCorner);
}

BottoneAlunno::BottoneAlunno(const QString &nome, const QPixmap &immagine, QWidget *padre)
    : QAbstractButton(padre)
    , m_immagine(immagine)
{
    // The text is also what a screen reader says.
    setText(nome);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QFont BottoneAlunno::fontNome() const
{
    // Smaller, down to 8 points, until the name takes two lines at most.
    QFont f = font();
    const QRect area(0, 0, width() - 12, 10 * height());
    for (;;) {
        const QFontMetrics fm(f, this);
        const QRect r = fm.boundingRect(area, Qt::TextWordWrap, text());
        if ((r.width() <= area.width() && r.height() <= 2 * fm.height()) || f.pointSizeF() * 0.9 < 8)
            return f;
        f.setPointSizeF(f.pointSizeF() * 0.9);
    }
}

void BottoneAlunno::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A picture shrunk without smoothing loses its thin lines.
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(128, 0, 128), isDown() ? 3 : 1.5));
    p.setBrush(isDown() ? QColor(255, 160, 255) : QColor(255, 225, 255));
    p.drawRoundedRect(r, 10, 10);
    // The picture takes what the name leaves: at most two lines of it.
    p.setFont(fontNome());
    const QFontMetrics fm(p.font(), this);
    const int righe = fm.horizontalAdvance(text()) > r.width() - 8 ? 2 : 1;
    const QRectF areaNome(r.left() + 4, r.bottom() - righe * fm.height() - 4, r.width() - 8, righe * fm.height());
    const QRectF areaFigura(r.left() + 6, r.top() + 6, r.width() - 12, areaNome.top() - r.top() - 8);
    if (!m_immagine.isNull() && areaFigura.height() > 4) {
        const QSize s = m_immagine.size().scaled(areaFigura.size().toSize(), Qt::KeepAspectRatio);
        p.drawPixmap(QRectF(areaFigura.center() - QPointF(s.width() / 2.0, s.height() / 2.0), s).toRect(), m_immagine);
    }
    p.setPen(Qt::black);
    QString nome = text();
    if (righe == 2 && fm.boundingRect(areaNome.toRect(), Qt::TextWordWrap, nome).height() > areaNome.height())
        nome = fm.elidedText(nome, Qt::ElideRight, int(areaNome.width() * 2 - fm.averageCharWidth() * 4));
    p.drawText(areaNome, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, nome);
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 160), 3, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 8, 8);
    }
}
