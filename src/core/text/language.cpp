#include "core/text/language.h"

namespace core {

const QStringList &programLanguages()
{
    static const QStringList languages{"es", "en", "ca", "gl", "eu"};
    return languages;
}

namespace {

// "ca_ES.UTF-8@valencia" → "ca".
QString languageOf(const QByteArray &localeName)
{
    QString name = QString::fromLatin1(localeName);
    for (const QChar end : {QLatin1Char('@'), QLatin1Char('.'), QLatin1Char('_'), QLatin1Char('-')})
        name = name.section(end, 0, 0);
    return name.toLower();
}

} // namespace

QString chooseLanguage(const QByteArray &languageList, const QByteArray &lcAll, const QByteArray &lcMessages,
                       const QByteArray &lang)
{
    QList<QByteArray> wanted = languageList.split(':');
    for (const QByteArray &messages : {lcAll, lcMessages, lang}) {
        if (!messages.isEmpty()) {
            wanted.append(messages);
            break;
        }
    }
    for (const QByteArray &entry : wanted) {
        const QString language = languageOf(entry);
        if (programLanguages().contains(language))
            return language;
    }
    return programLanguages().constFirst();
}

QLocale numberLocaleFor(const QString &language, const QLocale &system)
{
    if (language == QLatin1String("en")) {
        if (system.decimalPoint() == QLatin1String(".") && system.language() != QLocale::C)
            return system;
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    if (system.decimalPoint() == QLatin1String(","))
        return system;
    const QLocale own(language + QStringLiteral("_ES"));
    return own.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : own;
}

} // namespace core
