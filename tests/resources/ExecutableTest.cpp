// Checks the built Fortuva.exe itself: what the resource compiler and the
// linker put in is what the program looks up at run time (voice clips by
// name and language, the version strings of the about panel, the icons),
// and the image is hardened and pulls in no DLL that could be planted
// beside it. The path comes from FORTUVA_EXE, set by the test script.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/MainLayout.h"
#include "tests/support/PeFile.h"

namespace fortuva::test {
namespace {

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::string Source(const std::string& relative) { return std::string(FORTUVA_SOURCE_DIR) + "/" + relative; }

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

class Executable : public ::testing::Test {
protected:
    void SetUp() override {
        const char* path = std::getenv("FORTUVA_EXE");
        if (path == nullptr || *path == '\0')
            GTEST_SKIP() << "FORTUVA_EXE is not set; point it at the cross-built Fortuva.exe to check it";
        try {
            raw_ = ReadFile(path);
            exe_.emplace(raw_);
        } catch (const std::exception& e) {
            FAIL() << path << ": " << e.what();
        }
    }

    // Every image of an icon group, as the loader would pick among them.
    void GroupImages(const std::string& group, std::vector<std::pair<GroupIconEntry, IconImage>>* out) {
        const auto found = exe_->Find(ResId::Id(rt::GroupIcon), ResId::Name(group));
        ASSERT_EQ(found.size(), 1u) << group;
        for (const GroupIconEntry& e : DecodeGroupIcon(exe_->Bytes(found[0]))) {
            SCOPED_TRACE(group + " icon " + std::to_string(e.id));
            const auto icon = exe_->Find(ResId::Id(rt::Icon), ResId::Id(e.id));
            ASSERT_EQ(icon.size(), 1u);
            EXPECT_EQ(icon[0].size, e.bytes);
            const IconImage image = DecodeIconImage(exe_->Bytes(icon[0]));
            EXPECT_EQ(image.width, e.width);
            EXPECT_EQ(image.height, image.png ? e.height : 2 * e.height);
            if (!image.png) {
                EXPECT_EQ(image.bitCount, e.bitCount);
            }
            out->emplace_back(e, image);
        }
        ASSERT_FALSE(out->empty()) << group;
    }

    std::vector<unsigned char> raw_;
    std::optional<PeFile> exe_;
};

TEST_F(Executable, CarriesTheVoiceClipsByteForByteInJapanese) {
    for (int n = 0; n < 5; ++n) {
        const std::string name = "LUSEMI" + std::to_string(n);
        SCOPED_TRACE(name);
        const auto found = exe_->Find(ResId::Id(rt::RcData), ResId::Name(name));
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].language, 1041);
        const auto wav = ReadFile(Source("resources/voice/clip" + std::to_string(n) + ".wav"));
        const auto embedded = exe_->Bytes(found[0]);
        EXPECT_EQ(embedded.size(), wav.size());
        EXPECT_TRUE(embedded == wav);
    }
}

TEST_F(Executable, VersionResourceHoldsWhatTheAboutPanelShows) {
    const auto versions = exe_->OfType(ResId::Id(rt::Version));
    ASSERT_EQ(versions.size(), 1u);
    const VersionInfo v = DecodeVersionInfo(exe_->Bytes(versions[0]));

    EXPECT_EQ(v.fileVersionMS, 0x00010017u);  // 1.23
    EXPECT_EQ(v.fileVersionLS, 0u);
    EXPECT_EQ(v.productVersionMS, 0x00010017u);
    EXPECT_EQ(v.productVersionLS, 0u);
    EXPECT_EQ(v.fileFlagsMask, 0x3Fu);
    EXPECT_EQ(v.fileFlags, 0u);
    EXPECT_EQ(v.fileOS, 4u);    // 32-bit Windows
    EXPECT_EQ(v.fileType, 1u);  // application
    EXPECT_EQ(v.fileSubtype, 0u);

    // Japanese in code page 932, and the one string table is the one it names.
    EXPECT_EQ(v.translations, std::vector<std::uint32_t>{0x03A40411u});
    ASSERT_EQ(v.strings.size(), 1u);
    ASSERT_EQ(v.strings.begin()->first, u"041103A4");
    const auto& table = v.strings.begin()->second;
    auto value = [&](const std::u16string& key) {
        const auto it = table.find(key);
        return it == table.end() ? u"(missing)" : it->second;
    };
    EXPECT_EQ(value(u"FileVersion"), u"1.23.0.0");
    EXPECT_EQ(value(u"ProductName"), u"Fortuva");
    EXPECT_EQ(value(u"ProductVersion"), u"1.23");
    EXPECT_EQ(value(u"Comments"), u"");
}

