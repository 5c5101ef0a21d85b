#include "programmaprova.h"

#include "datiguasti.h"
#include "formesercizio.h"
#include "formmenu.h"
#include "modulo1.h"
#include "registroschermi.h"
#include "schermi.h"
#include "schermo.h"
#include "suonifinti.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

ProgrammaProva::ProgrammaProva() = default;

ProgrammaProva::~ProgrammaProva()
{
    chiudi();
}

bool ProgrammaProva::avvia(const Scelte &s, QString *errore)
{
    m_programma = s.programma.isEmpty() ? m_dir.filePath(QStringLiteral("programma")) : s.programma;
    m_impostazioni = s.impostazioni.isEmpty() ? m_dir.filePath(QStringLiteral("config/ImpostazioniProgrammiZefra"))
                                              : s.impostazioni;
    if (s.programma.isEmpty()) {
        if (!copiaCartella(qEnvironmentVariable("NUMERELLA_DATA"), m_programma)) {
            *errore = QStringLiteral("cannot copy the data");
            return false;
        }
    }
    if (s.prepara && !s.prepara(m_programma, errore))
        return false;
    QDir().mkpath(m_dir.filePath(QStringLiteral("run")));

    Programma::Opzioni o;
    o.percorsi.programma = m_programma;
    o.percorsi.impostazioni = m_impostazioni;
    o.cartellaLock = m_dir.filePath(QStringLiteral("run"));
    o.seme = s.seme;
    m_motori.prepara = [](MotoreFinto &m) { m.durataMs = 1; };
    o.fabbricaMotore = m_motori.fabbrica();
    auto d = std::make_unique<DialoghiFinti>();
    d->rispostaPredefinita = true;
    m_dialoghi = d.get();
    o.dialoghi = std::move(d);
    if (!s.suoniVeri)
        o.suoni = std::make_unique<SuoniFinti>();
    o.registraSchermi = registraSchermi;
    o.termina = [this](int stato) { terminazioni.append(stato); };
    Schermo::setDisplayPerTest(QSize(1024, 768));
    m_p = std::make_unique<Programma>(std::move(o));
    if (const std::optional<int> stato = m_p->Main()) {
        *errore = QStringLiteral("the start-up ended with status %1").arg(*stato);
        return false;
    }
    return true;
}

void ProgrammaProva::chiudi()
{
    m_p.reset();
    m_motori.creati.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProgrammaProva::clic(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FormMenu *ProgrammaProva::menu() const
{
    return qobject_cast<FormMenu *>(m_p->registro().caricato(QStringLiteral("FormMenu")));
}

FormMenu *ProgrammaProva::alMenu()
{
    Schermo *avvio = m_p->registro().caricato(QStringLiteral("FormAvvio"));
    if (!avvio)
        return nullptr;
    if (auto *b = qobject_cast<QAbstractButton *>(avvio->controllo(QStringLiteral("BottoneAvvio"))))
        clic(b);
    return menu();
}

FormEsercizio *ProgrammaProva::esercizio() const
{
    for (const QString &nome : {QStringLiteral("Form1"), QStringLiteral("Form2")}) {
        if (auto *f = qobject_cast<FormEsercizio *>(m_p->registro().caricato(nome)); f && f->isVisible())
            return f;
    }
    return nullptr;
}

QString ProgrammaProva::soluzione(FormEsercizio *f) const
{
    const Modulo1 &s = m_p->stato();
    auto cifra = [](int n) { return QString::number(n); };
    // Addition: the things there, those that come, all of them.
    // Subtraction: the things there at the start, those that go, those left.
    if (f->objectName() == QLatin1String("Form1"))
        return cifra(s.Numero1) + cifra(s.Numero2) + cifra(s.Numero3) + cifra(s.Numero1) + u'+' + cifra(s.Numero2)
            + u'=' + cifra(s.Numero3);
    return cifra(s.Numero3) + cifra(s.Numero1) + cifra(s.Numero2) + cifra(s.Numero3) + u'-' + cifra(s.Numero1) + u'='
        + cifra(s.Numero2);
}

namespace {
QPushButton *bottone(FormEsercizio *f, QChar t)
{
    if (t.isDigit())
        return f->bottoneCifra(t.digitValue());
    if (t == u'+')
        return f->bottonePiu();
    if (t == u'-')
        return f->bottoneMeno();
    return f->bottoneUguale();
}

// A press that is wrong at this step: another digit, or a digit where a
// sign is wanted.
QChar sbagliato(QChar giusto)
{
    if (!giusto.isDigit())
        return u'0';
    return QChar(u'0' + (giusto.digitValue() + 1) % 10);
}
} // namespace

bool ProgrammaProva::risolvi(FormEsercizio *f, bool sbagli, QString *errore)
{
    const QString giusti = soluzione(f);
    const Integer esatti = m_p->stato().NumeroEsatti;
    for (int k = 0; k < giusti.size(); ++k) {
        if (m_p->stato().Passo != k) {
            *errore = QStringLiteral("step %1 expected, Passo is %2 (%3)").arg(k).arg(m_p->stato().Passo).arg(giusti);
            return false;
        }
        for (QChar t : sbagli ? QString(sbagliato(giusti[k])) + giusti[k] : QString(giusti[k])) {
            QPushButton *b = bottone(f, t);
            if (!b->isEnabled() || !b->isVisible()) {
                *errore = QStringLiteral("button %1 not available at step %2").arg(t).arg(k);
                return false;
            }
            QTest::mouseClick(b, Qt::LeftButton);
        }
    }
    if (m_p->stato().NumeroEsatti != Integer(esatti + 1) || !f->bottoneAvanti()->isVisible()) {
        *errore = QStringLiteral("the problem did not end as finished (%1)").arg(giusti);
        return false;
    }
    return true;
}

FormEsercizio *ProgrammaProva::avanti(FormEsercizio *f)
{
    clic(f->bottoneAvanti());
    return esercizio();
}

FormMenu *ProgrammaProva::esci(FormEsercizio *f)
{
    f->menuEsci()->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return menu();
}

void ProgrammaProva::dimenticaRegistrazioni()
{
    for (MotoreFinto *m : m_motori.creati) {
        if (m) {
            m->chiamate.clear();
            m->testi.clear();
        }
    }
    m_dialoghi->finestre.clear();
    if (auto *s = dynamic_cast<SuoniFinti *>(&m_p->contesto().suoni))
        s->suonati.clear();
}
