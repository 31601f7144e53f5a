// Which language the game speaks, from the player's environment: the usual variables in their order.
#include <map>
#include <string>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "platform/Language.h"

namespace {

using Environment = std::map<std::string, std::string>;

QString spoken_for(const Environment& env, const QStringList& translated = {"en"})
{
    return language_from_environment(
        [&env](const char* name) {
            auto it = env.find(name);
            return it == env.end() ? QString() : QString::fromStdString(it->second);
        },
        translated);
}

// What the start of main() does when LC_ALL names a locale that is not UTF-8: it moves it to
// LC_MESSAGES and takes LC_ALL away.
Environment with_lc_all_moved(Environment env)
{
    auto it = env.find("LC_ALL");
    if (it != env.end() && it->second.find("UTF-8") == std::string::npos) {
        env["LC_MESSAGES"] = it->second;
        env.erase(it);
    }
    return env;
}

} // namespace

TEST(Language, FollowsTheUsualVariablesInTheirOrder)
{
    struct Case {
        Environment env;
        const char* spoken;
    };
    const Case cases[] = {
        {{}, "ja"},
        {{{"LANG", ""}}, "ja"},
        {{{"LANG", "C"}}, "ja"},
        {{{"LANG", "POSIX"}}, "ja"},
        {{{"LANG", "C.UTF-8"}}, "ja"},
        {{{"LANG", "ja_JP.UTF-8"}}, "ja"},
        {{{"LANG", "ja_JP.eucJP"}}, "ja"},
        {{{"LANG", "en_US.UTF-8"}}, "en"},
        {{{"LANG", "de_DE.UTF-8"}}, "en"},
        {{{"LANG", "fr_FR@euro"}}, "en"},
        {{{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LANG", "en_US.UTF-8"}}, "ja"},
        {{{"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}, "en"},
        {{{"LC_ALL", "en_GB.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, "en"},
        {{{"LC_ALL", "ja_JP.eucJP"}, {"LC_MESSAGES", "en_US.UTF-8"}}, "ja"},
        {{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, "ja"},
        {{{"LC_ALL", "de_DE.ISO-8859-1"}, {"LANG", "ja_JP.UTF-8"}}, "en"},
        {{{"LANGUAGE", "en"}, {"LANG", "ja_JP.UTF-8"}}, "en"},
        {{{"LANGUAGE", "en_AU:ja"}, {"LC_ALL", "ja_JP.UTF-8"}}, "en"},
        {{{"LANGUAGE", "de:ja"}, {"LANG", "en_US.UTF-8"}}, "ja"},
        {{{"LANGUAGE", "de:fr"}, {"LANG", "ja_JP.UTF-8"}}, "en"},
        {{{"LANGUAGE", ""}, {"LANG", "en_US.UTF-8"}}, "en"},
        {{{"LANGUAGE", "C"}, {"LANG", "en_US.UTF-8"}}, "ja"},
    };
    for (const Case& c : cases) {
        std::string env;
        for (const auto& [name, value] : c.env)
            env += name + "=" + value + " ";
        EXPECT_EQ(spoken_for(c.env), QString::fromLatin1(c.spoken)) << env;
        // The start of main() may move a LC_ALL that is not UTF-8 aside first; it changes nothing.
        EXPECT_EQ(spoken_for(with_lc_all_moved(c.env)), QString::fromLatin1(c.spoken)) << env << "moved";
    }
}

TEST(Language, AnotherTranslationIsChosenByItsLanguageOrCountry)
{
    const QStringList translated{"en", "fr", "pt_BR"};
    EXPECT_EQ(spoken_for({{"LANG", "fr_CA.UTF-8"}}, translated), "fr");
    EXPECT_EQ(spoken_for({{"LANG", "pt_BR.UTF-8"}}, translated), "pt_BR");
    EXPECT_EQ(spoken_for({{"LANG", "pt_PT.UTF-8"}}, translated), "en");
    EXPECT_EQ(spoken_for({{"LANGUAGE", "de:fr:en"}}, translated), "fr");
}

TEST(Language, TheGameSpeaksWhatItHasATranslationFor)
{
    EXPECT_TRUE(translated_languages().contains("en"));
    EXPECT_FALSE(speak("xx"));
    EXPECT_TRUE(speaks_japanese());
    ASSERT_TRUE(speak("en"));
    EXPECT_EQ(spoken_language(), "en");
    EXPECT_EQ(QCoreApplication::translate("Act_Name", "ごはん"), "Eat");
    ASSERT_TRUE(speak("ja"));
    EXPECT_TRUE(speaks_japanese());
    EXPECT_EQ(QCoreApplication::translate("Act_Name", "ごはん"), QStringLiteral("ごはん"));
}