TEST_F(Executable, IconGroupsHoldTheSizesTheWindowUses) {
    std::vector<std::pair<GroupIconEntry, IconImage>> main, open, about;
    ASSERT_NO_FATAL_FAILURE(GroupImages("MAINICON", &main));
    ASSERT_NO_FATAL_FAILURE(GroupImages("OPENGLYPH", &open));
    ASSERT_NO_FATAL_FAILURE(GroupImages("ABOUTGLYPH", &about));

    // A bitmap's height covers its mask too; bits asks for a bitmap of that depth.
    auto has = [](const auto& images, int size, std::optional<int> bits) {
        for (const auto& [entry, image] : images)
            if (image.width == size && image.height == (image.png ? size : 2 * size) &&
                (!bits || (!image.png && image.bitCount == *bits)))
                return true;
        return false;
    };
    EXPECT_TRUE(has(main, 32, 8)) << "MAINICON lacks a 32x32 image with 256 colours";
    // Every size the program asks for at every scale Windows offers, drawn
    // for that size rather than stretched by the loader: the big and the
    // small window icon and the about panel's image; the tool buttons' glyphs.
    for (int scale : kOfferedScales) {
        SCOPED_TRACE(std::to_string(scale) + " %");
        const ImageSizes sizes = ImageSizesAt(DpiOfScale(scale));
        for (int size : {sizes.bigIcon, sizes.smallIcon, sizes.aboutImage})
            EXPECT_TRUE(has(main, size, std::nullopt)) << "MAINICON lacks a " << size << "x" << size << " image";
        const int glyph = sizes.glyph;
        EXPECT_TRUE(has(open, glyph, std::nullopt)) << "OPENGLYPH lacks a " << glyph << "x" << glyph << " image";
        EXPECT_TRUE(has(about, glyph, std::nullopt)) << "ABOUTGLYPH lacks a " << glyph << "x" << glyph << " image";
    }
}

TEST_F(Executable, ManifestAsksForDpiAwarenessAndCommonControls6) {
    const auto manifests = exe_->OfType(ResId::Id(rt::Manifest));
    ASSERT_EQ(manifests.size(), 1u);
    EXPECT_TRUE(manifests[0].name.Matches(ResId::Id(1)));
    const auto bytes = exe_->Bytes(manifests[0]);
    const std::string xml(bytes.begin(), bytes.end());
    const auto source = ReadFile(FORTUVA_MANIFEST);
    EXPECT_EQ(xml, std::string(source.begin(), source.end()));

    // Sharp on every monitor from Windows 10 on, at the system's resolution
    // before, where only the older setting is read.
    auto value = [&](const std::string& element) {
        const auto open = xml.find("<" + element + " ");
        if (open == std::string::npos) return std::string("(missing)");
        const auto start = xml.find('>', open) + 1;
        return xml.substr(start, xml.find('<', start) - start);
    };
    EXPECT_EQ(value("dpiAware"), "true");
    EXPECT_EQ(value("dpiAwareness"), "PerMonitorV2, System");
    bool commonControls = false;
    for (auto at = xml.find("<assemblyIdentity"); at != std::string::npos; at = xml.find("<assemblyIdentity", at + 1)) {
        const std::string tag = xml.substr(at, xml.find('>', at) - at);
        auto has = [&](const char* attribute) { return tag.find(attribute) != std::string::npos; };
        commonControls |= has(R"(name="Microsoft.Windows.Common-Controls")") && has(R"(version="6.0.0.0")") &&
                          (has(R"(processorArchitecture="x86")") || has(R"(processorArchitecture="*")"));
    }
    EXPECT_TRUE(commonControls) << "no dependency on Common-Controls 6.0.0.0 for x86";
}

TEST_F(Executable, IsA32BitGuiProgramWithAslrAndDep) {
    EXPECT_EQ(exe_->Machine(), 0x14C);
    EXPECT_EQ(exe_->Subsystem(), 2);
    EXPECT_TRUE(exe_->DllCharacteristics() & 0x40) << "no DYNAMIC_BASE";
    EXPECT_TRUE(exe_->DllCharacteristics() & 0x100) << "no NX_COMPAT";
    if (exe_->Machine() == 0x14C) {
        EXPECT_TRUE(exe_->Characteristics() & 0x0020) << "not LARGE_ADDRESS_AWARE: 2 GB of address space only";
    }
    // Without its relocations the image cannot be moved, whatever the flag says.
    EXPECT_FALSE(exe_->Characteristics() & 0x0001) << "relocations stripped";
    EXPECT_GT(exe_->DataDirectory(5).size, 0u) << "no base relocations";
}

