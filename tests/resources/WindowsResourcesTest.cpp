#include "resources/BullseyeIcon.h"
#include "resources/LittleEndian.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <iterator>
#include <map>
#include <span>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace jestrel
{
namespace
{

using Bytes = std::vector<std::uint8_t>;
using ByteSpan = std::span<const std::uint8_t>;

constexpr int kSkipped = 77; // the test's SKIP_RETURN_CODE
constexpr std::uint16_t kIconType = 3;
constexpr std::uint16_t kIconGroupType = 14;
constexpr std::uint16_t kVersionType = 16;
constexpr std::uint16_t kUsEnglish = 0x0409;

struct Resource {
    std::uint16_t type;
    std::uint16_t name;
    std::uint16_t language;
    Bytes data;
};

std::vector<Resource> compiledResources;

enum class Compiled { Yes, No, ToolMissing };

// Only the Windows binutils are installed, not a Windows compiler, so the host compiler
// preprocesses the script. windres is looked for on the PATH as the test runs, so that it is found
// once installed without configuring again.
Compiled compile(std::string windres, const std::string &preprocessor, const std::string &script,
                 const std::string &res)
{
    std::vector<std::string> args { std::move(windres), "--preprocessor=" + preprocessor };
    for (const char *arg : { "-E", "-xc", "-DRC_INVOKED" })
        args.push_back(std::string("--preprocessor-arg=") + arg);
    args.insert(args.end(), { "-i", script, "-O", "res", "-o", res });
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (const int error = ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ); error != 0)
        return error == ENOENT ? Compiled::ToolMissing : Compiled::No;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Compiled::Yes
                                                                                              : Compiled::No;
}

void require(bool condition, const char *fault)
{
    if (!condition)
        throw std::runtime_error(fault);
}

std::size_t aligned(std::size_t offset)
{
    return (offset + 3) / 4 * 4;
}

std::vector<Resource> readRes(ByteSpan bytes)
{
    std::vector<Resource> resources;
    for (std::size_t at = 0; at < bytes.size();) {
        // With numbers for type and name, every header has the same 32 bytes.
        require(bytes.size() - at >= 32 && getU32(bytes, at + 4) == 32 && getU16(bytes, at + 8) == 0xFFFF
                    && getU16(bytes, at + 12) == 0xFFFF,
                "a resource header that is cut short or names its type or resource by text");
        const std::uint32_t size = getU32(bytes, at);
        require(bytes.size() - at - 32 >= size, "resource data that runs past the end of the file");
        const auto data = bytes.subspan(at + 32, size);
        // The empty first entry only marks the file as 32-bit resources.
        if (at > 0)
            resources.push_back({ getU16(bytes, at + 10), getU16(bytes, at + 14), getU16(bytes, at + 22),
                                  Bytes(data.begin(), data.end()) });
        at = aligned(at + 32 + size);
    }
    return resources;
}

std::vector<const Resource *> ofType(std::uint16_t type)
{
    std::vector<const Resource *> found;
    for (const Resource &resource : compiledResources) {
        if (resource.type == type)
            found.push_back(&resource);
    }
    return found;
}

// Ends at the first NUL. The record's texts need no more than two bytes of UTF-8 a character.
std::string utf8FromUtf16(ByteSpan bytes)
{
    std::string text;
    for (std::size_t at = 0; at + 1 < bytes.size() && getU16(bytes, at) != 0; at += 2) {
        const std::uint16_t c = getU16(bytes, at);
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | c >> 6);
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += '?';
        }
    }
    return text;
}

// One block of a version resource: its length, value length and type, its key in UTF-16,
// then its value and its child blocks, each starting on a 4-byte boundary.
struct VersionBlock {
    std::string key;
    ByteSpan value;
    std::vector<VersionBlock> children;

    const VersionBlock &child(const std::string &childKey) const
    {
        for (const VersionBlock &block : children) {
            if (block.key == childKey)
                return block;
        }
        throw std::runtime_error("no version block " + childKey + " in " + key);
    }
};

VersionBlock readVersionBlock(ByteSpan bytes)
{
    require(bytes.size() >= 6 && getU16(bytes, 0) >= 6 && getU16(bytes, 0) <= bytes.size(),
            "a version block longer than what holds it");
    const ByteSpan block = bytes.first(getU16(bytes, 0));
    std::size_t at = 6;
    while (at + 1 < block.size() && getU16(block, at) != 0)
        at += 2;
    VersionBlock result { utf8FromUtf16(block.subspan(6)), {}, {} };
    at = aligned(at + 2);
    const std::size_t valueBytes = getU16(block, 4) == 1 ? 2u * getU16(block, 2) : getU16(block, 2);
    require(at + valueBytes <= block.size(), "a version value longer than its block");
    result.value = block.subspan(at, valueBytes);
    for (at = aligned(at + valueBytes); at < block.size(); at = aligned(at + getU16(block, at)))
        result.children.push_back(readVersionBlock(block.subspan(at)));
    return result;
}

