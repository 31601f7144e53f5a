// Drawing into the kept images of picture boxes.
#include "render/Raster.h"

#include <QFontMetrics>
#include <QPainter>

void text_out(QImage& image, const QFont& font, const QColor& colour, int x, int y,
              const QString& text)
{
    QPainter p(&image);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(x, y + QFontMetrics(font).ascent(), text);
}
