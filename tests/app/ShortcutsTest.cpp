#include <gtest/gtest.h>

#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

// Escape belongs to the about panel only while it is shown; otherwise the
// focused control gets it, as it gets every key the form does not take.
TEST(Shortcuts, EscapeIsTheFocusedControlsWhileThePanelIsHidden) {
    FormFixture f;
    EXPECT_FALSE(f.form->FormShortcut(TKey::Escape, 0));
    f.panel2.visible = true;
    EXPECT_TRUE(f.form->FormShortcut(TKey::Escape, 0));
    EXPECT_FALSE(f.panel2.visible);
}

}  // namespace
}  // namespace fortuva::test
