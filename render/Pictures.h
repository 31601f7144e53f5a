// The built-in pictures and the hidden picture stores that hold them.
#pragma once

#include <QImage>
#include <QStringList>

class Elements;

// Starts decoding, on another thread, the pictures the title screen draws
// first, while the window is being built; each store takes its picture when
// it first draws from it.
void start_decoding_title_pictures();

// A built-in picture, taken from the early decoding when it was started there.
QImage decoded_picture(const QString& path);

// Puts every built-in picture into its store and the icon on the window.
// Returns the pictures that could not be loaded or have the wrong size.
QStringList load_pictures(Elements& el, const QString& root = QStringLiteral(":/pictures/"));
