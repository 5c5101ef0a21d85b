#include "menulingue.h"

#include "caratteri.h"
#include "contesto.h"
#include "dialoghi.h"
#include "elencoschermi.h"
#include "messaggi.h"
#include "modlanguagesupport.h"
#include "modulo1.h"
#include "perparlare.h"
#include "schermo.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <algorithm>

const QString MenuLingue::MessaggioNessunFile = QStringLiteral("Non è presente alcun file di linguaggio!");

namespace {
const QString NomeVoce = QStringLiteral("mnuLanguage");

bool nomeAccettabile(const QString &nome)
{
    // The name is stored as one line of LangSetting.ini and shown as a menu
    // caption: a line break or another control character would break both.
    return std::none_of(nome.cbegin(), nome.cend(), carattereDiControllo);
}
} // namespace

MenuLingue::MenuLingue(Schermo &form, Contesto &contesto, Storie &storie)
    : QObject(&form)
    , m_form(form)
    , c(contesto)
    , m_storie(storie)
    , m_menu(qobject_cast<QMenu *>(form.controllo(QStringLiteral("mnuLanguages"))))
{
    setObjectName(QStringLiteral("MenuLingue"));
    // The designed entry answers clicks even when no language file fills it.
    for (QAction *a : voci())
        collega(a, a->property("index").toInt());
}

QStringList MenuLingue::lingueDisponibili(const QString &cartella)
{
    // QDir matches name filters without regard to letter case unless told
    // otherwise, as the file names of the designed platform do; hidden files
    // are not listed.
    const QStringList file = QDir(cartella).entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::NoSort);
    QStringList lingue;
    for (const QString &f : file) {
        const QString base = f.left(f.size() - 4);
        if (nomeAccettabile(base))
            lingue.append(base);
    }
    std::sort(lingue.begin(), lingue.end(), [](const QString &a, const QString &b) {
        const int k = QString::compare(a, b, Qt::CaseInsensitive);
        return k != 0 ? k < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return lingue;
}

QList<QAction *> MenuLingue::voci() const
{
    QList<QPair<int, QAction *>> trovate;
    for (const Controllo &k : m_form.controlli()) {
        auto *a = qobject_cast<QAction *>(k.oggetto());
        if (a && k.nome() == NomeVoce && k.indice())
            trovate.append({*k.indice(), a});
    }
    std::sort(trovate.begin(), trovate.end(), [](const auto &x, const auto &y) { return x.first < y.first; });
    QList<QAction *> l;
    for (const auto &t : trovate)
        l.append(t.second);
    return l;
}

QAction *MenuLingue::voce(int i) const
{
    return qobject_cast<QAction *>(m_form.controllo(NomeVoce, i));
}

void MenuLingue::collega(QAction *a, int indice)
{
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, indice] { mnuLanguage_Click(indice); });
}

void MenuLingue::MLSFillMenuLanguages()
{
    const QStringList lingue = lingueDisponibili(c.lingua.cartellaProgramma());
    if (lingue.isEmpty()) {
        c.dialoghi.avviso(&m_form, TitoloApplicazione, MessaggioNessunFile);
        return;
    }

    int i = 0;
    for (const QString &lingua : lingue) {
        QAction *a = voce(i);
        if (!a) {
            a = new QAction(m_menu ? static_cast<QObject *>(m_menu.data()) : &m_form);
            m_form.registra(a, NomeVoce, i);
            if (m_menu)
                m_menu->addAction(a);
            collega(a, i);
        }
        a->setVisible(true);
        a->setText(lingua);
        a->setData(lingua);
        ++i;
    }

    // A choice of this run that LangSetting.ini could not keep still holds:
    // the file would only bring back the language it replaced.
    if (c.lingua.linguaNonSalvata)
        c.lingua.MLSCurrentLanguage = *c.lingua.linguaNonSalvata;
    else if (const auto salvata = c.lingua.leggiLinguaSalvata())
        c.lingua.MLSCurrentLanguage = *salvata;

    bool trovata = false;
    for (QAction *a : voci()) {
        const bool questa = !trovata && a->text() == c.lingua.MLSCurrentLanguage;
        a->setChecked(questa);
        trovata = trovata || questa;
    }
}

void MenuLingue::mnuLanguage_Click(int Index)
{
    // Only an entry made from a language file is a language: the designed
    // placeholder, left alone when there is no file, is not one to store.
    QAction *scelta = voce(Index);
    if (!scelta || scelta->data().toString().isEmpty())
        return;
    // The language made current is what is stored, even when the new
    // language file gives the entry another caption meanwhile.
    const QString lingua = scelta->data().toString();

    // A language with stories of its own brings them (no problem is in
    // progress: this menu is on the main menu only); when they cannot be
    // loaded the previous language stays, stories, check mark and all.
    // CaricaListe changes nothing when it fails.
    const QString propria = c.lingua.cartellaStorie(lingua);
    if (percorsoStorie(propria) != m_storie.CartellaStorie) {
        if (const QString errore = CaricaListe(m_storie, c.lingua.cartellaProgramma(), propria); !errore.isEmpty()) {
            for (QAction *a : voci())
                a->setChecked(a->data().toString() == c.lingua.MLSCurrentLanguage);
            c.dialoghi.avviso(&m_form, TitoloApplicazione, errore);
            return;
        }
        if (c.storieCambiate)
            c.storieCambiate();
    }

    for (QAction *a : voci())
        a->setChecked(false);
    scelta->setChecked(true);
    c.lingua.MLSCurrentLanguage = lingua;
    if (MotoreVoce *bocca = c.parla.motore())
        ParlaLaLingua(c, *bocca);

    for (Schermo *s : c.schermi.caricati()) {
        c.lingua.MLSLoadFormStrings(*s);
        // New captions may be longer than the old: the screen fits its
        // text to them again.
        QEvent cambio(QEvent::LanguageChange);
        QCoreApplication::sendEvent(s, &cambio);
    }

    // Where neither the program folder nor the settings folder can be
    // written the choice holds for this run only; there is nothing the user
    // could do about it here.
    if (c.lingua.salvaLingua(lingua))
        c.lingua.linguaNonSalvata.reset();
    else
        c.lingua.linguaNonSalvata = lingua;
}
