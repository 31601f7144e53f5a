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

// The colours the game's procedures paint with.
namespace colour {
inline const QColor white = from_bgr(0x00FFFFFF);
inline const QColor black = from_bgr(0x00000000);
inline const QColor red = from_bgr(0x000000FF);
inline const QColor blue = from_bgr(0x00FF0000);
inline const QColor light_yellow = from_bgr(0x00C0FFFF);  // a picked plan
inline const QColor pink = from_bgr(0x00C0C0FF);          // the plan being played
inline const QColor yellow = from_bgr(0x0000FFFF);        // the roulette's band
inline const QColor light_blue = from_bgr(0x00FF8080);    // the roulette's strip
inline const QColor backdrop = from_bgr(0x00484848);      // round the game in an enlarged window
} // namespace colour
