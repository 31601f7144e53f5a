// Looking at pictures the way the pictures tests need: counting colours and finding shut-in areas.
#pragma once

#include <queue>
#include <vector>

#include <QImage>

inline constexpr QRgb key_black = 0xFF000000;

inline int count(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// Pixels of `colour` that cannot be reached from the picture's edge through pixels of that
// colour: black shut inside a sprite is a hole; background shut in by the figure is a gap.
inline int enclosed(const QImage& image, QRgb colour)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    std::queue<QPoint> todo;
    int reached = 0;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return;
        auto i = static_cast<std::size_t>(y * w + x);
        if (seen[i] || image.pixel(x, y) != colour)
            return;
        seen[i] = 1;
        ++reached;
        todo.push({x, y});
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        QPoint p = todo.front();
        todo.pop();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    return count(image, colour) - reached;
}
