#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

// The language the program speaks and the locale its numbers follow.
namespace core {

// The languages the program is translated into, Spanish (the language its
// texts are written in) first.
const QStringList &programLanguages();

// The language of the desktop, as gettext programs read it: every entry of
// LANGUAGE's list ("ca:es"), then the messages locale (the first one set of
// LC_ALL, LC_MESSAGES and LANG). The first the program speaks wins, and
// Spanish when none does.
QString chooseLanguage(const QByteArray &languageList, const QByteArray &lcAll, const QByteArray &lcMessages,
                       const QByteArray &lang);

// The locale numbers are typed and shown in. Spanish, Catalan, Galician and
// Basque tell the user to type a decimal comma: a system locale that writes
// one (es_MX does not, de_DE does) is kept, otherwise the language's own
// (es_ES, ca_ES, gl_ES, eu_ES). English tells the user to type a point: a
// system locale that writes one is kept, otherwise en_US.
QLocale numberLocaleFor(const QString &language, const QLocale &system);

} // namespace core
