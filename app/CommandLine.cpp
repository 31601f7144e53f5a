// The command line: the usual --help and --version, the language to play in, and a short
// word for anything else.
#include "app/CommandLine.h"

#include <cstdio>

#include <QCommandLineParser>
#include <QStringList>

#include "platform/Language.h"

namespace {

const char* const help_text =
    "Usage: mokuta [--language ja|en] [--help] [--version]\n"
    "もくた君 " MOKUTA_VERSION ": a young man is losing his hair; pick his plan each day and\n"
    "keep it on his head.\n"
    "\n"
    "  -l, --language LANG  play in Japanese (ja) or English (en)\n"
    "  -h, --help           show this help and end\n"
    "  -v, --version        show the version and end\n"
    "\n"
    "Without --language the game speaks the language of LANGUAGE, LC_ALL, LC_MESSAGES or\n"
    "LANG, the first of them that is set: Japanese for ja and where none names a language\n"
    "(C, POSIX), English for every other.\n"
    "\n"
    "Keys: 1 2 3 pick a plan, Return plays the day (Go on a bonus day), Y and N answer,\n"
    "Tab moves, Space presses. The mouse does everything as well.\n"
    "\n"
    "Exit status: 0 after a normal close; 1 when another copy runs, a file the game needs is\n"
    "missing, or no display can be opened; 2 for a wrong command line; 128+N when ended by\n"
    "signal N (130 for Ctrl+C, 143 for SIGTERM).\n";

// Qt's own options (-platform xcb, -display :1, -style ...) are left for Qt.
void accept_toolkit_options(QCommandLineParser& parser)
{
    for (const char* with_value : {"platform", "platformpluginpath", "platformtheme", "plugin",
                                   "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                   "style", "stylesheet", "display", "geometry", "name", "title"}) {
        QCommandLineOption option(QString::fromLatin1(with_value), QString(), QStringLiteral("v"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* flag : {"reverse", "widgetcount", "sync", "nograb", "dograb"}) {
        QCommandLineOption option(QString::fromLatin1(flag));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

std::optional<int> answer_command_line(int argc, char* argv[], QString& language)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help", "?"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption language_option(QStringList{"l", "language"}, QString(),
                                             QStringLiteral("language"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(language_option);
    accept_toolkit_options(parser);

    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString why = parser.errorText().isEmpty()
                                ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().value(0))
                                : parser.errorText();
        std::fprintf(stderr, "mokuta: %s\nTry 'mokuta --help'.\n", why.toLocal8Bit().constData());
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(help_text, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::puts("mokuta " MOKUTA_VERSION);
        return 0;
    }
    language = parser.value(language_option).toLower();
    const QStringList known = QStringList{QString::fromLatin1(japanese)} + translated_languages();
    if (!language.isEmpty() && !known.contains(language)) {
        std::fprintf(stderr, "mokuta: no language '%s': the game speaks %s\nTry 'mokuta --help'.\n",
                     language.toLocal8Bit().constData(),
                     known.join(QStringLiteral(", ")).toLocal8Bit().constData());
        return 2;
    }
    return std::nullopt;
}
