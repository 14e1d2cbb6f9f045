#include <gtest/gtest.h>

#include "base/Errors.h"
#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

class VoiceTest : public ::testing::Test {
protected:
    VoiceTest() { f.FillSlots({"100", "200", "300", "400", "500", "601", "702", "810"}); }
    void Enter(const std::string& entry) {
        f.journal.clear();
        f.Type(entry);
    }
    FormFixture f;
    const NativePath folder = u"C:\\Program Files\\Fortuva\\";
};

TEST_F(VoiceTest, OverrideFileInTheProgramFolderWinsForItsClipOnly) {
    f.files.files[folder + u"4.wav"] = "RIFF";
    f.files.files[u"4.wav"] = "RIFF";  // the working directory is never looked at
    Enter("10");
    EXPECT_EQ(f.Events({"play"}), Journal{"play file C:\\Program Files\\Fortuva\\4.wav"});
    Enter("00");
    EXPECT_EQ(f.Events({"play"}), (Journal{"play LUSEMI3", "play LUSEMI2", "play LUSEMI1"}));
}

TEST_F(VoiceTest, OverrideLookedUpAfreshEachTime) {
    f.Type("99");
    f.files.files[folder + u"0.wav"] = "RIFF";
    f.Type("98");
    f.files.files.erase(folder + u"0.wav");
    f.Type("97");
    EXPECT_EQ(f.Events({"play"}),
              (Journal{"play LUSEMI0", "play file C:\\Program Files\\Fortuva\\0.wav", "play LUSEMI0"}));
}

TEST_F(VoiceTest, MissingEmbeddedClipEndsTheCheck) {
    f.sound.missing = "LUSEMI3";
    f.checkBox1.checked = false;
    f.journal.clear();
    try {
        f.Type("00");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "LUSEMI3 リソースが見つかりません");
    }
    // Label and timer were set before the clip; no dialog and no clearing after it.
    EXPECT_TRUE(f.timer.enabled);
    EXPECT_TRUE(f.Events({"dialog"}).empty());
    EXPECT_EQ(f.edit1.text, "00");
}

}  // namespace
}  // namespace fortuva::test
