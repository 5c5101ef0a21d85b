#pragma once

#include "sintesiespeak.h"

#include <future>
#include <vector>

// The samples espeak-ng makes for a text ready for it, straight from the synthesis (no engine, no output).
inline std::vector<qint16> campioniEspeak(const QString &testo, const QByteArray &voce = "it", bool taglia = true)
{
    auto r = std::make_shared<RichiestaEspeak>();
    r->testo = testo, r->voce = voce, r->tagliaSilenzioIniziale = taglia;
    std::vector<qint16> s;
    std::promise<void> fatto;
    const auto aggiungi = [&s](const QByteArray &b) { s.insert(s.end(), (const qint16 *)b.data(), (const qint16 *)b.end()); };
    QObject::connect(r.get(), &RichiestaEspeak::blocco, r.get(), aggiungi, Qt::DirectConnection);
    QObject::connect(r.get(), &RichiestaEspeak::fine, r.get(), [&](bool) { fatto.set_value(); }, Qt::DirectConnection);
    SintesiEspeak::condivisa()->sintetizza(r);
    fatto.get_future().wait();
    return s;
}
