// vellumet-chm-contexts: points the context table of a help file compiled by
// chmcmd at the file's own pages.
//
// chmcmd 3.2.2 writes the table of help context numbers (the internal file
// /#IVB: pairs of a number and an offset into /#STRINGS) but names each page by
// the full path it compiled it from, "/home/me/build/stage/intro.html", where a
// viewer wants the page's name inside the help file, "intro.html". A viewer then
// finds no such page in the file.
//
// The right name is the end of the wrong one, so the fix only moves each offset
// past the folder. The corrected table is stored uncompressed at the end of the
// file and the directory entry of /#IVB is pointed at it; everything else stays
// byte for byte. A table that names its pages without a folder already is left
// alone.
//
// Usage: vellumet-chm-contexts CHM IVB STRINGS FOLDER
//   CHM          the compiled help file, rewritten in place
//   IVB STRINGS  its /#IVB and /#STRINGS, as `chmls extract` writes them
//   FOLDER       the folder chmcmd compiled the pages in
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Failure("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw Failure("cannot write " + path);
}

std::uint64_t ReadLittleEndian(const Bytes& bytes, std::size_t at, std::size_t size)
{
    if (at > bytes.size() || bytes.size() - at < size)
        throw Failure("the help file ends too early");
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | bytes[at + i];
    return value;
}

void WriteLittleEndian(Bytes& bytes, std::size_t at, std::uint64_t value, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i, value >>= 8)
        bytes[at + i] = static_cast<unsigned char>(value & 0xFF);
}

// The directory's numbers: seven bits a byte, most significant first, the top
// bit set on every byte but the last.
std::uint64_t ReadEncodedNumber(const Bytes& bytes, std::size_t& at, std::size_t end)
{
    std::uint64_t value = 0;
    for (;;) {
        if (at >= end)
            throw Failure("a directory entry of the help file runs past its chunk");
        const unsigned char byte = bytes[at++];
        value = value << 7 | (byte & 0x7Fu);
        if ((byte & 0x80u) == 0)
            return value;
    }
}

Bytes EncodeNumber(std::uint64_t value)
{
    Bytes encoded{static_cast<unsigned char>(value & 0x7Fu)};
    while ((value >>= 7) != 0)
        encoded.insert(encoded.begin(), static_cast<unsigned char>(0x80u | (value & 0x7Fu)));
    return encoded;
}

// The string that starts at offset in /#STRINGS.
std::string_view StringAt(const Bytes& strings, std::uint64_t offset)
{
    if (offset >= strings.size())
        throw Failure("a context points past the end of /#STRINGS");
    const auto* begin = reinterpret_cast<const char*>(strings.data() + offset);
    const std::string_view rest(begin, strings.size() - offset);
    const std::size_t end = rest.find('\0');
    if (end == std::string_view::npos)
        throw Failure("a page name in /#STRINGS has no end");
    return rest.substr(0, end);
}

bool HasTag(const Bytes& bytes, std::size_t at, std::string_view tag)
{
    return at <= bytes.size() && bytes.size() - at >= tag.size() &&
           std::string_view(reinterpret_cast<const char*>(bytes.data() + at), tag.size()) == tag;
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The length of folder and the separator after it, when name starts with them.
std::size_t FolderPrefix(std::string_view name, std::string_view folder)
{
    while (!folder.empty() && IsSeparator(folder.back()))
        folder.remove_suffix(1);
    if (name.size() <= folder.size() + 1 || !IsSeparator(name[folder.size()]))
        return 0;
    for (std::size_t i = 0; i < folder.size(); ++i)
        if (name[i] != folder[i] && !(IsSeparator(name[i]) && IsSeparator(folder[i])))
            return 0;
    return folder.size() + 1;
}

// The context table with every offset moved past the compiling folder; empty
// when every page is named without a folder already.
Bytes CorrectedTable(const Bytes& table, const Bytes& strings, std::string_view folder)
{
    if (table.size() < 4 || (table.size() - 4) % 8 != 0 || ReadLittleEndian(table, 0, 4) != table.size() - 4)
        throw Failure("/#IVB is not a table of contexts");
    Bytes corrected = table;
    bool changed = false;
    for (std::size_t at = 8; at < table.size(); at += 8) {
        const std::uint64_t offset = ReadLittleEndian(table, at, 4);
        const std::string_view name = StringAt(strings, offset);
        if (const std::size_t prefix = FolderPrefix(name, folder)) {
            WriteLittleEndian(corrected, at, offset + prefix, 4);
            changed = true;
        } else if (!name.empty() && (IsSeparator(name.front()) || name.find(':') != std::string_view::npos)) {
            const auto number =
                static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadLittleEndian(table, at - 4, 4)));
            throw Failure("context " + std::to_string(number) + " names \"" + std::string(name) +
                          "\", which is not in " + std::string(folder));
        }
    }
    return changed ? corrected : Bytes();
}

