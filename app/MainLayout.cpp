#include "app/MainLayout.h"

#include "about/AboutTexts.h"
#include "app/ControlIds.h"
#include "app/MainTexts.h"
#include "resources/ResourceNames.h"

namespace fortuva {

namespace {
using K = ControlKind;
constexpr const char* kPanel = "Panel2";
}  // namespace

const char kFontFace[] = "ＭＳ Ｐゴシック";

const ControlRow kMainLayout[] = {
    // name        kind           parent  id                 left top  w    h    text                 hint         tab    resource
    {"Label1",       K::Label,      nullptr, ids::Label1,       8,   8,   124, 12,  kPrompt,             nullptr,     false, nullptr, 0},
    {"SpeedButton1", K::ToolButton, nullptr, ids::SpeedButton1, 112, 48,  23,  22,  kOpenHint,           kOpenHint,   false, ResourceName(RES_OPEN_GLYPH), 0},
    {"SpeedButton2", K::ToolButton, nullptr, ids::SpeedButton2, 8,   48,  23,  22,  kAboutHint,          kAboutHint,  false, ResourceName(RES_ABOUT_GLYPH), 0},
    {"Edit1",        K::Edit,       nullptr, ids::Edit1,        8,   24,  129, 20,  "",                  nullptr,     true,  nullptr, 0, kTakesNoInputMethod},
    {"GroupBox1",    K::GroupBox,   nullptr, ids::GroupBoxId(0), 144, 0,  113, 73,  kPrizeCaptions[0],   nullptr,     false, nullptr, 0},
    {"Edit2",        K::Edit,       nullptr, ids::SlotId(0),    160, 16,  89,  20,  "",                  nullptr,     true,  nullptr, 0},
    {"Edit3",        K::Edit,       nullptr, ids::SlotId(1),    160, 40,  89,  20,  "",                  nullptr,     true,  nullptr, 0},
    {"GroupBox2",    K::GroupBox,   nullptr, ids::GroupBoxId(1), 264, 0,  113, 73,  kPrizeCaptions[1],   nullptr,     false, nullptr, 0},
    {"Edit4",        K::Edit,       nullptr, ids::SlotId(2),    280, 16,  89,  20,  "",                  nullptr,     true,  nullptr, 0},
    {"GroupBox3",    K::GroupBox,   nullptr, ids::GroupBoxId(2), 144, 80, 113, 73,  kPrizeCaptions[2],   nullptr,     false, nullptr, 0},
    {"Edit5",        K::Edit,       nullptr, ids::SlotId(3),    160, 96,  89,  20,  "",                  nullptr,     true,  nullptr, 0},
    {"Edit6",        K::Edit,       nullptr, ids::SlotId(4),    160, 120, 89,  20,  "",                  nullptr,     true,  nullptr, 0},
    {"GroupBox4",    K::GroupBox,   nullptr, ids::GroupBoxId(3), 264, 80, 113, 97,  kPrizeCaptions[3],   nullptr,     false, nullptr, 0},
    {"Edit7",        K::Edit,       nullptr, ids::SlotId(5),    280, 96,  89,  20,  "",                  nullptr,     true,  nullptr, 0},
    {"Edit8",        K::Edit,       nullptr, ids::SlotId(6),    280, 120, 89,  20,  "",                  nullptr,     true,  nullptr, 0},
    {"Edit9",        K::Edit,       nullptr, ids::SlotId(7),    280, 144, 89,  20,  "",                  nullptr,     true,  nullptr, 0},
    {"Panel1",       K::Frame,      nullptr, ids::Panel1,       0,   72,  137, 81,  "",                  nullptr,     false, nullptr, 0},
    {"Label2",       K::ResultLabel, nullptr, ids::Label2,      2,   74,  133, 77,  "",                  kResultHint, false, nullptr, 0},
    {"CheckBox1",    K::CheckBox,   nullptr, ids::CheckBox1,    0,   160, 153, 17,  kNoConfirmation,     nullptr,     true,  nullptr, 0},
    {"Panel2",       K::Panel,      nullptr, ids::Panel2,       0,   192, 377, 169, "",                  nullptr,     false, nullptr, 0},
    // The about panel.
    {"Icon",         K::Image,      kPanel,  ids::Icon,         8,   8,   kAboutIconPixels, kAboutIconPixels, "", nullptr, false, ResourceName(RES_MAIN_ICON), 0},
    {"L01",          K::Label,      kPanel,  ids::L01,          48,  16,  0,   0,   kProductPlaceholder, nullptr,     false, nullptr, 0, kSizedToEachCaption},
    {"Label6",       K::Label,      kPanel,  ids::Label6,       48,  32,  0,   0,   kCredits,            nullptr,     false, nullptr, 0},
    {"Button2",      K::PushButton, kPanel,  ids::Button2,      296, 32,  75,  25,  kCloseButton,        nullptr,     true,  nullptr, 0},
    {"Bevel1",       K::Frame,      kPanel,  ids::Bevel1,       0,   62,  201, 43,  "",                  nullptr,     false, nullptr, 0},
    {"Label4",       K::Label,      kPanel,  ids::Label4,       8,   56,  0,   0,   kSystemAuthor.Title, nullptr,     false, nullptr, 0},
    {"LMail",        K::Link,       kPanel,  ids::LMail,        16,  72,  0,   0,   "LMail",             nullptr,     false, nullptr, 0},
    {"LURL",         K::Link,       kPanel,  ids::LURL,         16,  88,  0,   0,   "LURL",              nullptr,     false, nullptr, 0},
    {"Bevel2",       K::Frame,      kPanel,  ids::Bevel2,       0,   118, 201, 43,  "",                  nullptr,     false, nullptr, 0},
    {"Label5",       K::Label,      kPanel,  ids::Label5,       8,   112, 0,   0,   kVoiceAuthor.Title,  nullptr,     false, nullptr, 0},
    {"LMail1",       K::Link,       kPanel,  ids::LMail1,       16,  128, 0,   0,   "LMail",             nullptr,     false, nullptr, 1},
    {"LURL1",        K::Link,       kPanel,  ids::LURL1,        16,  144, 0,   0,   "LURL",              nullptr,     false, nullptr, 1},
    {"Bevel3",       K::Frame,      kPanel,  ids::Bevel3,       208, 62,  169, 107, "",                  nullptr,     false, nullptr, 0},
    {"Label7",       K::Notice,     kPanel,  ids::Label7,       216, 72,  153, 89,  kRedistributionNotice, nullptr,   false, nullptr, 0, kRedText},
};

const std::size_t kMainLayoutSize = sizeof(kMainLayout) / sizeof(kMainLayout[0]);

namespace {
// a * b / c, rounded half away from zero, as the platform rounds lengths.
int MulDivRounded(int a, int b, int c) { return static_cast<int>((2LL * a * b + c) / (2LL * c)); }
}  // namespace

int FontPixelsAt(int dpi) { return MulDivRounded(kFontPixels, dpi, 96); }

int ScaledAt(int pixels, int dpi) { return MulDivRounded(pixels, FontPixelsAt(dpi), kFontPixels); }

Bounds BoundsAt(const ControlRow& row, int dpi) {
    return {ScaledAt(row.left, dpi), ScaledAt(row.top, dpi), ScaledAt(row.width, dpi), ScaledAt(row.height, dpi)};
}

ImageSizes ImageSizesAt(int dpi) {
    // The window's icons are the system's icon sizes at that resolution:
    // 32 and 16 pixels at 96 dots per inch, grown with it, as
    // GetSystemMetricsForDpi answers for SM_CXICON and SM_CXSMICON (and
    // GetSystemMetrics at the system's resolution, where the window
    // classes' icons are taken before any window has one). At every
    // offered scale they are whole pixels.
    return {MulDivRounded(32, dpi, 96), MulDivRounded(16, dpi, 96), ScaledAt(kGlyphPixels, dpi),
            ScaledAt(kAboutIconPixels, dpi)};
}

std::string SlotAccessibleName(std::size_t slot) {
    for (const PrizeClass& prizeClass : kCheckOrder)
        if (slot >= prizeClass.slots.first && slot <= prizeClass.slots.last)
            return SlotName(prizeClass, slot, kPrizeCaptions[prizeClass.prize]);
    return {};
}

}  // namespace fortuva