// Only DLLs the system always takes from its own folder may be imported; any
// other (the mingw runtime, winmm, version, comctl32) is searched for beside
// the program first, so a planted copy would run. A delay-loaded DLL is
// searched for the same way, so those count too.
TEST_F(Executable, ImportsOnlyKnownSystemDlls) {
    static const std::set<std::string> known = {
        "advapi32.dll", "comdlg32.dll", "gdi32.dll",   "imm32.dll",  "kernel32.dll", "msvcrt.dll",
        "ntdll.dll",    "ole32.dll",    "oleaut32.dll", "rpcrt4.dll", "shell32.dll",  "shlwapi.dll",
        "user32.dll",   "ws2_32.dll"};
    std::string all, foreign;
    auto check = [&](const std::vector<std::string>& dlls, const char* how) {
        for (const std::string& dll : dlls) {
            all += " " + dll + how;
            if (known.count(Lower(dll)) == 0) foreign += " " + dll + how;
        }
    };
    check(exe_->Imports(), "");
    check(exe_->DelayImports(), " (delay-loaded)");
    EXPECT_FALSE(all.empty());
    EXPECT_TRUE(foreign.empty()) << "not a known system DLL:" << foreign << "\nall imports:" << all;
}

// Windows refuses to start a program that imports a function its DLLs lack,
// and the headers offer some functions for Windows 7 (the target) that only
// a later update or version has. These are the ones such code or the
// run-time might pull in; each must be looked up at run time instead.
TEST_F(Executable, ImportsNothingThatWindows7Sp1Lacks) {
    static const std::set<std::string> newer = {
        // kernel32, Windows 7 only with its 2011 loader update (KB2533623)
        "adddlldirectory", "removedlldirectory", "setdefaultdlldirectories",
        // kernel32, Windows 8 and later
        "copyfile2", "createfile2", "getcurrentthreadstacklimits", "getoverlappedresultex",
        "getprocessmitigationpolicy", "getsystemtimepreciseasfiletime", "prefetchvirtualmemory",
        "setprocessmitigationpolicy",
        // kernel32, Windows 10
        "getthreaddescription", "setthreaddescription",
        // user32, Windows 8 and later
        "enablemouseinpointer", "getpointerinfo", "getpointertype",
        // user32, Windows 10
        "adjustwindowrectexfordpi", "enablenonclientdpiscaling", "getdpiforsystem", "getdpiforwindow",
        "getsystemmetricsfordpi", "setprocessdpiawarenesscontext", "setthreaddpiawarenesscontext",
        "systemparametersinfofordpi"};
    std::string found;
    for (const std::string& import : exe_->ImportedFunctions())
        if (newer.count(Lower(import.substr(import.find('!') + 1)))) found += " " + import;
    EXPECT_FALSE(exe_->ImportedFunctions().empty());
    EXPECT_TRUE(found.empty()) << "imported, but missing from Windows 7 SP1 as installed:" << found;
}

// A broken build must fail these checks with a message, not crash the run.
TEST_F(Executable, CutOffDataIsRejected) {
    const auto version = exe_->Bytes(exe_->OfType(ResId::Id(rt::Version)).at(0));
    const auto group = exe_->Bytes(exe_->Find(ResId::Id(rt::GroupIcon), ResId::Name("MAINICON")).at(0));
    const std::size_t inVersion =
        static_cast<std::size_t>(std::search(raw_.begin(), raw_.end(), version.begin(), version.end()) - raw_.begin()) + 8;
    for (std::size_t cut : {std::size_t{0}, std::size_t{0x3F}, std::size_t{0x100}, inVersion}) {
        const std::vector<unsigned char> part(raw_.begin(), raw_.begin() + std::min(cut, raw_.size()));
        EXPECT_THROW(PeFile{part}, std::runtime_error) << "cut at " << cut;
    }
    for (std::size_t cut = 0; cut < version.size(); ++cut)
        EXPECT_THROW(DecodeVersionInfo({version.begin(), version.begin() + cut}), std::runtime_error) << cut;
    for (std::size_t cut = 0; cut < group.size(); ++cut)
        EXPECT_THROW(DecodeGroupIcon({group.begin(), group.begin() + cut}), std::runtime_error) << cut;
}

}  // namespace
}  // namespace fortuva::test
