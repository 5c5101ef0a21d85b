#include "classe.h"

#include "caratteri.h"
#include "codec.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace {
int caratteri(const QString &s)
{
    return int(s.toUcs4().size());
}

// The access as the file writes it, in the order of Classe::Accesso.
const QString NomiAccesso[] = {QStringLiteral("tastiera"), QStringLiteral("unPulsante"), QStringLiteral("duePulsanti")};
} // namespace

Classe::Verifica Classe::verifica(const QString &grezzo, int escluso) const
{
    const QString nome = grezzo.trimmed();
    if (escluso < 0 && alunni.size() >= MassimoAlunni)
        return ClassePiena;
    if (nome.isEmpty())
        return NomeVuoto;
    if (caratteri(nome) > MassimoCaratteri)
        return NomeLungo;
    if (QStringView(u"=+-@").contains(nome.front()))
        return NomeFormula;
    if (std::any_of(nome.cbegin(), nome.cend(), carattereDiControllo))
        return NomeConControllo;
    for (int i = 0; i < alunni.size(); ++i) {
        if (i != escluso && alunni[i].nome.compare(nome, Qt::CaseInsensitive) == 0)
            return NomeDoppio;
    }
    return NomeValido;
}

QString Classe::prossimaImmagine(const QStringList &offerte) const
{
    QString scelta;
    qsizetype meno = -1;
    for (const QString &f : offerte) {
        const qsizetype n
            = std::count_if(alunni.begin(), alunni.end(), [&f](const Alunno &a) { return a.immagine == f; });
        if (meno < 0 || n < meno) {
            scelta = f;
            meno = n;
        }
    }
    return scelta;
}

int tempoScansioneValido(double secondi)
{
    const double ms = std::clamp(secondi * 1000, double(Classe::TempoMinimoMs), double(Classe::TempoMassimoMs));
    return int(std::lround(ms / Classe::PassoTempoMs)) * Classe::PassoTempoMs;
}

QString fileClasse(const QString &cartellaImpostazioni)
{
    return QDir(cartellaImpostazioni).filePath(QStringLiteral("numerella-classe.json"));
}

Classe caricaClasse(const QString &cartellaImpostazioni, QString *errore, QString *formula)
{
    errore->clear();
    if (formula)
        formula->clear();
    const QString percorso = fileClasse(cartellaImpostazioni);
    Classe c;
    if (!QFile::exists(percorso))
        return c;
    QByteArray testo;
    QString guasto;
    if (!leggiFile(percorso, &testo, &guasto)) {
        *errore = percorso + QStringLiteral(": ") + guasto;
        return c;
    }
    // The next change of the class writes the file anew: what it held is
    // kept beside it.
    auto nonUsabile = [&](const QString &perche) {
        *errore = percorso + QStringLiteral(": ") + perche;
        const QString copia = percorso + QStringLiteral(".guasto");
        QFile::remove(copia);
        if (QFile::copy(percorso, copia))
            *errore += QStringLiteral("\n") + copia;
        return Classe();
    };
    QJsonParseError e;
    const QJsonDocument d = QJsonDocument::fromJson(testo, &e);
    if (!d.isObject()) {
        return nonUsabile(e.error != QJsonParseError::NoError
                              ? e.errorString() + QStringLiteral(" (byte %1)").arg(e.offset)
                              : QStringLiteral("not a JSON object"));
    }
    const QJsonObject o = d.object();
    c.cartellaRegistro = o.value(QStringLiteral("cartellaRegistro")).toString();
    c.soloAdultoEsce = o.value(QStringLiteral("soloAdultoEsce")).toBool();
    c.ripasso = o.value(QStringLiteral("ripasso")).toBool(true);
    c.aiuti = o.value(QStringLiteral("aiuti")).toBool(true);
    const QString accesso = o.value(QStringLiteral("accesso")).toString();
    for (int i = 0; i < 3; ++i) {
        if (accesso == NomiAccesso[i])
            c.accesso = Classe::Accesso(i);
    }
    const QJsonValue tempo = o.value(QStringLiteral("tempoScansione"));
    if (tempo.isDouble())
        c.tempoScansioneMs = tempoScansioneValido(tempo.toDouble());
    c.leggiPulsante = o.value(QStringLiteral("leggiPulsante")).toBool();
    // A pupil the class could not take (a name edited by hand) is left out
    // rather than losing the whole class.
    for (const QJsonValue v : o.value(QStringLiteral("alunni")).toArray()) {
        const QJsonObject a = v.toObject();
        const QString nome = a.value(QStringLiteral("nome")).toString().trimmed();
        const Classe::Verifica esito = c.verifica(nome);
        // Such a name would be written into the record, where a spreadsheet
        // would run it: the whole file waits for the adult.
        if (esito == Classe::NomeFormula) {
            if (formula)
                *formula = nome;
            return nonUsabile(QStringLiteral("\"%1\"").arg(nome));
        }
        if (esito == Classe::NomeValido)
            c.alunni.append({nome, a.value(QStringLiteral("immagine")).toString()});
    }
    return c;
}

bool salvaClasse(const Classe &classe, const QString &cartellaImpostazioni, QString *errore)
{
    QJsonArray alunni;
    for (const Alunno &a : classe.alunni)
        alunni.append(QJsonObject{{QStringLiteral("nome"), a.nome}, {QStringLiteral("immagine"), a.immagine}});
    const QJsonObject o{{QStringLiteral("alunni"), alunni},
                        {QStringLiteral("cartellaRegistro"), classe.cartellaRegistro},
                        {QStringLiteral("soloAdultoEsce"), classe.soloAdultoEsce},
                        {QStringLiteral("ripasso"), classe.ripasso},
                        {QStringLiteral("aiuti"), classe.aiuti},
                        {QStringLiteral("accesso"), NomiAccesso[int(classe.accesso)]},
                        {QStringLiteral("tempoScansione"), classe.tempoScansioneMs / 1000.0},
                        {QStringLiteral("leggiPulsante"), classe.leggiPulsante}};
    const QString percorso = fileClasse(cartellaImpostazioni);
    if (!QDir().mkpath(cartellaImpostazioni)
        || !scriviFileAtomico(percorso, QJsonDocument(o).toJson(QJsonDocument::Indented))) {
        *errore = percorso;
        return false;
    }
    return true;
}
