#pragma once

#include <QString>
#include <optional>

class Schermo;

// The language support module: the current language and the lookups that
// every screen makes. Every call reads the files anew; nothing is cached.
class ModLanguageSupport
{
public:
    explicit ModLanguageSupport(const QString &cartellaProgramma);

    QString cartellaProgramma() const { return m_cartella; }

    // Empty at start; set by the start screen, the language menu and the
    // first MLSGetString that finds it empty.
    QString MLSCurrentLanguage;

    // The language chosen in the menu during this run when LangSetting.ini
    // could not store it (a read-only program folder): it stays current for
    // the rest of the run instead of the one the file still names.
    std::optional<QString> linguaNonSalvata;

    // "<program folder>\LangSetting.ini" (the separator always added).
    QString percorsoLangSetting() const;
    // "<program folder>\<MLSCurrentLanguage>.lng" (no doubled separator).
    QString percorsoLingua() const;
    // Reads CurrentLanguage of section Language of LangSetting.ini;
    // nullopt when the file cannot be read.
    std::optional<QString> leggiLinguaSalvata() const;

    // The message of a four-digit key from section "Strings" of the current
    // language file; empty text on any failure.
    QString MLSGetString(const QString &chiave);

    // Puts the current language's title, tooltip, tag and the captions,
    // tooltips and tags of every control on a screen. Never fails.
    void MLSLoadFormStrings(Schermo &schermo);

private:
    QString m_cartella;
};
