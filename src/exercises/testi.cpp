#include "testi.h"

#include "codec.h"
#include "fileanimazione.h"
#include "percorsi.h"

#include <QHash>
#include <optional>

QString testoNumero(int n)
{
    // The sign position: a blank for a number that is not negative.
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString fraseRisposta(const QString &prima, const QString &dopo, const QString &perUno, const QString *perZero, int n)
{
    if (n == 1)
        return perUno;
    if (n == 0 && perZero)
        return *perZero;
    return prima + QLatin1Char(' ') + testoNumero(n) + QLatin1Char(' ') + dopo;
}

namespace {

bool bianco(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool acapo(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Reads the fields of a story file one by one. Commas and line breaks end a
// field; a quoted field keeps its commas; blanks before a field are skipped.
class LettoreCampi
{
public:
    explicit LettoreCampi(const QString &testo)
        : m_t(testo)
    {
    }

    // Only blanks and line breaks left: blank lines after the last record.
    bool soloVuoto() const
    {
        for (qsizetype i = m_i; i < m_t.size(); ++i) {
            if (!bianco(m_t[i]) && !acapo(m_t[i]))
                return false;
        }
        return true;
    }

    // Blank lines between two records would otherwise shift every field of
    // the next record by one.
    void saltaRigheVuote()
    {
        qsizetype i = m_i;
        while (i < m_t.size()) {
            qsizetype j = i;
            while (j < m_t.size() && bianco(m_t[j]))
                ++j;
            if (j >= m_t.size() || !acapo(m_t[j]))
                break;
            i = dopoAcapo(j);
        }
        m_i = i;
    }

    // nullopt when the file has ended before the field.
    std::optional<QString> campo()
    {
        while (m_i < m_t.size() && bianco(m_t[m_i]))
            ++m_i;
        if (m_i >= m_t.size())
            return std::nullopt;
        QString valore;
        if (m_t[m_i] == QLatin1Char('"')) {
            qsizetype fine = m_i + 1;
            while (fine < m_t.size() && m_t[fine] != QLatin1Char('"') && !acapo(m_t[fine]))
                ++fine;
            valore = m_t.mid(m_i + 1, fine - m_i - 1);
            m_i = fine;
            if (m_i < m_t.size() && m_t[m_i] == QLatin1Char('"'))
                ++m_i;
            // Anything between the closing quote and the separator is dropped.
            while (m_i < m_t.size() && m_t[m_i] != QLatin1Char(',') && !acapo(m_t[m_i]))
                ++m_i;
        } else {
            qsizetype fine = m_i;
            while (fine < m_t.size() && m_t[fine] != QLatin1Char(',') && !acapo(m_t[fine]))
                ++fine;
            valore = m_t.mid(m_i, fine - m_i);
            while (!valore.isEmpty() && bianco(valore.back()))
                valore.chop(1);
            m_i = fine;
        }
        separatore();
        return valore;
    }

private:
    qsizetype dopoAcapo(qsizetype j) const
    {
        if (m_t[j] == QLatin1Char('\r') && j + 1 < m_t.size() && m_t[j + 1] == QLatin1Char('\n'))
            return j + 2;
        return j + 1;
    }

    // A comma at the end of a line and the line break after it are one
    // separator, so a record may be laid out with trailing commas.
    void separatore()
    {
        if (m_i >= m_t.size())
            return;
        if (acapo(m_t[m_i])) {
            m_i = dopoAcapo(m_i);
            return;
        }
        ++m_i; // the comma
        qsizetype j = m_i;
        while (j < m_t.size() && bianco(m_t[j]))
            ++j;
        if (j < m_t.size() && acapo(m_t[j]))
            m_i = dopoAcapo(j);
    }

    const QString &m_t;
    qsizetype m_i = 0;
};

QString errore(const QString &file, const QString &guasto)
{
    return QStringLiteral("Il file delle storie \"%1\" non si può caricare: %2").arg(file, guasto);
}

} // namespace

EsitoLettura analizzaTesti(const QByteArray &contenuto, int campi, const QString &nomeFile)
{
    EsitoLettura esito;
    const QString testo = decodificaTesto(contenuto);
    LettoreCampi lettore(testo);
    const int totale = campi + 1; // the last field of a record is read and dropped
    std::vector<std::vector<QString>> record;
    for (;;) {
        lettore.saltaRigheVuote();
        if (lettore.soloVuoto())
            break;
        if (int(record.size()) == MassimoRecord) {
            esito.errore = errore(nomeFile, QStringLiteral("contiene più di %1 storie.").arg(MassimoRecord));
            return esito;
        }
        std::vector<QString> r;
        r.reserve(campi);
        for (int k = 1; k <= totale; ++k) {
            const auto c = lettore.campo();
            if (!c) {
                // Only the dropped last field may be missing, and only at the end.
                if (k == totale)
                    break;
                esito.errore
                    = errore(nomeFile,
                             QStringLiteral("la storia %1 è incompleta: il file finisce dopo il campo %2 di %3.")
                                 .arg(record.size() + 1)
                                 .arg(k - 1)
                                 .arg(totale));
                return esito;
            }
            if (k <= campi)
                r.push_back(*c);
        }
        record.push_back(std::move(r));
    }
    if (record.empty()) {
        esito.errore = errore(nomeFile, QStringLiteral("non contiene nessuna storia."));
        return esito;
    }
    esito.record = std::move(record);
    return esito;
}

EsitoLettura leggiFileTesti(const QString &percorso, int campi)
{
    QByteArray contenuto;
    QString guasto;
    if (!leggiFile(percorso, &contenuto, &guasto)) {
        EsitoLettura esito;
        esito.errore = errore(percorso, guasto + QLatin1Char('.'));
        return esito;
    }
    return analizzaTesti(contenuto, campi, percorso);
}

QString FraseRisposta::per(int n) const
{
    return fraseRisposta(prima, dopo, perUno, perZero ? &*perZero : nullptr, n);
}

Storia storiaDaCampi(const std::vector<QString> &campi)
{
    auto campo = [&](size_t k) { return k <= campi.size() ? campi[k - 1] : QString(); };
    Storia s;
    s.fileCi = campo(1);
    s.fileCambia = campo(2);
    s.domanda1 = campo(3);
    s.risposta1 = {campo(4), campo(5), campo(6), std::nullopt};
    s.domanda2 = campo(7);
    s.risposta2 = {campo(8), campo(9), campo(10), campo(11)};
    s.domanda3 = campo(12);
    s.risposta3 = {campo(13), campo(14), campo(15), std::nullopt};
    if (campi.size() >= 16)
        s.risposta3.perZero = campo(16);
    return s;
}

QString CaricaListe(std::vector<Storia> &testi1, std::vector<Storia> &testi2, const QString &cartellaProgramma,
                    const QString &storie)
{
    // Both files are read before either table changes: after an error
    // nothing from either file is used.
    const EsitoLettura lista1
        = leggiFileTesti(Percorsi::unisci(cartellaProgramma, storie + QStringLiteral("/lista1.txt")), 15);
    if (!lista1.ok())
        return lista1.errore;
    const EsitoLettura lista2
        = leggiFileTesti(Percorsi::unisci(cartellaProgramma, storie + QStringLiteral("/lista2.txt")), 16);
    if (!lista2.ok())
        return lista2.errore;

    auto riempi = [](std::vector<Storia> &tabella, const EsitoLettura &esito) {
        tabella.clear();
        for (const auto &record : esito.record)
            tabella.push_back(storiaDaCampi(record));
    };
    riempi(testi1, lista1);
    riempi(testi2, lista2);
    return QString();
}

QStringList animazioniGuaste(const std::vector<Storia> &testi1, const std::vector<Storia> &testi2,
                             const QString &cartellaProgramma, const QString &cartellaStorie)
{
    QHash<QString, QString> guasto; // by file name; empty: it shows
    QStringList righe;
    const auto controlla = [&](const std::vector<Storia> &testi, const QString &file) {
        for (size_t i = 0; i < testi.size(); ++i) {
            const QString nomi[] = {testi[i].fileCi, testi[i].fileCambia};
            for (int campo = 1; campo <= 2; ++campo) {
                const QString &nome = nomi[campo - 1];
                if (!guasto.contains(nome)) {
                    const QString cartella = Percorsi::unisci(cartellaProgramma, QStringLiteral("gifanimate"));
                    guasto[nome] = nome.isEmpty()
                        ? QStringLiteral("non c'è")
                        : controllaAnimazione(cartella, Percorsi::unisci(cartella, nome)).guasto;
                }
                if (!guasto[nome].isEmpty())
                    righe << QStringLiteral("%1/%2, storia %3, campo %4: \"%5\" %6.")
                                 .arg(cartellaStorie, file)
                                 .arg(i + 1)
                                 .arg(campo)
                                 .arg(nome, guasto[nome]);
            }
        }
    };
    controlla(testi1, QStringLiteral("lista1.txt"));
    controlla(testi2, QStringLiteral("lista2.txt"));
    return righe;
}
