#include "tests/support/PeFile.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <stdexcept>

namespace fortuva::test {

namespace {

[[noreturn]] void Malformed(const std::string& what) { throw std::runtime_error("malformed executable: " + what); }

// Little-endian read of n bytes at `at`, checked against the buffer.
std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int n) {
    if (at > b.size() || static_cast<std::size_t>(n) > b.size() - at) Malformed("read past the end");
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

std::size_t Align4(std::size_t n) { return (n + 3) & ~static_cast<std::size_t>(3); }

}  // namespace

ResId ResId::Id(std::uint16_t n) {
    ResId r;
    r.id = n;
    return r;
}

ResId ResId::Name(const std::string& ascii) {
    ResId r;
    r.named = true;
    r.name.assign(ascii.begin(), ascii.end());
    return r;
}

bool ResId::Matches(const ResId& other) const {
    if (named != other.named) return false;
    if (!named) return id == other.id;
    return std::equal(name.begin(), name.end(), other.name.begin(), other.name.end(),
                      [](char16_t a, char16_t b) { return Lower(a) == Lower(b); });
}

// ---- headers and address mapping --------------------------------------

PeFile::PeFile(std::vector<unsigned char> image) : data_(std::move(image)) {
    ReadHeaders();
    imports_ = ReadImportNames(1, 20, 12, false);
    delayImports_ = ReadImportNames(13, 32, 4, true);
    ReadImportedFunctions();
    ReadResources();
}

std::size_t PeFile::At(std::size_t offset, std::size_t n) const {
    if (offset > data_.size() || n > data_.size() - offset) Malformed("read past the end");
    return offset;
}

std::uint16_t PeFile::U16(std::size_t offset) const { return static_cast<std::uint16_t>(Le(data_, offset, 2)); }
std::uint32_t PeFile::U32(std::size_t offset) const { return Le(data_, offset, 4); }

void PeFile::ReadHeaders() {
    if (data_.size() < 0x40 || data_[0] != 'M' || data_[1] != 'Z') Malformed("no MZ header");
    const std::size_t pe = U32(0x3C);
    if (U32(pe) != 0x00004550) Malformed("no PE signature");
    const std::size_t file = pe + 4;
    machine_ = U16(file);
    const unsigned sectionCount = U16(file + 2);
    const std::size_t optionalSize = U16(file + 16);
    characteristics_ = U16(file + 18);

    const std::size_t opt = file + 20;
    At(opt, optionalSize);
    if (optionalSize < 96 || U16(opt) != 0x10B) Malformed("not a PE32 optional header");
    imageBase_ = U32(opt + 28);
    subsystem_ = U16(opt + 68);
    dllCharacteristics_ = U16(opt + 70);
    const std::size_t dirCount = std::min<std::size_t>(U32(opt + 92), 16);
    if (96 + 8 * dirCount > optionalSize) Malformed("data directories outside the optional header");
    for (std::size_t i = 0; i < dirCount; ++i) directories_.push_back({U32(opt + 96 + 8 * i), U32(opt + 100 + 8 * i)});

    const std::size_t table = opt + optionalSize;
    At(table, 40 * static_cast<std::size_t>(sectionCount));
    for (unsigned i = 0; i < sectionCount; ++i) {
        const std::size_t s = table + 40 * i;
        sections_.push_back({U32(s + 12), U32(s + 16), U32(s + 20)});
    }
}

PeFile::Directory PeFile::DataDirectory(unsigned index) const {
    return index < directories_.size() ? directories_[index] : Directory{};
}

// The file offset of n bytes at rva; they must lie in one section's raw data.
std::size_t PeFile::RvaToOffset(std::uint32_t rva, std::size_t n) const {
    for (const Section& s : sections_) {
        if (rva < s.va || rva - s.va >= s.rawSize) continue;
        const std::uint64_t into = rva - s.va;
        if (into + n > s.rawSize) Malformed("data runs past its section");
        return At(static_cast<std::size_t>(s.rawOffset + into), n);
    }
    Malformed("address outside every section");
}

std::string PeFile::AsciiAt(std::uint32_t rva) const {
    std::string s;
    for (std::size_t at = RvaToOffset(rva, 1);; at = RvaToOffset(static_cast<std::uint32_t>(rva + s.size()), 1)) {
        if (data_[at] == 0) return s;
        s.push_back(static_cast<char>(data_[at]));
        if (s.size() > 4096) Malformed("unterminated name");
    }
}

// Walks an import-style table of descriptors ended by an all-zero one.
std::vector<std::string> PeFile::ReadImportNames(unsigned directory, std::size_t descriptorSize,
                                                 std::size_t nameField, bool delay) const {
    std::vector<std::string> names;
    const Directory dir = DataDirectory(directory);
    if (dir.rva == 0 || dir.size == 0) return names;
    for (std::uint32_t rva = dir.rva;; rva += static_cast<std::uint32_t>(descriptorSize)) {
        const std::size_t d = RvaToOffset(rva, descriptorSize);
        if (std::all_of(data_.begin() + d, data_.begin() + d + descriptorSize, [](unsigned char c) { return c == 0; }))
            return names;
        std::uint32_t name = U32(d + nameField);
        // Old-style delay descriptors hold virtual addresses, not RVAs.
        if (delay && (U32(d) & 1) == 0) name -= imageBase_;
        names.push_back(AsciiAt(name));
    }
}

// Each import descriptor's lookup table (or, without one, its address
// table): 32-bit entries ended by zero, the high bit marking an ordinal.
void PeFile::ReadImportedFunctions() {
    const Directory dir = DataDirectory(1);
    if (dir.rva == 0 || dir.size == 0) return;
    for (std::uint32_t rva = dir.rva;; rva += 20) {
        const std::size_t d = RvaToOffset(rva, 20);
        if (std::all_of(data_.begin() + d, data_.begin() + d + 20, [](unsigned char c) { return c == 0; })) return;
        const std::string dll = AsciiAt(U32(d + 12));
        const std::uint32_t table = U32(d) != 0 ? U32(d) : U32(d + 16);
        for (std::uint32_t entry = table;; entry += 4) {
            const std::uint32_t thunk = U32(RvaToOffset(entry, 4));
            if (thunk == 0) break;
            importedFunctions_.push_back(dll + "!" + ((thunk & 0x80000000u) ? "#" + std::to_string(thunk & 0xFFFFu)
                                                                            : AsciiAt(thunk + 2)));
        }
    }
}

// ---- resources -----------------------------------------------------------

void PeFile::ReadResources() {
    const Directory dir = DataDirectory(2);
    if (dir.rva == 0 || dir.size == 0) return;
    const std::size_t base = RvaToOffset(dir.rva, dir.size);
    // Offsets inside the tree are relative to its start and must stay inside it.
    auto in = [&](std::uint32_t offset, std::size_t n) {
        if (offset > dir.size || n > dir.size - offset) Malformed("resource tree points outside itself");
        return base + offset;
    };
    auto idOf = [&](std::uint32_t field) {
        ResId r;
        if (field & 0x80000000u) {
            r.named = true;
            const std::size_t at = in(field & 0x7FFFFFFFu, 2);
            const std::size_t length = U16(at);
            in((field & 0x7FFFFFFFu) + 2, 2 * length);
            for (std::size_t i = 0; i < length; ++i) r.name.push_back(static_cast<char16_t>(U16(at + 2 + 2 * i)));
        } else {
            if (field > 0xFFFF) Malformed("resource id above 65535");
            r.id = static_cast<std::uint16_t>(field);
        }
        return r;
    };

    // Type, name and language levels; a directory reached twice would let a
    // tiny file describe an endless tree.
    std::set<std::uint32_t> seen;
    Resource path;
    auto walk = [&](auto& self, std::uint32_t offset, int level) -> void {
        if (!seen.insert(offset).second) Malformed("resource directory reached twice");
        const std::size_t d = in(offset, 16);
        const std::size_t count = static_cast<std::size_t>(U16(d + 12)) + U16(d + 14);
        in(offset + 16, 8 * count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t e = d + 16 + 8 * i;
            const ResId id = idOf(U32(e));
            const std::uint32_t target = U32(e + 4);
            const bool subdirectory = (target & 0x80000000u) != 0;
            if (subdirectory != (level < 2)) Malformed("resource tree is not three levels deep");
            if (level == 0) path.type = id;
            if (level == 1) path.name = id;
            if (level < 2) {
                self(self, target & 0x7FFFFFFFu, level + 1);
                continue;
            }
            if (id.named) Malformed("named resource language");
            path.language = id.id;
            const std::size_t leaf = in(target, 16);
            path.rva = U32(leaf);
            path.size = U32(leaf + 4);
            RvaToOffset(path.rva, path.size);
            resources_.push_back(path);
        }
    };
    walk(walk, 0, 0);
}

std::vector<Resource> PeFile::Find(const ResId& type, const ResId& name) const {
    std::vector<Resource> found;
    for (const Resource& r : resources_)
        if (r.type.Matches(type) && r.name.Matches(name)) found.push_back(r);
    return found;
}

std::vector<Resource> PeFile::OfType(const ResId& type) const {
    std::vector<Resource> found;
    for (const Resource& r : resources_)
        if (r.type.Matches(type)) found.push_back(r);
    return found;
}

std::vector<unsigned char> PeFile::Bytes(const Resource& r) const {
    const std::size_t at = RvaToOffset(r.rva, r.size);
    return std::vector<unsigned char>(data_.begin() + at, data_.begin() + at + r.size);
}

// ---- version block -------------------------------------------------------

namespace {

// One node of the version block: length, value length, type (1 = text),
// key, then the value and the child nodes, each aligned to four bytes.
struct VersionNode {
    std::u16string key;
    bool text = false;
    std::size_t valueAt = 0, valueBytes = 0;
    std::vector<VersionNode> children;
};

VersionNode ParseNode(const std::vector<unsigned char>& b, std::size_t at, std::size_t limit, int depth) {
    if (depth > 8) Malformed("version block nested too deep");
    if (at > limit || limit - at < 6) Malformed("version node header cut off");
    const std::size_t length = Le(b, at, 2);
    const std::size_t valueLength = Le(b, at + 2, 2);
    if (length < 6 || length > limit - at) Malformed("version node length");
    const std::size_t end = at + length;

    VersionNode n;
    n.text = Le(b, at + 4, 2) == 1;
    std::size_t pos = at + 6;
    for (;; pos += 2) {
        if (pos + 2 > end) Malformed("unterminated version key");
        const auto c = static_cast<char16_t>(Le(b, pos, 2));
        if (c == 0) break;
        n.key.push_back(c);
    }
    n.valueAt = std::min(Align4(pos + 2), end);
    n.valueBytes = n.text ? 2 * valueLength : valueLength;
    if (n.text) n.valueBytes = std::min(n.valueBytes, end - n.valueAt);
    if (n.valueBytes > end - n.valueAt) Malformed("version value runs past its node");
    for (std::size_t child = Align4(n.valueAt + n.valueBytes); child < end;) {
        n.children.push_back(ParseNode(b, child, end, depth + 1));
        child = Align4(child + Le(b, child, 2));
    }
    return n;
}

std::u16string TextValue(const std::vector<unsigned char>& b, const VersionNode& n) {
    std::u16string s;
    for (std::size_t i = 0; i + 1 < n.valueBytes; i += 2) {
        const auto c = static_cast<char16_t>(Le(b, n.valueAt + i, 2));
        if (c == 0) break;
        s.push_back(c);
    }
    return s;
}

}  // namespace

VersionInfo DecodeVersionInfo(const std::vector<unsigned char>& block) {
    const VersionNode root = ParseNode(block, 0, block.size(), 0);
    if (root.key != u"VS_VERSION_INFO") Malformed("version block key");
    if (root.valueBytes < 52 || Le(block, root.valueAt, 4) != 0xFEEF04BDu) Malformed("no fixed file info");
    auto fixed = [&](int field) { return Le(block, root.valueAt + 4 * field, 4); };
    VersionInfo v;
    v.fileVersionMS = fixed(2);
    v.fileVersionLS = fixed(3);
    v.productVersionMS = fixed(4);
    v.productVersionLS = fixed(5);
    v.fileFlagsMask = fixed(6);
    v.fileFlags = fixed(7);
    v.fileOS = fixed(8);
    v.fileType = fixed(9);
    v.fileSubtype = fixed(10);

    for (const VersionNode& group : root.children) {
        for (const VersionNode& child : group.children) {
            if (group.key == u"StringFileInfo") {
                auto& table = v.strings[child.key];
                for (const VersionNode& s : child.children) table[s.key] = TextValue(block, s);
            } else if (group.key == u"VarFileInfo" && child.key == u"Translation") {
                if (child.valueBytes % 4 != 0) Malformed("translation list length");
                for (std::size_t i = 0; i < child.valueBytes; i += 4) v.translations.push_back(Le(block, child.valueAt + i, 4));
            }
        }
    }
    return v;
}

// ---- icons ---------------------------------------------------------------

std::vector<GroupIconEntry> DecodeGroupIcon(const std::vector<unsigned char>& block) {
    if (Le(block, 0, 2) != 0 || Le(block, 2, 2) != 1) Malformed("not an icon group");
    const std::size_t count = Le(block, 4, 2);
    std::vector<GroupIconEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t e = 6 + 14 * i;
        GroupIconEntry g;
        g.width = Le(block, e, 1) == 0 ? 256 : static_cast<int>(Le(block, e, 1));
        g.height = Le(block, e + 1, 1) == 0 ? 256 : static_cast<int>(Le(block, e + 1, 1));
        g.colorCount = static_cast<int>(Le(block, e + 2, 1));
        g.planes = static_cast<int>(Le(block, e + 4, 2));
        g.bitCount = static_cast<int>(Le(block, e + 6, 2));
        g.bytes = Le(block, e + 8, 4);
        g.id = static_cast<std::uint16_t>(Le(block, e + 12, 2));
        entries.push_back(g);
    }
    return entries;
}

IconImage DecodeIconImage(const std::vector<unsigned char>& image) {
    static const unsigned char pngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    IconImage i;
    if (image.size() >= 8 && std::equal(std::begin(pngSignature), std::end(pngSignature), image.begin())) {
        // The IHDR chunk comes first: big-endian width and height.
        auto be = [&](std::size_t at) {
            const std::uint32_t le = Le(image, at, 4);
            return static_cast<int>((le >> 24) | ((le >> 8) & 0xFF00) | ((le << 8) & 0xFF0000) | (le << 24));
        };
        i.png = true;
        i.width = be(16);
        i.height = be(20);
        return i;
    }
    if (Le(image, 0, 4) < 40) Malformed("icon image header");
    i.width = static_cast<int>(static_cast<std::int32_t>(Le(image, 4, 4)));
    i.height = static_cast<int>(static_cast<std::int32_t>(Le(image, 8, 4)));
    i.bitCount = static_cast<int>(Le(image, 14, 2));
    return i;
}

}  // namespace fortuva::test
