#include "impostazioni.h"
#include "velocita.h"

#include "codec.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "percorsi.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <limits>
#include <optional>

namespace {
constexpr Integer VelocitaPredefinita = Velocita::Predefinita;
constexpr Integer VocePredefinita = 1;

// One number from a line, blanks around it ignored; nullopt for anything
// else, including a number too large for the shared 16-bit value.
std::optional<Integer> numero(const QStringList &righe, int i)
{
    if (i >= righe.size())
        return std::nullopt;
    bool ok = false;
    const int v = righe[i].trimmed().toInt(&ok);
    if (!ok || v < std::numeric_limits<Integer>::min() || v > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return Integer(v);
}

QByteArray rigaNumero(int n)
{
    // Print layout: the sign position (a blank when not negative), the
    // digits, a blank.
    const QByteArray cifre = QByteArray::number(n);
    return (n < 0 ? cifre : ' ' + cifre) + " \r\n";
}
} // namespace

bool EsisteFile(const QString &percorso)
{
    if (percorso.isEmpty())
        return false;
    const QFileInfo f(percorso);
    return f.exists() && f.isFile() && !f.isHidden();
}

void CaricaImpostazioni(Impostazioni &m)
{
    // Every value that cannot be read keeps its default, so the screens
    // always find a usable speed and voice.
    m.Velocita = VelocitaPredefinita;
    m.Voce = VocePredefinita;
    if (!EsisteFile(m.FileImpostazioni))
        return;
    QByteArray contenuto;
    if (!leggiFile(m.FileImpostazioni, &contenuto))
        return;
    const QStringList righe = decodificaTesto(contenuto).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (const auto v = numero(righe, 0))
        m.Velocita = *v;
    if (const auto v = numero(righe, 1))
        m.Voce = *v;
}

QByteArray testoImpostazioni(int velocita, int voce)
{
    return rigaNumero(velocita) + rigaNumero(voce);
}

bool SalvaImpostazioni(Impostazioni &m)
{
    if (m.Velocita == 0)
        m.Velocita = VelocitaPredefinita;
    if (m.Voce == 0)
        m.Voce = VocePredefinita;
    // The folder may have gone since start-up; the user's choice should not.
    QDir().mkpath(QFileInfo(m.FileImpostazioni).absolutePath());
    return scriviFileAtomico(m.FileImpostazioni, testoImpostazioni(m.Velocita, m.Voce));
}

bool CreaLeggimi(ModLanguageSupport &lingua, const QString &cartellaImpostazioni)
{
    if (!QDir().mkpath(cartellaImpostazioni))
        return false;
    const QString acapo = QStringLiteral("\r\n");
    const QString testo = lingua.MLSGetString(QStringLiteral("0002")) + acapo + QLatin1Char(' ') + acapo
        + lingua.MLSGetString(QStringLiteral("0003")) + acapo + QLatin1Char(' ') + acapo
        + lingua.MLSGetString(QStringLiteral("0004")) + acapo;
    return scriviFileAtomico(Percorsi::unisci(cartellaImpostazioni, QStringLiteral("leggimi.txt")),
                             codificaWindows1252(testo));
}
