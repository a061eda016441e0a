// The sixteen VGA colours, and the mapping of a picture onto a palette with all-or-nothing transparency.
#pragma once

#include <QImage>
#include <QRgb>

#include <array>
#include <span>

namespace vellumet::artwork {

// The sixteen colours of the classic VGA palette, which every icon keeps to.
namespace Vga {
inline constexpr QRgb Black = 0xff000000;
inline constexpr QRgb Maroon = 0xff800000;
inline constexpr QRgb Green = 0xff008000;
inline constexpr QRgb Olive = 0xff808000;
inline constexpr QRgb Navy = 0xff000080;
inline constexpr QRgb Purple = 0xff800080;
inline constexpr QRgb Teal = 0xff008080;
inline constexpr QRgb Silver = 0xffc0c0c0;
inline constexpr QRgb Grey = 0xff808080;
inline constexpr QRgb Red = 0xffff0000;
inline constexpr QRgb Lime = 0xff00ff00;
inline constexpr QRgb Yellow = 0xffffff00;
inline constexpr QRgb Blue = 0xff0000ff;
inline constexpr QRgb Fuchsia = 0xffff00ff;
inline constexpr QRgb Aqua = 0xff00ffff;
inline constexpr QRgb White = 0xffffffff;

inline constexpr std::array<QRgb, 16> AllColours = {Black, Maroon, Green, Olive,  Navy, Purple,  Teal, Silver,
                                                    Grey,  Red,    Lime,  Yellow, Blue, Fuchsia, Aqua, White};
} // namespace Vga

inline constexpr std::array<QRgb, 2> BlackAndWhite = {Vga::Black, Vga::White};

// Maps every pixel to the nearest colour of `palette` and every alpha to fully
// opaque (from half on) or fully transparent. The result is Indexed8 with the
// transparent entry at index 0, followed by `palette` in order.
QImage MapToPalette(const QImage& picture, std::span<const QRgb> palette);

} // namespace vellumet::artwork
