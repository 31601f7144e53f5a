// Colours as the game writes them: 0x00BBGGRR, plus the two system colours it names.
#pragma once

#include <cstdint>

#include <QColor>

inline constexpr uint32_t system_window_background = 0x80000005;
inline constexpr uint32_t system_window_text = 0x80000008;
// No colour of its own: the element keeps the toolkit's default.
inline constexpr uint32_t default_colour = 0xFFFFFFFF;

inline QColor from_bgr(uint32_t bgr)
{
    if (bgr == system_window_background)
        return QColor(255, 255, 255);
    if (bgr == system_window_text)
        return QColor(0, 0, 0);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline uint32_t to_bgr(const QColor& c)
{
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}
