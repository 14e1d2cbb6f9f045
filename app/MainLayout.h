// The main window described as data, the way a resource script describes a
// dialog: one row per control, in creation order, which is also the order
// of the Tab key. The window layer turns each kind into a window class and
// styles; everything a user can see or be told is here.
#pragma once

#include <cstddef>
#include <string>

#include "check/PrizeCheck.h"

namespace fortuva {

enum class ControlKind {
    Label,        // static text, sized to its text
    ToolButton,   // flat button with a 16 x 16 glyph; never takes the focus
    Edit,         // single-line edit, disabled until a file is taken
    GroupBox,     // framed group around the slots of one prize class
    Frame,        // etched frame, beneath what it frames
    ResultLabel,  // bold, centred both ways, word-wrapped, "&" shown as is
    CheckBox,
    Panel,        // the about panel: hidden, laid over the window when shown
    PushButton,   // the default button while its panel is shown
    Image,        // the program's main icon
    Link,         // hover-lit link label
    Notice,       // word-wrapped text
};

// What sets a control apart from others of its kind.
enum ControlTrait : unsigned {
    kTakesNoInputMethod = 1u << 0,  // typed digits reach it as typed, whatever the input method's state
    kSizedToEachCaption = 1u << 1,  // takes the size of every new caption
    kRedText = 1u << 2,             // written in pure red, whatever the colour scheme
};

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent;  // nullptr: the main window
    int id;
    // Pixels at 96 dots per inch, in the parent's client area; a label's
    // size follows its text.
    int left, top, width, height;
    const char* text;
    const char* hint;      // shown as a tool tip; nullptr: none
    bool tabStop;
    const char* resource;  // the glyph's or the image's icon; nullptr: none
    int tag;               // tells the two authors' links apart
    unsigned traits = 0;   // ControlTrait flags
};

extern const ControlRow kMainLayout[];
extern const std::size_t kMainLayoutSize;

// The client area with the about panel hidden.
constexpr int kClientWidth = 377;
constexpr int kClientHeight = 177;

// "ＭＳ Ｐゴシック" at 12 pixels; the whole layout scales with it.
extern const char kFontFace[];
constexpr int kFontPixels = 12;

// The tool buttons' glyphs and the about panel's image of the main icon,
// in pixels at 96 dots per inch.
constexpr int kGlyphPixels = 16;
constexpr int kAboutIconPixels = 32;

// The layout on a screen of the given dots per inch: the font's pixel
// height follows the resolution, and every length of the layout follows
// the font.
int FontPixelsAt(int dpi);
int ScaledAt(int pixels, int dpi);

struct Bounds {
    int left, top, width, height;
};

// Where the control stands in its parent at that resolution.
Bounds BoundsAt(const ControlRow& row, int dpi);

// The display scales Windows 10 and 11 offer, in percent, and the dots per
// inch of each: 96 at 100 %.
constexpr int kOfferedScales[] = {100, 125, 150, 175, 200, 225, 250, 300, 350};
constexpr int DpiOfScale(int percent) { return percent * 96 / 100; }

// The size in pixels of every image the program asks for at a resolution;
// each icon holds one drawn for every size asked at an offered scale, as
// the loader otherwise stretches the next smaller one.
struct ImageSizes {
    int bigIcon;     // the window's big icon (the task switcher)
    int smallIcon;   // the window's small icon (its caption)
    int glyph;       // a tool button's glyph, which follows the layout
    int aboutImage;  // the about panel's main icon, which follows the layout
};
ImageSizes ImageSizesAt(int dpi);

// The name a screen reader gives a winning-number slot, which no label
// beside it names: its prize class and its place in the class ("一等 1";
// "二等" for a class of one).
std::string SlotAccessibleName(std::size_t slot);

// The blinking slot's timer.
constexpr unsigned kTimerIntervalMs = 500;

}  // namespace fortuva
