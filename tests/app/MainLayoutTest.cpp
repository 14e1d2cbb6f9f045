#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "app/ControlIds.h"
#include "app/MainLayout.h"
#include "app/MainTexts.h"

namespace fortuva {
namespace {

const ControlRow* Row(const std::string& name) {
    for (std::size_t i = 0; i < kMainLayoutSize; ++i)
        if (name == kMainLayout[i].name) return &kMainLayout[i];
    return nullptr;
}

bool Inside(const ControlRow& inner, const ControlRow& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width && inner.top + inner.height <= outer.top + outer.height;
}

// Each slot is the control the loader fills by name, in the frame of the
// class the check compares it for, so that a slot moved in the table is the
// one the user reads under the right caption.
TEST(MainLayout, EverySlotSitsInTheFrameOfItsPrizeClass) {
    for (const PrizeClass& prizeClass : kCheckOrder) {
        const ControlRow* frame = Row("GroupBox" + std::to_string(prizeClass.prize + 1));
        ASSERT_NE(frame, nullptr);
        EXPECT_STREQ(frame->text, kPrizeCaptions[prizeClass.prize]);
        EXPECT_EQ(frame->id, ids::GroupBoxId(prizeClass.prize));
        for (std::size_t slot = prizeClass.slots.first; slot <= prizeClass.slots.last; ++slot) {
            const ControlRow* edit = Row(SlotControlName(slot));
            ASSERT_NE(edit, nullptr) << "slot " << slot;
            EXPECT_EQ(edit->kind, ControlKind::Edit) << edit->name;
            EXPECT_EQ(edit->id, ids::SlotId(slot)) << edit->name;
            EXPECT_TRUE(Inside(*edit, *frame)) << edit->name << " outside " << frame->name;
        }
    }
}

TEST(MainLayout, NamesAndIdsAreUniqueAndTheBlinkTicksEvery500Ms) {
    std::set<std::string> names;
    std::set<int> idList;
    for (std::size_t i = 0; i < kMainLayoutSize; ++i) {
        EXPECT_TRUE(names.insert(kMainLayout[i].name).second) << kMainLayout[i].name;
        EXPECT_TRUE(idList.insert(kMainLayout[i].id).second) << kMainLayout[i].name;
    }
    EXPECT_EQ(kTimerIntervalMs, 500u);
}

// On a screen of another resolution the font's pixel height follows it,
// rounded to whole pixels, and every length follows the font, so that the
// texts keep fitting their boxes.
TEST(MainLayout, AtAnotherResolutionEveryLengthGrowsWithTheFontsPixelHeight) {
    const ControlRow* edit1 = Row("Edit1");
    ASSERT_NE(edit1, nullptr);
    const Bounds at96 = BoundsAt(*edit1, 96);
    EXPECT_EQ((std::array<int, 4>{at96.left, at96.top, at96.width, at96.height}), (std::array<int, 4>{8, 24, 129, 20}));
    const Bounds at144 = BoundsAt(*edit1, 144);
    EXPECT_EQ((std::array<int, 4>{at144.left, at144.top, at144.width, at144.height}),
              (std::array<int, 4>{12, 36, 194, 30}));
    EXPECT_EQ(FontPixelsAt(144), 18);
    EXPECT_EQ(ScaledAt(kClientWidth, 144), 566);
    EXPECT_EQ(ScaledAt(kGlyphPixels, 120), 20);
    // At 110 dots per inch the font is 14 pixels high, not 13.75.
    EXPECT_EQ(FontPixelsAt(110), 14);
    EXPECT_EQ(ScaledAt(kClientWidth, 110), 440);
}

// The window's icons are the sizes Windows takes for a window's icons at
// each scale it offers, 16 and 32 pixels at 100 % growing with the scale;
// the check of the built executable asks the icon files for them.
TEST(MainLayout, WindowIconsAreTheSystemsIconSizesAtEveryOfferedScale) {
    const std::array<std::array<int, 3>, 9> windows{{{100, 16, 32},
                                                     {125, 20, 40},
                                                     {150, 24, 48},
                                                     {175, 28, 56},
                                                     {200, 32, 64},
                                                     {225, 36, 72},
                                                     {250, 40, 80},
                                                     {300, 48, 96},
                                                     {350, 56, 112}}};
    ASSERT_EQ(std::size(kOfferedScales), windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const auto [scale, small, big] = windows[i];
        EXPECT_EQ(kOfferedScales[i], scale);
        const ImageSizes sizes = ImageSizesAt(DpiOfScale(scale));
        EXPECT_EQ((std::array<int, 2>{sizes.smallIcon, sizes.bigIcon}), (std::array<int, 2>{small, big})) << scale << " %";
    }
}

}  // namespace
}  // namespace fortuva
