// Drawing into the kept images of picture boxes.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// Draws text with the top-left corner of its character cell at x, y, over
// what is already there (the cell's background is left alone).
void text_out(QImage& image, const QFont& font, const QColor& colour, int x, int y,
              const QString& text);
