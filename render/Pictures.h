// The built-in pictures and the hidden picture stores that hold them.
#pragma once

#include <QStringList>

class Elements;

// Puts every built-in picture into its store and the icon on the window.
// Returns the pictures that could not be loaded or have the wrong size.
QStringList load_pictures(Elements& el, const QString& root = QStringLiteral(":/pictures/"));
