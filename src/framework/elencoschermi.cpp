#include "elencoschermi.h"

#include "schermo.h"

void ElencoSchermi::registra(const QString &nome, Fabbrica fabbrica)
{
    m_fabbriche.insert(nome, std::move(fabbrica));
}

Schermo *ElencoSchermi::caricato(const QString &nome) const
{
    for (const QPointer<Schermo> &s : m_caricati) {
        if (s && s->nomeForm() == nome)
            return s.data();
    }
    return nullptr;
}

Schermo *ElencoSchermi::schermo(const QString &nome)
{
    if (Schermo *s = caricato(nome))
        return s;
    const auto f = m_fabbriche.constFind(nome);
    if (f == m_fabbriche.constEnd())
        return nullptr;
    Schermo *s = (*f)();
    if (!s) // its plugin missing, already told
        return nullptr;
    s->setElenco(this);
    m_caricati.append(s);
    s->dimensionaDesign();
    s->Form_Load();
    return s;
}

bool ElencoSchermi::mostrato(const QString &nome) const
{
    Schermo *s = caricato(nome);
    return s && s->isVisible();
}

QList<Schermo *> ElencoSchermi::caricati() const
{
    QList<Schermo *> l;
    for (const QPointer<Schermo> &s : m_caricati) {
        if (s)
            l.append(s.data());
    }
    return l;
}

Schermo *ElencoSchermi::mostra(const QString &nome)
{
    Schermo *s = schermo(nome);
    if (!s)
        return nullptr;
    const bool giaVisibile = s->isVisible();
    s->show();
    s->raise();
    s->activateWindow();
    if (!giaVisibile) {
        // The activate step runs here, once per showing, so that it behaves
        // the same under any window manager and on the offscreen platform.
        s->Form_Activate();
    }
    return s;
}

void ElencoSchermi::scarica(Schermo *s)
{
    if (!s || !s->caricato())
        return;
    s->Form_Unload();
    s->m_caricato = false;
    m_caricati.removeAll(QPointer<Schermo>(s));
    s->hide();
    s->deleteLater();

    bool visibile = false;
    for (Schermo *c : caricati())
        visibile = visibile || c->isVisible();
    if (!visibile && nessunoSchermoVisibile)
        nessunoSchermoVisibile();
}

void ElencoSchermi::scaricaTutti()
{
    const QList<Schermo *> tutti = caricati();
    const auto salva = std::move(nessunoSchermoVisibile);
    nessunoSchermoVisibile = nullptr;
    for (Schermo *s : tutti)
        scarica(s);
    nessunoSchermoVisibile = salva;
}
