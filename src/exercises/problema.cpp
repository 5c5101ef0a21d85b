#include "problema.h"

#include "casuale.h"

namespace {

using T = Passaggio::Tipo;

Passaggio testo(Etichetta e, const QString &t)
{
    return {T::Testo, e, -1, t};
}
Passaggio mostra(Etichetta e)
{
    return {T::Mostra, e, -1, {}};
}
Passaggio parla(const QString &t)
{
    return {T::Parla, Etichetta::Operazione, -1, t};
}
Passaggio semplice(T tipo)
{
    return {tipo, Etichetta::Operazione, -1, {}};
}
Passaggio cella(T tipo, int i, const QString &file)
{
    return {tipo, Etichetta::Operazione, i, file};
}
Passaggio nascondi(Etichetta e)
{
    return {T::Nascondi, e, -1, {}};
}

} // namespace

Operazione Operazione::perAddizione()
{
    return {Tasto::Piu, false, QStringLiteral("0005"), true, QString(), QString()};
}

Operazione Operazione::perSottrazione()
{
    return {Tasto::Meno, true, QStringLiteral("0007"), false, QStringLiteral("0008"), QStringLiteral("0009")};
}

Problema::Problema(Operazione op, const std::vector<Storia> &storie, Casuale &casuale, Integer &esatti, Integer &errati,
                   Messaggio messaggio)
    : m_op(std::move(op))
    , m_storie(storie)
    , m_casuale(casuale)
    , m_esatti(esatti)
    , m_errati(errati)
    , m_messaggio(std::move(messaggio))
{
}

Problema::~Problema()
{
    finisci();
}

void Problema::finisci()
{
    if (!m_inCorso)
        return;
    m_inCorso = false;
    if (allaFine)
        allaFine(m_andamento);
}

Esito Problema::nuovo()
{
    if (prossimo) {
        const Estrazione e = prossimo();
        return inizia(e.riga, e.n3, e.n1, e.ripasso);
    }
    const int riga = m_casuale.estrai(int(m_storie.size()));
    const int n3 = m_casuale.estrai(9);
    const int n1 = m_casuale.estrai(n3);
    return inizia(riga, n3, n1);
}

Esito Problema::inizia(int riga, int n3, int n1, bool ripasso)
{
    finisci();
    m_passo = 0;
    m_scritta = false;
    m_riga = riga;
    // A story file without records gives row 1 with empty fields: empty
    // sentences and empty cells, but no fault.
    m_storia = (riga >= 1 && riga <= int(m_storie.size())) ? m_storie[size_t(riga - 1)] : Storia();
    m_n3 = n3;
    m_n1 = n1;
    m_n2 = n3 - n1;
    m_operazione.clear();
    m_andamento
        = {m_op.sottrazione ? u'-' : u'+', riga, primo(), secondo(), risultato(), orologio(), {}, 0, -1, false, 0};
    m_andamento.ripasso = ripasso;
    m_inCorso = true;

    // Which of the numbers each answer sentence is about, in story order.
    const Storia &s = m_storia;
    Esito e;
    auto &p = e.passi;
    if (m_segni) {
        for (T tipo : {T::SmarcaCelle, T::SmarcaTasto, T::NascondiBarra})
            p.push_back(semplice(tipo));
        p.push_back(nascondi(Etichetta::Aiuto));
    }
    m_segni = m_barra = m_tastoSegnato = false;
    p.push_back(semplice(T::NascondiAvanti));
    p.push_back(semplice(T::NascondiCelle));
    for (Etichetta l : {Etichetta::Domanda1, Etichetta::Domanda2, Etichetta::Domanda3, Etichetta::Risposta1,
                        Etichetta::Risposta2, Etichetta::Risposta3, Etichetta::Operazione})
        p.push_back(nascondi(l));
    p.push_back(testo(Etichetta::Domanda1, s.domanda1));
    p.push_back(testo(Etichetta::Domanda2, s.domanda2));
    p.push_back(testo(Etichetta::Domanda3, s.domanda3));
    p.push_back(testo(Etichetta::Risposta1, s.risposta1.per(primo())));
    p.push_back(testo(Etichetta::Risposta2, s.risposta2.per(secondo())));
    p.push_back(testo(Etichetta::Risposta3, s.risposta3.per(risultato())));
    if (m_op.sottrazione) {
        // All the things there at the start appear together, once the
        // first question has been read.
        p.push_back(mostra(Etichetta::Domanda1));
        p.push_back(parla(s.domanda1));
        for (int i = 0; i < m_n3; ++i)
            p.push_back(cella(T::CellaFile, i, s.fileCi));
    } else {
        for (int i = 0; i < m_n1; ++i)
            p.push_back(cella(T::CellaFile, i, s.fileCi));
        p.push_back(mostra(Etichetta::Domanda1));
        p.push_back(parla(s.domanda1));
    }
    return e;
}

