// The four message box icons, drawn in sixteen colours and as outlines for the larger sizes, and the hand pointer.
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

// Beyond 32 pixels each icon is drawn smoothly and in full colour from the
// 32 pixel layout, in coordinates from 0 to 32.
VectorPicture InformationIconOutlines();
VectorPicture CriticalIconOutlines();
VectorPicture QuestionIconOutlines();
VectorPicture ExclamationIconOutlines();

struct IconArtwork {
    const char* Name;
    QImage (*Draw)(int size);
    VectorPicture (*Outlines)();
};

inline constexpr std::array<IconArtwork, 4> IconArtworks = {{
    {"information", DrawInformationIcon, InformationIconOutlines},
    {"critical", DrawCriticalIcon, CriticalIconOutlines},
    {"question", DrawQuestionIcon, QuestionIconOutlines},
    {"exclamation", DrawExclamationIcon, ExclamationIconOutlines},
}};

inline constexpr std::array<int, 2> IconSizes = {32, 16};
// The sizes the icons show at on screens at 150% and 200%.
inline constexpr std::array<int, 2> ScaledIconSizes = {48, 64};

// The program's icon on the desktop is the information picture, larger
// still, up to a scalable picture.
inline constexpr std::array<int, 2> DesktopIconSizes = {128, 256};

// The pointer over a web link: a white hand with a black outline, 32 x 32,
// its index fingertip on the hot spot.
QImage DrawHandPointer();
inline constexpr QPoint HandPointerHotSpot{12, 4};

} // namespace vellumet::artwork
