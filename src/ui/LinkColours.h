// The colours a link is painted in: the form's link and hover colours, or the
// system's link colour in a high-contrast theme, made readable on the colour
// the window is actually painted in.
#pragma once

#include <optional>

namespace vellumet {

// Colours here are 0x00BBGGRR, as in the layout table, and never system colours.

// The contrast ratio of two colours, from 1 : 1 to 21 : 1, in hundredths and
// rounded to the nearest: the ratio of their relative luminances, each plus
// 0.05, as WCAG 2 defines it. Computed in integers, so that every processor
// gives the same figure.
int ContrastHundredths(unsigned first, unsigned second);

// Text reads well at 4.5 : 1 and above.
bool IsReadable(unsigned colour, unsigned background);

// `colour` where it is readable on `background`; otherwise the shade of the
// same hue nearest to it that is: darker on a light background, lighter on a
// dark one, and black or white where no shade reaches the ratio.
unsigned ReadableShade(unsigned colour, unsigned background);

// The colours the window is painted in, as the desktop has them: in a
// high-contrast theme its link colour stands in for the link and hover colours.
struct TextGround {
    unsigned Background;
    std::optional<unsigned> SystemLink;
};

// The colour text the form shows in `foreColor` is painted in on `ground`.
unsigned ShownTextColour(unsigned foreColor, const TextGround& ground);

} // namespace vellumet