Pressione Problema::attesa(int passo) const
{
    switch (passo) {
    case 0:
    case 3:
        return {Tasto::Cifra, primo()};
    case 1:
    case 5:
        return {Tasto::Cifra, secondo()};
    case 2:
    case 7:
        return {Tasto::Cifra, risultato()};
    case 4:
        return {m_op.operatore};
    case 6:
        return {Tasto::Uguale};
    default:
        return {Tasto::Cifra, -1}; // nothing is right
    }
}

Esito Problema::premi(Pressione premuto)
{
    // Once the operation is written, digits and operators do nothing until
    // "avanti": the same result pressed again would count the problem twice.
    if (m_scritta)
        return {};
    const Pressione a = attesa(m_passo);
    if (premuto.tasto != a.tasto || (premuto.tasto == Tasto::Cifra && premuto.cifra != a.cifra))
        return sbagliato();
    Esito e;
    auto &p = e.passi;
    if (m_tastoSegnato) {
        // The marked key was pressed: the line says the bar again.
        m_tastoSegnato = false;
        p.push_back(semplice(T::SmarcaTasto));
        p.push_back(m_barra ? testo(Etichetta::Aiuto, testoBarra()) : nascondi(Etichetta::Aiuto));
    }
    switch (m_passo) {
    case 0:
    case 1:
    case 2:
        return storia(m_passo);
    case 3:
        m_operazione = testoNumero(premuto.cifra);
        break;
    case 4:
        m_operazione += m_op.operatore == Tasto::Piu ? QStringLiteral(" + ") : QStringLiteral(" - ");
        break;
    case 5:
        m_operazione += testoNumero(premuto.cifra);
        break;
    case 6:
        m_operazione += QStringLiteral(" = ");
        break;
    case 7: {
        m_operazione += testoNumero(premuto.cifra);
        m_scritta = true;
        m_esatti = piuUno(m_esatti);
        m_andamento.finito = true;
        m_andamento.secondi = int(qMax<qint64>(0, m_andamento.inizio.secsTo(orologio())));
        finisci();
        p.push_back(testo(Etichetta::Operazione, m_operazione));
        // Shown before the operation is read, so the child may go on while
        // it is still being spoken.
        p.push_back(semplice(T::MostraAvanti));
        p.push_back(semplice(T::IconaSi));
        p.push_back(testo(Etichetta::Esatti, testoNumero(m_esatti)));
        // Subtraction reads a sentence in plain digits, nothing between the
        // parts: the messages carry the blanks.
        p.push_back(parla(m_op.chiaveDopoPrimo.isEmpty() ? m_operazione
                                                         : QString::number(primo()) + m_messaggio(m_op.chiaveDopoPrimo)
                                  + QString::number(secondo()) + m_messaggio(m_op.chiaveDopoSecondo)
                                  + QString::number(risultato())));
        return e; // Passo stays 7
    }
    default:
        return e;
    }
    ++m_passo;
    p.push_back(testo(Etichetta::Operazione, m_operazione));
    p.push_back(semplice(T::SuonoEsatto));
    return e;
}

Esito Problema::storia(int passo)
{
    const Storia &s = m_storia;
    Esito e;
    auto &p = e.passi;
    switch (passo) {
    case 0:
        if (m_op.sottrazione) {
            // The things that go away change their picture where they stand.
            for (int i = 0; i < m_n1; ++i)
                p.push_back(cella(T::CellaCambia, i, s.fileCambia));
        }
        p.push_back(mostra(Etichetta::Risposta1));
        p.push_back(parla(s.risposta1.per(primo())));
        if (!m_op.sottrazione) {
            // The things that arrive join the others (none when Numero2 is 0).
            for (int i = m_n1; i < m_n3; ++i)
                p.push_back(cella(T::CellaMostraFile, i, s.fileCambia));
        }
        p.push_back(mostra(Etichetta::Domanda2));
        p.push_back(parla(s.domanda2));
        break;
    case 1:
        p.push_back(mostra(Etichetta::Risposta2));
        p.push_back(parla(s.risposta2.per(secondo())));
        p.push_back(mostra(Etichetta::Domanda3));
        p.push_back(parla(s.domanda3));
        break;
    case 2: {
        p.push_back(mostra(Etichetta::Risposta3));
        p.push_back(parla(s.risposta3.per(risultato())));
        const QString prompt = m_messaggio(m_op.chiavePrompt);
        m_operazione = prompt;
        p.push_back(testo(Etichetta::Operazione, prompt));
        p.push_back(mostra(Etichetta::Operazione));
        if (m_op.promptParlato)
            p.push_back(parla(prompt));
        break;
    }
    default:
        break;
    }
    ++m_passo;
    return e;
}

