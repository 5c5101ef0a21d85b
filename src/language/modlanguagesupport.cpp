#include "modlanguagesupport.h"

#include "ini.h"
#include "schermo.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString Separatore = QStringLiteral("/");
const QString NomeLangSetting = QStringLiteral("LangSetting.ini");
const QString SezioneLingua = QStringLiteral("Language");
const QString ChiaveLingua = QStringLiteral("CurrentLanguage");
// Italiano.lng as shipped, compiled into the program.
const QString ItalianoIncluso = QStringLiteral(":/lingua/Italiano.lng");
} // namespace

ModLanguageSupport::ModLanguageSupport(const QString &cartellaProgramma, const QString &cartellaImpostazioni)
    : m_cartella(cartellaProgramma)
    , m_impostazioni(cartellaImpostazioni)
{
}

QString ModLanguageSupport::percorsoLangSetting() const
{
    // The separator is always added; a doubled one is harmless in a path.
    return m_cartella + Separatore + NomeLangSetting;
}

QString ModLanguageSupport::percorsoLangSettingUtente() const
{
    if (m_impostazioni.isEmpty())
        return QString();
    return QDir(m_impostazioni).filePath(NomeLangSetting);
}

QString ModLanguageSupport::percorsoLingua() const
{
    QString p = m_cartella;
    if (!p.endsWith(Separatore))
        p += Separatore;
    return p + MLSCurrentLanguage + QStringLiteral(".lng");
}

std::optional<QString> ModLanguageSupport::leggiLinguaSalvata() const
{
    // A user's copy that is broken or names nothing must not hide the
    // language the program folder still names.
    const QString utente = percorsoLangSettingUtente();
    if (!utente.isEmpty()) {
        const auto propria = MLSReadIniValue(utente, SezioneLingua, ChiaveLingua);
        if (propria && !propria->isEmpty())
            return propria;
    }
    return MLSReadIniValue(percorsoLangSetting(), SezioneLingua, ChiaveLingua);
}

bool ModLanguageSupport::salvaLingua(const QString &nome)
{
    const QString utente = percorsoLangSettingUtente();
    // Once the user has a copy it is the one read first: writing the
    // program folder's would change nothing the user sees.
    if (!utente.isEmpty() && QFileInfo::exists(utente))
        return MLSWriteIniValue(utente, SezioneLingua, ChiaveLingua, nome) != 0;
    if (MLSWriteIniValue(percorsoLangSetting(), SezioneLingua, ChiaveLingua, nome) != 0)
        return true;
    // An installed program's folder belongs to the system, not the user.
    if (utente.isEmpty() || !QDir().mkpath(m_impostazioni))
        return false;
    return MLSWriteIniValue(utente, SezioneLingua, ChiaveLingua, nome) != 0;
}

LettoreIni &ModLanguageSupport::lettore() const
{
    // Another language's file is not read again by any lookup: it goes.
    m_lettore.tieniSolo({percorsoLingua(), QDir(m_cartella).filePath(QStringLiteral("Italiano.lng")), ItalianoIncluso});
    return m_lettore;
}

QString ModLanguageSupport::linguaCorrente()
{
    if (MLSCurrentLanguage.isEmpty()) {
        if (const auto salvata = leggiLinguaSalvata())
            MLSCurrentLanguage = *salvata;
    }
    return MLSCurrentLanguage;
}

QString ModLanguageSupport::valoreLingua(const QString &lingua, const QString &chiave) const
{
    // Names unique in the whole file: the scan of large files ignores sections.
    // The current language's file under the name the lookups keep it in memory by.
    const QString file
        = lingua == MLSCurrentLanguage ? percorsoLingua() : QDir(m_cartella).filePath(lingua + QStringLiteral(".lng"));
    return lettore().leggi(file, QStringLiteral("Lingua"), chiave).value_or(QString());
}

QString ModLanguageSupport::cartellaStorie(const QString &lingua) const
{
    return valoreLingua(lingua, QStringLiteral("CartellaStorie"));
}

QByteArray ModLanguageSupport::voceEspeak(const QString &lingua) const
{
    return valoreLingua(lingua, QStringLiteral("VoceEspeak")).toLatin1();
}

QString ModLanguageSupport::MLSGetString(const QString &chiave)
{
    linguaCorrente();
    // A message the current language lacks comes from Italian, the designed language: an empty question box
    // or a closing sentence spoken as one large number ("734") helps no one.
    QStringList file{percorsoLingua()};
    const QString italiano = QDir(m_cartella).filePath(QStringLiteral("Italiano.lng"));
    if (QDir::cleanPath(file.first()) != QDir::cleanPath(italiano))
        file << italiano; // when Italian is current its file is read once
    file << ItalianoIncluso;
    // Only a missing message is borrowed: one left empty on purpose (an About
    // line, the greeting) stays empty.
    for (const QString &f : std::as_const(file)) {
        if (auto v = lettore().voce(f, QStringLiteral("Strings"), chiave))
            return *v;
    }
    return QString();
}

void ModLanguageSupport::MLSLoadFormStrings(Schermo &schermo)
{
    const QString file = percorsoLingua();
    // Without a language file nothing may change, not even the title and
    // tag that the file would otherwise clear.
    if (!QFileInfo(file).isFile())
        return;
    const QString form = schermo.nomeForm();
    LettoreIni &l = lettore();
    auto leggi = [&l, &file, &form](const QString &chiave) { return l.leggi(file, form, chiave); };

    if (!schermo.windowTitle().isEmpty()) {
        if (const auto v = leggi(form + QStringLiteral(".Caption")))
            schermo.setWindowTitle(*v);
    }
    if (const auto v = leggi(form + QStringLiteral(".ToolTipText")))
        schermo.setToolTip(*v);
    if (const auto v = leggi(form + QStringLiteral(".Tag")))
        schermo.setTag(*v);

    for (Controllo c : schermo.controlli()) {
        if (!c.valido())
            continue;
        const QString nome = c.nome();
        const auto indice = c.indice();
        const QString base = indice ? nome + QLatin1Char('(') + QString::number(*indice) + QLatin1Char(')') : nome;

        const auto caption = leggi(base + QStringLiteral(".Caption"));
        if (caption && !caption->isEmpty())
            c.setCaption(*caption);
        const auto tooltip = leggi(base + QStringLiteral(".ToolTipText"));
        if (tooltip && !tooltip->isEmpty() && c.haToolTip())
            c.setToolTip(*tooltip);
        const auto tag = leggi(base + QStringLiteral(".Tag"));
        if (tag && !tag->isEmpty())
            c.setTag(*tag);
    }
}
