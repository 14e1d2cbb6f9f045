// A small read-only reader of 32-bit Windows executables, so the native tests
// can check what the cross build put into Fortuva.exe: headers, imported
// DLLs, resources, the version block and icon groups. Everything it reads
// is bounds-checked; a malformed or truncated image throws
// std::runtime_error instead of reading past the end.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fortuva::test {

// A resource type, name or language: a number, or a UTF-16 string (which
// the resource compiler stores in upper case).
struct ResId {
    bool named = false;
    std::uint16_t id = 0;
    std::u16string name;

    static ResId Id(std::uint16_t n);
    static ResId Name(const std::string& ascii);
    // Names compare without regard to ASCII case, as the loader does.
    bool Matches(const ResId& other) const;
};

struct Resource {
    ResId type;
    ResId name;
    std::uint16_t language = 0;
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

namespace rt {
constexpr std::uint16_t Icon = 3, RcData = 10, GroupIcon = 14, Version = 16, Manifest = 24;
}

class PeFile {
public:
    explicit PeFile(std::vector<unsigned char> image);

    std::uint16_t Machine() const { return machine_; }
    std::uint16_t Characteristics() const { return characteristics_; }
    std::uint16_t Subsystem() const { return subsystem_; }
    std::uint16_t DllCharacteristics() const { return dllCharacteristics_; }
    struct Directory {
        std::uint32_t rva = 0, size = 0;
    };
    Directory DataDirectory(unsigned index) const;

    // DLL names as written in the import and delay-import tables.
    const std::vector<std::string>& Imports() const { return imports_; }
    const std::vector<std::string>& DelayImports() const { return delayImports_; }
    // Every function the import table names, as "DLL!Function" ("DLL!#7"
    // for one imported by ordinal).
    const std::vector<std::string>& ImportedFunctions() const { return importedFunctions_; }

    // Every leaf of the resource tree, in directory order.
    const std::vector<Resource>& Resources() const { return resources_; }
    // All language variants of one type and name.
    std::vector<Resource> Find(const ResId& type, const ResId& name) const;
    std::vector<Resource> OfType(const ResId& type) const;
    std::vector<unsigned char> Bytes(const Resource& r) const;

private:
    struct Section {
        std::uint32_t va, rawSize, rawOffset;
    };
    std::size_t At(std::size_t offset, std::size_t n) const;
    std::size_t RvaToOffset(std::uint32_t rva, std::size_t n) const;
    std::uint16_t U16(std::size_t offset) const;
    std::uint32_t U32(std::size_t offset) const;
    std::string AsciiAt(std::uint32_t rva) const;
    void ReadHeaders();
    std::vector<std::string> ReadImportNames(unsigned directory, std::size_t descriptorSize, std::size_t nameField,
                                             bool delay) const;
    void ReadImportedFunctions();
    void ReadResources();

    std::vector<unsigned char> data_;
    std::vector<Section> sections_;
    std::vector<Directory> directories_;
    std::uint16_t machine_ = 0, characteristics_ = 0, subsystem_ = 0, dllCharacteristics_ = 0;
    std::uint32_t imageBase_ = 0;
    std::vector<std::string> imports_, delayImports_, importedFunctions_;
    std::vector<Resource> resources_;
};

// The decoded VS_VERSIONINFO block of an RT_VERSION resource.
struct VersionInfo {
    std::uint32_t fileVersionMS = 0, fileVersionLS = 0, productVersionMS = 0, productVersionLS = 0;
    std::uint32_t fileFlagsMask = 0, fileFlags = 0, fileOS = 0, fileType = 0, fileSubtype = 0;
    // VarFileInfo\Translation: low word language, high word code page.
    std::vector<std::uint32_t> translations;
    // StringFileInfo: table key (e.g. "041103A4") -> string key -> value.
    std::map<std::u16string, std::map<std::u16string, std::u16string>> strings;
};
VersionInfo DecodeVersionInfo(const std::vector<unsigned char>& block);

// One entry of an RT_GROUP_ICON directory; 0 in width or height means 256.
struct GroupIconEntry {
    int width = 0, height = 0, colorCount = 0, planes = 0, bitCount = 0;
    std::uint32_t bytes = 0;
    std::uint16_t id = 0;
};
std::vector<GroupIconEntry> DecodeGroupIcon(const std::vector<unsigned char>& block);

// The header of an RT_ICON image: a BITMAPINFOHEADER (whose height covers
// the colour and the mask bitmap, so it is twice the icon's) or a PNG
// (no bit count given).
struct IconImage {
    bool png = false;
    int width = 0, height = 0, bitCount = 0;
};
IconImage DecodeIconImage(const std::vector<unsigned char>& image);

}  // namespace fortuva::test
