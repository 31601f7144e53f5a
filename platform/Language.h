// The language the game speaks: the player's own, from the usual variables or the command line.
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

// The game's own language: its texts are written in it and need no translation.
inline constexpr char japanese[] = "ja";

// What the environment asks for: the first of LANGUAGE (a list, tried entry by entry),
// LC_ALL, LC_MESSAGES and LANG that is set decides. Japanese for ja, and where no language
// is set at all (C, POSIX, C.UTF-8); otherwise the first language the game has a translation
// into, and English when it has none of them.
QString language_from_environment(const std::function<QString(const char* variable)>& variable,
                                  const QStringList& translated);
// The same, from this process's own environment.
QString language_from_environment();

// The languages the game has a translation into ("en"), besides its own Japanese.
QStringList translated_languages();
// Speaks the language from now on: its translation replaces the Japanese texts made after
// this call. False, and no change, when the game has no translation into it.
bool speak(const QString& language);
QString spoken_language();
bool speaks_japanese();
