#include "testoespeak.h"

#include <QRegularExpression>

namespace {

bool vocale(QChar c)
{
    switch (c.toLower().unicode()) {
    case u'a':
    case u'e':
    case u'i':
    case u'o':
    case u'u':
        return true;
    default:
        return false;
    }
}

// The accented form of the vowel v that ends parola (parola includes v).
QChar accentata(const QString &parola, QChar v)
{
    const bool maiuscola = v.isUpper();
    const QString p = parola.toLower();
    char16_t a = 0;
    switch (v.toLower().unicode()) {
    case u'a':
        a = u'à';
        break;
    case u'e': {
        const bool acuta = p.endsWith(u"che") || p == u"ne" || p == u"se" || (p.endsWith(u"tre") && p.size() > 3);
        a = acuta ? u'é' : u'è';
        break;
    }
    case u'i':
        a = u'ì';
        break;
    case u'o':
        a = u'ò';
        break;
    case u'u':
        a = u'ù';
        break;
    }
    const QChar c(a);
    return maiuscola ? c.toUpper() : c;
}

bool lettera(const QString &s, qsizetype i)
{
    return i >= 0 && i < s.size() && s.at(i).isLetter();
}

} // namespace

QString testoPerEspeak(const QString &testo, const QByteArray &lingua, const QString &meno)
{
    QString s = testo;
    s.replace(QChar(0x2019), u'\'');
    const QString parolaMeno = u' ' + meno + u' ';
    auto segnoMeno = [&s](qsizetype i) {
        const QChar c = s.at(i);
        return c == QChar(0x2212) || (c == u'-' && !(lettera(s, i - 1) && lettera(s, i + 1)));
    };
    if (!lingua.startsWith("it")) {
        QString out;
        for (qsizetype i = 0; i < s.size(); ++i)
            out += segnoMeno(i) ? parolaMeno : QString(s.at(i));
        return out;
    }

    QString out;
    out.reserve(s.size() + 16);
    qsizetype inizioParola = 0; // in out
    bool citazione = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isLetter()) {
            if (!lettera(out, out.size() - 1))
                inizioParola = out.size();
            out += c;
            continue;
        }
        if (c == u'\'') {
            const bool dopoLettera = lettera(s, i - 1);
            const bool primaDiLettera = lettera(s, i + 1);
            if (!dopoLettera && primaDiLettera) {
                citazione = true; // an opening quote: 'ciao'
                out += c;
            } else if (dopoLettera && !primaDiLettera && vocale(s.at(i - 1))) {
                if (citazione) {
                    citazione = false;
                    out += c;
                } else {
                    const QString parola = out.mid(inizioParola);
                    out[out.size() - 1] = accentata(parola, s.at(i - 1));
                }
            } else {
                if (!primaDiLettera)
                    citazione = false;
                out += c; // elision (l'acqua) and the like: espeak-ng reads these well
            }
            continue;
        }
        if (segnoMeno(i)) {
            out += parolaMeno; // not a hyphen inside a compound word
            continue;
        }
        if (c == u'&') {
            out += u" e commerciale ";
            continue;
        }
        out += c;
    }
    // Inside a sentence espeak-ng reads "c'è" as an unstressed "ce" and the
    // verb "è" as the conjunction "e". Written "cè" and "èh" they keep their
    // stressed open vowel ("dov'è" and the like are already read right).
    static const QRegularExpression ce(QStringLiteral("(?<![\\p{L}'])([cC])'([èÈ])(?!\\p{L})"));
    static const QRegularExpression verbo(QStringLiteral("(?<![\\p{L}'])([èÈ])(?!\\p{L})"));
    out.replace(ce, QStringLiteral("\\1\\2"));
    out.replace(verbo, QStringLiteral("\\1h"));
    return out;
}
