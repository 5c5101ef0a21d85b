#pragma once

#include <QString>

class MotoreVoce;
class QWidget;
struct Contesto;
struct Storie;

inline const QString TitoloApplicazione = QStringLiteral("Numerella");
// The program's full name, the same in every language: the About text's
// first line (message "9996") is the one that is translated.
inline const QString TitoloDomande = TitoloApplicazione + QStringLiteral(" parlato");

// The About text: the non-empty messages "9996".."9999" under a dashed line,
// then the program's name, version, licence (message "0018") and data
// folders (the words of "0019" to "0021"); storie is the folder of the
// stories in use, inside the program folder.
QString testoInformazioni(class ModLanguageSupport &lingua, const QString &programma, const QString &storie);
void MostraInformazioni(Contesto &c, const Storie &storie, QWidget *padre);
// Makes the engine speak the current language: its voices, and message
// "0008" as the word for a minus sign; and makes Parla prepare texts for it
// (another language's word for "&" is its message "0022").
void ParlaLaLingua(Contesto &c, MotoreVoce &motore);
// Asks message "0001"; on Yes ends the run at once (exit status 0).
void ConfermaUscita(Contesto &c, QWidget *padre);