TEST(WindowsResources, IconGroupOneListsOnlyIcon30001)
{
    const auto groups = ofType(kIconGroupType);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0]->name, 1);
    const Bytes &group = groups[0]->data;
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(getU16(group, 2), 1); // icons, not cursors
    EXPECT_EQ(getU16(group, 4), 1); // entries
    EXPECT_EQ(group[6], 32);
    EXPECT_EQ(group[7], 32);
    EXPECT_EQ(getU16(group, 12), 4); // bits per pixel
    EXPECT_EQ(getU32(group, 14), 744u);
    EXPECT_EQ(getU16(group, 18), 30001);
}

TEST(WindowsResources, Icon30001IsTheBullseyeBitmap)
{
    const auto icons = ofType(kIconType);
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0]->name, 30001);
    const Bytes ico = bullseyeIco();
    EXPECT_EQ(icons[0]->data, Bytes(ico.begin() + 22, ico.end()));
}

TEST(WindowsResources, VersionRecordHasTheFixedVersions)
{
    const auto versions = ofType(kVersionType);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0]->language, kUsEnglish);
    const VersionBlock root = readVersionBlock(versions[0]->data);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52u);
    EXPECT_EQ(getU32(root.value, 0), 0xFEEF04BDu);
    EXPECT_EQ(getU32(root.value, 8), 0x00000005u); // file version 0.5
    EXPECT_EQ(getU32(root.value, 12), 0x00000000u); // .0.0
    EXPECT_EQ(getU32(root.value, 16), 0x00000005u); // product version
    EXPECT_EQ(getU32(root.value, 20), 0x00000000u);
    EXPECT_EQ(getU32(root.value, 28), 0u); // flags
    EXPECT_EQ(getU32(root.value, 32), 4u); // 32-bit Windows
    EXPECT_EQ(getU32(root.value, 36), 1u); // application
}

TEST(WindowsResources, VersionRecordHasEveryTextInUsEnglishUnicode)
{
    const auto versions = ofType(kVersionType);
    ASSERT_EQ(versions.size(), 1u);
    const VersionBlock root = readVersionBlock(versions[0]->data);
    const VersionBlock &strings = root.child("StringFileInfo").child("040904B0");
    std::map<std::string, std::string> texts;
    for (const VersionBlock &block : strings.children)
        texts[block.key] = utf8FromUtf16(block.value);

    const std::map<std::string, std::string> expected {
        { "Comments", "Jestrel" },
        { "CompanyName", "The Jestrel Authors" },
        { "FileDescription", "Files needed: Jestrel.Ini" },
        { "FileVersion", "0.05" },
        { "InternalName", "Jestrel" },
        { "LegalCopyright", "Copyright © December 2026 The Jestrel Authors" },
        { "OriginalFilename", "Jestrel.exe" },
        { "ProductName", "Jestrel!" },
        { "ProductVersion", "0.05" },
    };
    EXPECT_EQ(texts, expected);

    const ByteSpan translation = root.child("VarFileInfo").child("Translation").value;
    ASSERT_EQ(translation.size(), 4u);
    EXPECT_EQ(getU16(translation, 0), kUsEnglish);
    EXPECT_EQ(getU16(translation, 2), 1200); // Unicode
}

int run(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 5) {
        std::cerr << "Usage: windows_resources_tests WINDRES PREPROCESSOR SCRIPT OUTPUT\n";
        return 2;
    }
    const Compiled compiled = compile(argv[1], argv[2], argv[3], argv[4]);
    if (compiled == Compiled::ToolMissing) {
        std::cout << "Skipped: " << argv[1] << " is not installed (package binutils-mingw-w64-i686).\n";
        // Where every test must run, as scripts/check has it, a missing tool fails the test.
        return std::getenv("JESTREL_EVERY_TEST") ? 1 : kSkipped;
    }
    if (compiled == Compiled::No) {
        std::cerr << argv[1] << " could not compile " << argv[3] << ".\n";
        return 1;
    }
    std::ifstream file(argv[4], std::ios::binary);
    const Bytes res { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    try {
        compiledResources = readRes(res);
    } catch (const std::runtime_error &failure) {
        std::cerr << argv[4] << " holds " << failure.what() << ".\n";
        return 1;
    }
    return RUN_ALL_TESTS();
}

} // namespace
} // namespace jestrel

int main(int argc, char **argv)
{
    return jestrel::run(argc, argv);
}
