#pragma once

#include "VectorPicture.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>

namespace vellumet::artwork {

// Each icon is drawn afresh at 16 and at 32 pixels, in the sixteen VGA
// colours with fully transparent pixels around it.
QImage DrawInformationIcon(int size);
QImage DrawCriticalIcon(int size);
QImage DrawQuestionIcon(int size);
QImage DrawExclamationIcon(int size);

struct IconArtwork {
    const char* Name;
    QImage (*Draw)(int size);
};

inline constexpr std::array<IconArtwork, 4> IconArtworks = {{
    {"information", DrawInformationIcon},
    {"critical", DrawCriticalIcon},
    {"question", DrawQuestionIcon},
    {"exclamation", DrawExclamationIcon},
}};

inline constexpr std::array<int, 2> IconSizes = {32, 16};

// The program's icon on the desktop is the information picture. Beyond 32
// pixels it is drawn smoothly and in full colour from the 32 pixel layout, at
// each size a desktop looks for and as SVG, in coordinates from 0 to 32.
VectorPicture InformationIconOutlines();
inline constexpr std::array<int, 4> DesktopIconSizes = {48, 64, 128, 256};

// The pointer over a web link: a white hand with a black outline, 32 x 32,
// its index fingertip on the hot spot.
QImage DrawHandPointer();
inline constexpr QPoint HandPointerHotSpot{12, 4};

} // namespace vellumet::artwork
