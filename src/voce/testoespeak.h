#pragma once

#include <QByteArray>
#include <QString>

// How espeak-ng (1.51) should get a text so that it reads it as a speaker
// of the language would. In every language a minus sign that is not a
// hyphen inside a word becomes the language's word for it, meno (espeak-ng
// drops a lone "-"), and the typographic apostrophe a plain one. For
// Italian ("it") also:
// - a word-final vowel followed by an apostrophe becomes the accented vowel
//   again ("Citta' e' bella" → "Città è bella"; acute in the "-ché" words,
//   "né", "sé" and "-tré", grave elsewhere); espeak-ng otherwise moves the
//   stress and pauses at every apostrophe. A vowel that closes a quotation
//   opened with an apostrophe ('ciao') is left alone;
// - "+" and "=" are read right as they are;
// - "&" becomes "e commerciale" (the repeat buttons hand over texts that
//   were not prepared);
// - "c'è" becomes "cè" and the verb "è" becomes "èh", which espeak-ng reads
//   with their stress.
QString testoPerEspeak(const QString &testo, const QByteArray &lingua = "it",
                       const QString &meno = QStringLiteral("meno"));
