// The game's words, looked up in the translation of the language the game speaks.
#include "game/Words.h"

#include <QCoreApplication>

Words say(const char* context, const char* japanese)
{
    return {QCoreApplication::translate(context, japanese), QString::fromUtf8(japanese)};
}
