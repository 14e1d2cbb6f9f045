#include "about/VersionInfo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace fortuva {
namespace {

const char kTranslation[] = "\\VarFileInfo\\Translation";
const char kJapanese[] = "\\StringFileInfo\\041103A4\\";
const NativePath kExe = u"C:\\Program Files\\Fortuva\\Fortuva.exe";

std::vector<unsigned char> Translations(std::vector<std::pair<unsigned, unsigned>> entries) {
    std::vector<unsigned char> bytes;
    for (auto [language, codePage] : entries) {
        for (unsigned word : {language, codePage}) {
            bytes.push_back(static_cast<unsigned char>(word & 0xFF));
            bytes.push_back(static_cast<unsigned char>(word >> 8));
        }
    }
    return bytes;
}

// Stands in for the version functions. It writes the translation list at the
// very end of the buffer, so reading past the list leaves the buffer, and it
// checks that every lookup is made in the buffer that was read.
class FakeVersionApi : public IVersionApi {
public:
    unsigned long size = 64;
    bool readSucceeds = true;
    std::optional<std::vector<unsigned char>> translation = Translations({{0x0411, 0x03A4}});
    std::map<std::string, std::string> strings = {
        {std::string(kJapanese) + "FileVersion", "1.23.0.0"},
        {std::string(kJapanese) + "ProductName", "Fortuva"},
        {std::string(kJapanese) + "ProductVersion", "1.23"},
        {std::string(kJapanese) + "Comments", ""},
    };
    bool throwOnString = false;

    std::vector<std::string> calls;

    unsigned long InfoSize(const NativePath& path) override {
        calls.push_back("size");
        EXPECT_EQ(path, kExe);
        return size;
    }

    bool ReadInfo(const NativePath& path, unsigned long bytes, void* buffer) override {
        calls.push_back("read");
        EXPECT_EQ(path, kExe);
        EXPECT_EQ(bytes, size);
        read_ = buffer;
        std::memset(buffer, 0xCD, bytes);
        if (translation && !translation->empty()) {
            std::memcpy(static_cast<unsigned char*>(buffer) + bytes - translation->size(),
                        translation->data(), translation->size());
        }
        return readSucceeds;
    }

    bool QueryValue(const void* buffer, const std::string& subBlock,
                    const void** value, unsigned* length) override {
        calls.push_back("value " + subBlock);
        EXPECT_EQ(buffer, read_);
        if (subBlock != kTranslation || !translation) return false;
        *value = static_cast<const unsigned char*>(buffer) + size - translation->size();
        *length = static_cast<unsigned>(translation->size());
        return true;
    }

    bool QueryString(const void* buffer, const std::string& subBlock, std::string* text) override {
        calls.push_back("string " + subBlock);
        EXPECT_EQ(buffer, read_);
        if (throwOnString) throw std::runtime_error("lookup failed");
        auto it = strings.find(subBlock);
        if (it == strings.end()) return false;
        *text = it->second;
        return true;
    }

private:
    const void* read_ = nullptr;
};

TEST(GetVersionString, ReadsTheValuesOfTheProgramsOwnResource) {
    FakeVersionApi api;
    EXPECT_EQ(GetVersionString(api, kExe, "ProductName"), "Fortuva");
    EXPECT_EQ(api.calls, (std::vector<std::string>{
                             "size", "read", std::string("value ") + kTranslation,
                             std::string("string ") + kJapanese + "ProductName"}));

    EXPECT_EQ(GetVersionString(api, kExe, "ProductVersion"), "1.23");
    EXPECT_EQ(GetVersionString(api, kExe, "FileVersion"), "1.23.0.0");
    EXPECT_EQ(GetVersionString(api, kExe, "Comments"), "");
    EXPECT_EQ(GetVersionString(api, kExe, "SpecialBuild"), "UnKnown");
}

TEST(GetVersionString, GivesEmptyTextWhenNoStringTableCanBeNamed) {
    struct Case {
        const char* name;
        NativePath path;
        void (*setUp)(FakeVersionApi&);
        std::vector<std::string> calls;
    };
    const std::string size = "size", read = "read", list = std::string("value ") + kTranslation;
    const Case cases[] = {
        {"empty path", u"", [](FakeVersionApi&) {}, {}},
        {"no version information", kExe, [](FakeVersionApi& a) { a.size = 0; }, {size}},
        {"read fails", kExe, [](FakeVersionApi& a) { a.readSucceeds = false; }, {size, read}},
        {"no translation list", kExe, [](FakeVersionApi& a) { a.translation.reset(); },
         {size, read, list}},
        {"empty translation list", kExe, [](FakeVersionApi& a) { a.translation.emplace(); },
         {size, read, list}},
        {"list shorter than one entry", kExe,
         [](FakeVersionApi& a) { a.translation = std::vector<unsigned char>{0x11, 0x04}; },
         {size, read, list}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeVersionApi api;
        c.setUp(api);
        EXPECT_EQ(GetVersionString(api, c.path, "ProductName"), "");
        EXPECT_EQ(api.calls, c.calls);
    }
}

TEST(GetVersionString, SearchesOnlyTheTableOfTheFirstTranslation) {
    FakeVersionApi api;
    api.translation = Translations({{0x0409, 0x04B0}, {0x0411, 0x03A4}});
    EXPECT_EQ(GetVersionString(api, kExe, "ProductName"), "UnKnown");
    EXPECT_EQ(api.calls.back(), "string \\StringFileInfo\\040904B0\\ProductName");

    api.translation = Translations({{0x0411, 0x03A4}, {0x0409, 0x04B0}});
    EXPECT_EQ(GetVersionString(api, kExe, "ProductName"), "Fortuva");
}

TEST(GetVersionString, TableOnlyForAnotherLanguageGivesUnknownForEveryKey) {
    FakeVersionApi api;
    api.strings = {{"\\StringFileInfo\\040904B0\\ProductName", "Fortuva"},
                   {"\\StringFileInfo\\040904B0\\Comments", ""}};
    EXPECT_EQ(GetVersionString(api, kExe, "ProductName"), "UnKnown");
    EXPECT_EQ(GetVersionString(api, kExe, "Comments"), "UnKnown");
}

TEST(GetVersionString, NamesTheTableInUpperCaseHexWithLeadingZeros) {
    FakeVersionApi api;
    api.translation = Translations({{0x000a, 0xfde9}});
    GetVersionString(api, kExe, "ProductName");
    EXPECT_EQ(api.calls.back(), "string \\StringFileInfo\\000AFDE9\\ProductName");
}

TEST(GetVersionString, TakesAKeyWithPercentAsItStands) {
    FakeVersionApi api;
    const std::string key = "100%s%n%4.4x";
    api.strings[kJapanese + key] = "kept";
    EXPECT_EQ(GetVersionString(api, kExe, key), "kept");
    EXPECT_EQ(api.calls.back(), "string " + std::string(kJapanese) + key);
}

TEST(GetVersionString, PassesALookupFailureOn) {
    FakeVersionApi api;
    api.throwOnString = true;
    EXPECT_THROW(GetVersionString(api, kExe, "ProductName"), std::runtime_error);
}

}  // namespace
}  // namespace fortuva
