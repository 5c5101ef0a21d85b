#include "padronanzaregistro.h"

QString TestiPadronanza::segno(Padronanza p) const
{
    switch (p) {
    case Padronanza::Sicuro:
        return QStringLiteral("✓ ") + sicuro;
    case Padronanza::Aiuto:
        return QStringLiteral("! ") + aiuto;
    case Padronanza::Nessuna:
        break;
    }
    return {};
}

QString TestiPadronanza::chi(const std::vector<QuadroAlunno> &quadri) const
{
    QStringList alunni;
    for (const QuadroAlunno &q : quadri) {
        QStringList dove;
        for (size_t o = 0; o < q.stato.size(); ++o) {
            QStringList parte;
            for (size_t k = 0; k < q.stato[o].size(); ++k) {
                if (q.stato[o][k] == Padronanza::Aiuto)
                    parte << parti.value(qsizetype(k));
            }
            if (!parte.isEmpty())
                dove << operazioni.value(qsizetype(o)) + QStringLiteral(": ") + parte.join(QStringLiteral(", "));
        }
        if (!dove.isEmpty())
            alunni << (q.alunno.isEmpty() ? ospite : q.alunno) + QStringLiteral(" (") + dove.join(QStringLiteral("; "))
                    + u')';
    }
    return alunni.isEmpty() ? nessuno : hannoBisogno.arg(alunni.join(QStringLiteral(", ")));
}

QStringList TestiPadronanza::frasi(const QuadroAlunno &q, const std::array<int, 2> &problemi) const
{
    QStringList f;
    for (size_t o = 0; o < q.stato.size(); ++o) {
        if (!problemi[o])
            continue;
        QStringList sicure, bloccate;
        for (size_t k = 0; k < q.stato[o].size(); ++k) {
            if (q.stato[o][k] == Padronanza::Sicuro)
                sicure << perGenitori.value(qsizetype(k));
            else if (q.stato[o][k] == Padronanza::Aiuto)
                bloccate << perGenitori.value(qsizetype(k));
        }
        const QString operazione = operazioni.value(qsizetype(o));
        // Where help is needed first: that is what a parent can act on.
        if (!bloccate.isEmpty())
            f << haBisogno.arg(operazione, bloccate.join(QStringLiteral(", ")));
        if (!sicure.isEmpty())
            f << sa.arg(operazione, sicure.join(QStringLiteral(", ")));
        if (sicure.isEmpty() && bloccate.isEmpty())
            f << staImparando.arg(operazione);
    }
    return f;
}
