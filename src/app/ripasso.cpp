#include "ripasso.h"

#include "letturaregistro.h"

#include <QThread>
#include <algorithm>

namespace {

// The same problem's row: the file keeps the start to the second.
bool stessaRiga(const RigaRegistro &a, const RigaRegistro &b)
{
    return a.inizio.toSecsSinceEpoch() == b.inizio.toSecsSinceEpoch() && a.operazione == b.operazione
        && a.rigaStoria == b.rigaStoria && a.primo == b.primo && a.secondo == b.secondo && a.finito == b.finito;
}

} // namespace

Ripasso::Ripasso() = default;

Ripasso::~Ripasso()
{
    if (m_lettura) {
        m_lettura->wait();
        delete m_lettura;
    }
}

void Ripasso::scegli(const QString &alunno, const QString &cartella, const TitoliRegistro &titoli)
{
    m_alunno = alunno;
    m_cartella = cartella;
    m_titoli = titoli;
    m_scelta = SceltaProblema();
    m_nelFrattempo.clear();
    if (alunno.isEmpty()) {
        m_daRileggere = false;
        return;
    }
    m_daRileggere = true;
    if (!m_lettura)
        leggi();
}

void Ripasso::leggi()
{
    m_daRileggere = false;
    auto righe = std::make_shared<std::vector<RigaRegistro>>();
    m_righe = righe;
    m_lettura = QThread::create([righe, cartella = m_cartella, alunno = m_alunno, titoli = m_titoli] {
        *righe = storiaAlunno(cartella, alunno, titoli);
    });
    // The thread's "finished" is queued to this object's thread.
    connect(m_lettura, &QThread::finished, this, &Ripasso::letta);
    m_lettura->start(QThread::LowPriority);
}

void Ripasso::letta()
{
    // "finished" comes from the thread just before it ends: the wait is for
    // those last instructions only.
    m_lettura->wait();
    delete m_lettura;
    m_lettura = nullptr;
    if (m_daRileggere) {
        leggi(); // another pupil was chosen meanwhile: these rows are not theirs
        return;
    }
    const std::vector<RigaRegistro> &storia = *m_righe;
    m_scelta = SceltaProblema(storia);
    // A row written before the thread read the file is in it already.
    for (const RigaRegistro &r : m_nelFrattempo) {
        if (std::none_of(storia.begin(), storia.end(), [&r](const RigaRegistro &s) { return stessaRiga(r, s); }))
            m_scelta.annota(r);
    }
    m_nelFrattempo.clear();
    m_righe.reset();
    Q_EMIT storiaLetta();
}

void Ripasso::annota(const RigaRegistro &r)
{
    if (m_alunno.isEmpty()) {
        m_ospite.annota(r);
        return;
    }
    m_scelta.annota(r);
    if (!pronto())
        m_nelFrattempo.push_back(r);
}