struct DirectoryEntry {
    std::size_t Chunk = 0; // where its chunk starts in the file
    std::size_t Begin = 0; // where the entry starts and ends in the file
    std::size_t End = 0;
    std::size_t EntriesEnd = 0; // where the chunk's entries end
    std::uint64_t Length = 0;
};

// File layout, from the header of the help file (ITSF) and of its directory (ITSP).
struct Layout {
    std::size_t SizeField = 0;      // where the file's length is kept
    std::uint64_t ContentStart = 0; // where uncompressed section 0 starts
    std::size_t Chunks = 0;         // where the first directory chunk starts
    std::size_t ChunkSize = 0;
    std::uint64_t ChunkCount = 0;
    std::uint64_t FirstListing = 0;
    unsigned Density = 0;
};

Layout ReadLayout(const Bytes& file)
{
    if (!HasTag(file, 0, "ITSF"))
        throw Failure("not a compiled help file");
    const std::uint64_t version = ReadLittleEndian(file, 4, 4);
    const std::uint64_t sizeSection = ReadLittleEndian(file, 0x38, 8);
    const std::uint64_t directory = ReadLittleEndian(file, 0x48, 8);
    const std::uint64_t directoryLength = ReadLittleEndian(file, 0x50, 8);
    Layout layout;
    layout.SizeField = static_cast<std::size_t>(sizeSection + 8);
    layout.ContentStart = version >= 3 ? ReadLittleEndian(file, 0x58, 8) : directory + directoryLength;
    if (ReadLittleEndian(file, layout.SizeField, 8) != file.size())
        throw Failure("the help file's header gives another length than the file has");
    const auto itsp = static_cast<std::size_t>(directory);
    if (!HasTag(file, itsp, "ITSP"))
        throw Failure("the help file's directory is missing");
    layout.Chunks = itsp + static_cast<std::size_t>(ReadLittleEndian(file, itsp + 0x08, 4));
    layout.ChunkSize = static_cast<std::size_t>(ReadLittleEndian(file, itsp + 0x10, 4));
    layout.Density = static_cast<unsigned>(ReadLittleEndian(file, itsp + 0x14, 4));
    layout.FirstListing = ReadLittleEndian(file, itsp + 0x20, 4);
    layout.ChunkCount = ReadLittleEndian(file, itsp + 0x2C, 4);
    if (layout.ChunkSize < 0x20 || layout.Density > 8 || layout.ContentStart > file.size() ||
        layout.Chunks + layout.ChunkCount * layout.ChunkSize > layout.ContentStart)
        throw Failure("the help file's directory does not fit in the file");
    return layout;
}

DirectoryEntry FindEntry(const Bytes& file, const Layout& layout, std::string_view wanted)
{
    constexpr std::uint64_t lastChunk = 0xFFFFFFFF;
    std::uint64_t visited = 0;
    for (std::uint64_t index = layout.FirstListing; index != lastChunk; ++visited) {
        if (index >= layout.ChunkCount || visited >= layout.ChunkCount)
            throw Failure("the help file's directory chunks do not chain");
        const std::size_t chunk = layout.Chunks + static_cast<std::size_t>(index) * layout.ChunkSize;
        if (!HasTag(file, chunk, "PMGL"))
            throw Failure("the help file's directory holds a chunk that lists no files");
        const std::uint64_t freeSpace = ReadLittleEndian(file, chunk + 4, 4);
        if (freeSpace > layout.ChunkSize - 20)
            throw Failure("a directory chunk of the help file claims more room than it has");
        const std::size_t entriesEnd = chunk + layout.ChunkSize - static_cast<std::size_t>(freeSpace);
        for (std::size_t at = chunk + 20; at < entriesEnd;) {
            DirectoryEntry entry{chunk, at, 0, entriesEnd, 0};
            const std::uint64_t nameLength = ReadEncodedNumber(file, at, entriesEnd);
            if (nameLength > entriesEnd - at)
                throw Failure("a file name in the help file's directory runs past its chunk");
            const std::string_view name(reinterpret_cast<const char*>(file.data() + at),
                                        static_cast<std::size_t>(nameLength));
            at += static_cast<std::size_t>(nameLength);
            ReadEncodedNumber(file, at, entriesEnd); // section
            ReadEncodedNumber(file, at, entriesEnd); // offset
            entry.Length = ReadEncodedNumber(file, at, entriesEnd);
            entry.End = at;
            if (name == wanted)
                return entry;
        }
        index = ReadLittleEndian(file, chunk + 16, 4);
    }
    throw Failure("the help file has no " + std::string(wanted));
}

