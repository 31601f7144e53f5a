// The characters the game reads and writes: UTF-8, whatever locale the player's system names.
#pragma once

// Where the environment names no locale, or one whose character set is not UTF-8 ("C", "POSIX",
// a Latin-1 one), the character handling alone becomes UTF-8, so the window's titles, the lines
// on stderr and file names with Japanese in them come out right. The language, the numbers and
// the order of letters stay what the environment says. Call before the toolkit starts.
void use_utf8_characters();
