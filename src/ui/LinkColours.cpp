// The contrast of text colours, and the readable shade of a link colour.
#include "LinkColours.h"

#include "Layout.h"

#include <array>
#include <cstdint>
#include <utility>

namespace vellumet {

namespace {

// Each 8-bit sRGB value as linear light in millionths: ((v / 255 + 0.055) /
// 1.055) ^ 2.4, or v / 255 / 12.92 for the darkest values, rounded. A table
// keeps the figures the same on every processor.
constexpr std::array<std::int64_t, 256> LinearLight{
    0,      304,    607,    911,    1214,   1518,   1821,   2125,   2428,   2732,   3035,   3347,   3677,   4025,
    4391,   4777,   5182,   5605,   6049,   6512,   6995,   7499,   8023,   8568,   9134,   9721,   10330,  10960,
    11612,  12286,  12983,  13702,  14444,  15209,  15996,  16807,  17642,  18500,  19382,  20289,  21219,  22174,
    23153,  24158,  25187,  26241,  27321,  28426,  29557,  30713,  31896,  33105,  34340,  35601,  36889,  38204,
    39546,  40915,  42311,  43735,  45186,  46665,  48172,  49707,  51269,  52861,  54480,  56128,  57805,  59511,
    61246,  63010,  64803,  66626,  68478,  70360,  72272,  74214,  76185,  78187,  80220,  82283,  84376,  86500,
    88656,  90842,  93059,  95307,  97587,  99899,  102242, 104616, 107023, 109462, 111932, 114435, 116971, 119538,
    122139, 124772, 127438, 130136, 132868, 135633, 138432, 141263, 144128, 147027, 149960, 152926, 155926, 158961,
    162029, 165132, 168269, 171441, 174647, 177888, 181164, 184475, 187821, 191202, 194618, 198069, 201556, 205079,
    208637, 212231, 215861, 219526, 223228, 226966, 230740, 234551, 238398, 242281, 246201, 250158, 254152, 258183,
    262251, 266356, 270498, 274677, 278894, 283149, 287441, 291771, 296138, 300544, 304987, 309469, 313989, 318547,
    323143, 327778, 332452, 337164, 341914, 346704, 351533, 356400, 361307, 366253, 371238, 376262, 381326, 386429,
    391572, 396755, 401978, 407240, 412543, 417885, 423268, 428690, 434154, 439657, 445201, 450786, 456411, 462077,
    467784, 473531, 479320, 485150, 491021, 496933, 502886, 508881, 514918, 520996, 527115, 533276, 539479, 545724,
    552011, 558340, 564712, 571125, 577580, 584078, 590619, 597202, 603827, 610496, 617207, 623960, 630757, 637597,
    644480, 651406, 658375, 665387, 672443, 679542, 686685, 693872, 701102, 708376, 715694, 723055, 730461, 737910,
    745404, 752942, 760525, 768151, 775822, 783538, 791298, 799103, 806952, 814847, 822786, 830770, 838799, 846873,
    854993, 863157, 871367, 879622, 887923, 896269, 904661, 913099, 921582, 930111, 938686, 947307, 955973, 964686,
    973445, 982251, 991102, 1000000};

// Relative luminance in units of 10^-10: the channels weighted 0.2126, 0.7152
// and 0.0722, in ten-thousandths.
constexpr std::int64_t LuminanceUnit = 10'000'000'000;
// The 0.05 both luminances take for the glare of the screen.
constexpr std::int64_t Glare = LuminanceUnit / 20;

int Channel(unsigned colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

unsigned Colour(int red, int green, int blue)
{
    return static_cast<unsigned>(red) | static_cast<unsigned>(green) << 8 | static_cast<unsigned>(blue) << 16;
}

std::int64_t LuminanceWithGlare(unsigned colour)
{
    return 2126 * LinearLight[Channel(colour, 0)] + 7152 * LinearLight[Channel(colour, 8)] +
           722 * LinearLight[Channel(colour, 16)] + Glare;
}

// A shade of `colour` `step` 255ths of the way to black or to white: each
// channel moves by the same share, which keeps the hue.
unsigned ShadeOf(unsigned colour, int step, bool darker)
{
    const auto moved = [step, darker](int channel) {
        return darker ? channel - (channel * step + 127) / 255 : channel + ((255 - channel) * step + 127) / 255;
    };
    return Colour(moved(Channel(colour, 0)), moved(Channel(colour, 8)), moved(Channel(colour, 16)));
}

constexpr unsigned Black = 0x000000;
constexpr unsigned White = 0xFFFFFF;

} // namespace

int ContrastHundredths(unsigned first, unsigned second)
{
    std::int64_t lighter = LuminanceWithGlare(first);
    std::int64_t darker = LuminanceWithGlare(second);
    if (lighter < darker)
        std::swap(lighter, darker);
    return static_cast<int>((lighter * 200 + darker) / (darker * 2));
}

bool IsReadable(unsigned colour, unsigned background)
{
    std::int64_t lighter = LuminanceWithGlare(colour);
    std::int64_t darker = LuminanceWithGlare(background);
    if (lighter < darker)
        std::swap(lighter, darker);
    // lighter / darker >= 4.5, in whole numbers.
    return lighter * 2 >= darker * 9;
}

unsigned ReadableShade(unsigned colour, unsigned background)
{
    // Black stands out more than white on a light background.
    const bool darker = ContrastHundredths(Black, background) >= ContrastHundredths(White, background);
    for (int step = 0; step <= 255; ++step)
        if (const unsigned shade = ShadeOf(colour, step, darker); IsReadable(shade, background))
            return shade;
    return darker ? Black : White;
}

unsigned ShownTextColour(unsigned foreColor, const TextGround& ground)
{
    const bool link = foreColor == LinkColour || foreColor == HoverColour;
    return ReadableShade(link && ground.SystemLink ? *ground.SystemLink : foreColor, ground.Background);
}

} // namespace vellumet