// Stores table uncompressed at the end of the file and points the directory
// entry at it. Entries after it in its chunk move by the change in its length,
// and so do the chunk's quick references to them.
void ReplaceFile(Bytes& file, const Layout& layout, const DirectoryEntry& entry, std::string_view name,
                 const Bytes& table)
{
    Bytes encoded = EncodeNumber(name.size());
    encoded.insert(encoded.end(), name.begin(), name.end());
    encoded.push_back(0); // section 0, not compressed
    const Bytes offset = EncodeNumber(file.size() - layout.ContentStart);
    const Bytes length = EncodeNumber(table.size());
    encoded.insert(encoded.end(), offset.begin(), offset.end());
    encoded.insert(encoded.end(), length.begin(), length.end());

    const std::size_t chunkEnd = entry.Chunk + layout.ChunkSize;
    const std::uint64_t count = ReadLittleEndian(file, chunkEnd - 2, 2);
    const std::uint64_t quickRefs = count / (1 + (1u << layout.Density));
    const std::size_t quickRefStart = chunkEnd - 2 - 2 * static_cast<std::size_t>(quickRefs);
    const std::size_t oldSize = entry.End - entry.Begin;
    if (encoded.size() > oldSize && entry.EntriesEnd + (encoded.size() - oldSize) > quickRefStart)
        throw Failure("the help file's directory chunk has no room for the longer entry");

    Bytes chunk(file.begin() + static_cast<std::ptrdiff_t>(entry.Chunk),
                file.begin() + static_cast<std::ptrdiff_t>(entry.EntriesEnd));
    const std::size_t begin = entry.Begin - entry.Chunk;
    chunk.erase(chunk.begin() + static_cast<std::ptrdiff_t>(begin),
                chunk.begin() + static_cast<std::ptrdiff_t>(begin + oldSize));
    chunk.insert(chunk.begin() + static_cast<std::ptrdiff_t>(begin), encoded.begin(), encoded.end());
    chunk.resize(quickRefStart - entry.Chunk, 0);
    std::copy(chunk.begin(), chunk.end(), file.begin() + static_cast<std::ptrdiff_t>(entry.Chunk));

    const std::uint64_t freeSpace = layout.ChunkSize - (entry.EntriesEnd - entry.Chunk) + oldSize - encoded.size();
    WriteLittleEndian(file, entry.Chunk + 4, freeSpace, 4);
    // A quick reference holds an entry's offset from the end of the 20-byte chunk header.
    for (std::size_t at = quickRefStart; at < chunkEnd - 2; at += 2) {
        const std::uint64_t target = ReadLittleEndian(file, at, 2);
        if (target + 20 > begin)
            WriteLittleEndian(file, at, target + encoded.size() - oldSize, 2);
    }

    file.insert(file.end(), table.begin(), table.end());
    WriteLittleEndian(file, layout.SizeField, file.size(), 8);
}

void Run(const std::string& chmPath, const std::string& tablePath, const std::string& stringsPath,
         std::string_view folder)
{
    constexpr std::string_view tableName = "/#IVB";
    const Bytes table = ReadFile(tablePath);
    const Bytes corrected = CorrectedTable(table, ReadFile(stringsPath), folder);
    if (corrected.empty())
        return;
    Bytes file = ReadFile(chmPath);
    const Layout layout = ReadLayout(file);
    const DirectoryEntry entry = FindEntry(file, layout, tableName);
    if (entry.Length != table.size())
        throw Failure("the extracted /#IVB is not the help file's own");
    ReplaceFile(file, layout, entry, tableName, corrected);
    WriteFile(chmPath, file);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::cerr << "usage: vellumet-chm-contexts CHM IVB STRINGS FOLDER\n";
        return 2;
    }
    try {
        Run(argv[1], argv[2], argv[3], argv[4]);
        return 0;
    } catch (const Failure& failure) {
        std::cerr << "vellumet-chm-contexts: " << argv[1] << ": " << failure.what() << '\n';
        return 1;
    }
}
