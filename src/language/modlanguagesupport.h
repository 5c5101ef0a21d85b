#pragma once

#include "ini.h"

#include <QByteArray>
#include <QString>
#include <optional>

class Schermo;

// The language support module: the current language and the lookups that
// every screen makes. The language files are read once and kept in memory
// until the language changes or a file changes on disk; the language
// settings are read anew at every call.
//
// The language choice lives in LangSetting.ini beside the program. An
// installed program usually cannot write its own folder, so the choice then
// goes to a LangSetting.ini of the user's own in the settings folder, which
// from then on is read first.
class ModLanguageSupport
{
public:
    explicit ModLanguageSupport(const QString &cartellaProgramma, const QString &cartellaImpostazioni = QString());

    QString cartellaProgramma() const { return m_cartella; }
    // Empty: the choice can only be kept in the program folder.
    QString cartellaImpostazioni() const { return m_impostazioni; }

    // Empty at start; set by the start screen, the language menu and the
    // first MLSGetString that finds it empty.
    QString MLSCurrentLanguage;

    // The language chosen in the menu during this run when LangSetting.ini
    // could not store it (a read-only program folder): it stays current for
    // the rest of the run instead of the one the file still names.
    std::optional<QString> linguaNonSalvata;

    // "<program folder>\LangSetting.ini" (the separator always added).
    QString percorsoLangSetting() const;
    // "<settings folder>/LangSetting.ini", the user's own copy; empty
    // without a settings folder.
    QString percorsoLangSettingUtente() const;
    // "<program folder>\<MLSCurrentLanguage>.lng" (no doubled separator).
    QString percorsoLingua() const;
    // CurrentLanguage of section Language: from the user's copy when it
    // names a language, else from the program folder's LangSetting.ini;
    // nullopt when neither file can be read.
    std::optional<QString> leggiLinguaSalvata() const;
    // Stores the language chosen for the next start: in the user's copy
    // once there is one, else in the program folder, else (the program
    // folder cannot be written) in a new user's copy. False when it could
    // be stored nowhere.
    bool salvaLingua(const QString &nome);

    // MLSCurrentLanguage, the stored language first made current when it
    // is still empty.
    QString linguaCorrente();

    // What a language file says of its language in section "Lingua": the
    // folder of its own stories inside testi (CartellaStorie) and the
    // espeak-ng language its voices speak (VoceEspeak). Empty where it names
    // none, or there is no such file.
    QString cartellaStorie(const QString &lingua) const;
    QByteArray voceEspeak(const QString &lingua) const;

    // The message of a four-digit key from section "Strings" of the current
    // language file; where the file lacks the key, from Italiano.lng, then
    // from the Italiano.lng compiled into the program. A key written with an empty
    // value gives the empty text.
    QString MLSGetString(const QString &chiave);

    // Puts the current language's title, tooltip, tag and the captions,
    // tooltips and tags of every control on a screen. Never fails.
    void MLSLoadFormStrings(Schermo &schermo);

private:
    QString valoreLingua(const QString &lingua, const QString &chiave) const;

    // The current language's file and Italiano.lng, kept for the lookups.
    LettoreIni &lettore() const;
    mutable LettoreIni m_lettore;
    QString m_cartella;
    QString m_impostazioni;
};