Esito Problema::sbagliato()
{
    m_errati = piuUno(m_errati);
    const int volte = ++m_andamento.errati[size_t(qMin(m_passo, 3))];
    Esito e;
    e.giusto = false;
    e.passi = {semplice(T::IconaNo), testo(Etichetta::Errati, testoNumero(m_errati)), semplice(T::SuonoErrato)};
    if (aiuti && volte >= 2)
        aiuta(volte, e.passi);
    return e;
}

void Problema::aiuta(int volte, std::vector<Passaggio> &p)
{
    m_segni = true;
    ++m_andamento.aiuti;
    if (m_passo < 3) {
        contaInsieme(p);
        return;
    }
    // Every hint is said and also written on its line, for a child who
    // cannot hear it.
    QString scritto;
    QString detto;
    if (volte == 2) {
        m_barra = true;
        Passaggio barra = semplice(T::MostraBarra);
        barra.numeri = {m_n3, m_n1, m_n2};
        barra.testo = scritto = detto = testoBarra();
        p.push_back(barra);
    } else {
        m_tastoSegnato = true;
        const Pressione t = attesa(m_passo);
        Passaggio tasto = semplice(T::MarcaTasto);
        tasto.tasto = t;
        p.push_back(tasto);
        // An operator is written as on its key and said by its name.
        const QString modello = m_messaggio(QStringLiteral("0262"));
        switch (t.tasto) {
        case Tasto::Cifra:
            scritto = detto = modello.arg(t.cifra);
            break;
        case Tasto::Piu:
            scritto = modello.arg(QChar(u'+'));
            detto = modello.arg(m_messaggio(QStringLiteral("0263")));
            break;
        case Tasto::Meno:
            scritto = modello.arg(QChar(u'-'));
            detto = modello.arg(m_messaggio(QStringLiteral("0264")));
            break;
        case Tasto::Uguale:
            scritto = modello.arg(QChar(u'='));
            detto = modello.arg(m_messaggio(QStringLiteral("0265")));
            break;
        }
    }
    p.push_back(testo(Etichetta::Aiuto, scritto));
    p.push_back(mostra(Etichetta::Aiuto));
    p.push_back(parla(detto));
}

void Problema::contaInsieme(std::vector<Passaggio> &p)
{
    // The cells that answer this step's question. Addition: the things at
    // first in the first Numero1 cells, those that arrive after them.
    // Subtraction: all Numero3 things at first, the first Numero1 of them go
    // away, the rest stay. Each count ends on the number to press, so the
    // change of an addition counts the things that arrive from one, and its
    // result counts on from the first number, the things at first marked
    // together as it is said.
    int da = 0;
    int a = 0;
    int partenza = 0;
    switch (m_passo) {
    case 0:
        a = primo();
        break;
    case 1:
        da = m_op.sottrazione ? 0 : m_n1;
        a = m_op.sottrazione ? m_n1 : m_n3;
        break;
    default:
        da = m_n1;
        a = m_n3;
        partenza = m_op.sottrazione ? 0 : m_n1;
        break;
    }
    const QString titolo = m_messaggio(QStringLiteral("0260"));
    p.push_back(testo(Etichetta::Aiuto, titolo));
    p.push_back(mostra(Etichetta::Aiuto));
    p.push_back(parla(titolo));
    // The line shows the numbers said so far: "Contiamo insieme: 4... 5, 6".
    QString riga = titolo + u':';
    QString separa = QStringLiteral(" ");
    auto di = [&](int n) {
        riga += separa + QString::number(n);
        separa = QStringLiteral(", ");
        p.push_back(testo(Etichetta::Aiuto, riga));
        p.push_back(parla(QString::number(n)));
    };
    if (partenza > 0) {
        // Framed together, the number on the last of them only.
        for (int i = 0; i < partenza; ++i)
            p.push_back(cella(T::MarcaCella, i, i + 1 == partenza ? QString::number(partenza) : QString()));
        di(partenza);
        riga += QStringLiteral("...");
        separa = QStringLiteral(" ");
    }
    int n = partenza;
    for (int i = da; i < a; ++i) {
        p.push_back(cella(T::MarcaCella, i, QString::number(++n)));
        di(n);
    }
    if (n == 0)
        di(0); // nothing there: the count is zero
    p.push_back(semplice(T::SmarcaCelle));
    p.push_back(nascondi(Etichetta::Aiuto));
}

QString Problema::testoBarra() const
{
    return m_messaggio(QStringLiteral("0261")).arg(m_n3).arg(m_n1).arg(m_n2);
}

Esito Problema::avanti(bool misto)
{
    if (!misto || m_casuale.estrai(2) == 1)
        return nuovo();
    return {{semplice(T::AltroSchermo)}};
}

Esito Problema::azzera()
{
    m_esatti = 0;
    m_errati = 0;
    // Plain digits here; the next change of a count writes its number text.
    return {{testo(Etichetta::Esatti, QString::number(m_esatti)), testo(Etichetta::Errati, QString::number(m_errati))}};
}
