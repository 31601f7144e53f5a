// The language the game speaks: chosen from the player's environment, and its translation loaded.
#include "platform/Language.h"

#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace {

const QString translations_dir = QStringLiteral(":/translations/");

// "en_GB.UTF-8", "en@euro" and "EN" all speak "en"; "C", "POSIX" and "C.UTF-8" speak no language.
QString language_of(const QString& locale)
{
    QString code = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return code == QLatin1String("c") || code == QLatin1String("posix") ? QString() : code;
}

std::unique_ptr<QTranslator>& translator()
{
    static std::unique_ptr<QTranslator> loaded;
    return loaded;
}

QString spoken = QString::fromLatin1(japanese);

} // namespace

QString language_from_environment(const std::function<QString(const char*)>& variable,
                                  const QStringList& translated)
{
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = variable(name);
        if (value.isEmpty())
            continue;
        bool asked = false;
        for (const QString& entry : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            // A translation for a country ("pt_BR") is taken before one for its language.
            const QString regional = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
            if (translated.contains(regional))
                return regional;
            const QString code = language_of(entry);
            if (code == QLatin1String(japanese) || translated.contains(code))
                return code;
            asked = asked || !code.isEmpty();
        }
        return asked ? QStringLiteral("en") : QString::fromLatin1(japanese);
    }
    return QString::fromLatin1(japanese);
}

QString language_from_environment()
{
    return language_from_environment([](const char* name) { return qEnvironmentVariable(name); },
                                     translated_languages());
}

QStringList translated_languages()
{
    QStringList codes;
    for (const QString& file : QDir(translations_dir).entryList({QStringLiteral("mokuta_*.qm")}))
        codes << file.mid(7).chopped(3);
    return codes;
}

bool speak(const QString& language)
{
    auto translation = std::make_unique<QTranslator>();
    if (language != QLatin1String(japanese) &&
        !translation->load(translations_dir + QStringLiteral("mokuta_%1.qm").arg(language)))
        return false;
    if (translator())
        QCoreApplication::removeTranslator(translator().get());
    translator().reset();
    if (language != QLatin1String(japanese)) {
        QCoreApplication::installTranslator(translation.get());
        translator() = std::move(translation);
    }
    spoken = language;
    return true;
}

QString spoken_language()
{
    return spoken;
}

bool speaks_japanese()
{
    return spoken == QLatin1String(japanese);
}
