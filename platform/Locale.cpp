// The characters the game reads and writes: UTF-8, whatever locale the player's system names.
#include "platform/Locale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>
#include <langinfo.h>

namespace {

bool characters_are_utf8()
{
    const char* set = nl_langinfo(CODESET);
    return std::strcmp(set, "UTF-8") == 0 || std::strcmp(set, "utf8") == 0;
}

} // namespace

void use_utf8_characters()
{
    if (std::setlocale(LC_ALL, "") && characters_are_utf8())
        return;
    // LC_ALL would outweigh LC_CTYPE, so what it names is spelled out into each of the other
    // categories, as it would have ruled them, before it is taken away.
    if (const char* all = std::getenv("LC_ALL"); all && *all) {
        const std::string named = all;
        for (const char* category : {"LC_COLLATE", "LC_MONETARY", "LC_NUMERIC", "LC_TIME", "LC_MESSAGES"})
            setenv(category, named.c_str(), 1);
        unsetenv("LC_ALL");
    }
    // Set in the environment too, for the display's own libraries and for what the game starts.
    setenv("LC_CTYPE", "C.UTF-8", 1);
    if (!std::setlocale(LC_ALL, ""))
        std::setlocale(LC_CTYPE, "C.UTF-8"); // a category names a locale this system lacks
}
