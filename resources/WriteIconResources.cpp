// Build step: writes the program icon as the two raw Windows resources the resource script
// attaches, the image and the icon group that lists it under its resource number.

#include "resources/BullseyeIcon.h"
#include "resources/LittleEndian.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <span>
#include <string_view>

namespace
{

constexpr std::size_t kIconDirBytes = 6;
constexpr std::size_t kEntryBytesBeforeOffset = 12;

bool write(const char *path, std::span<const std::uint8_t> bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        std::cerr << "Cannot write " << path << ".\n";
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view idText = argc == 4 ? argv[1] : "";
    std::uint16_t id = 0;
    const auto [end, error] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (argc != 4 || error != std::errc() || end != idText.data() + idText.size() || id == 0) {
        std::cerr << "Usage: jestrel_write_icon_resources IMAGE-ID IMAGE-FILE GROUP-FILE\n";
        return 2;
    }

    const std::vector<std::uint8_t> ico = jestrel::bullseyeIco();
    const std::span<const std::uint8_t> bytes(ico);
    const auto image = bytes.subspan(jestrel::getU32(bytes, 18), jestrel::getU32(bytes, 14));
    // An icon group is the icon file's header and directory with each image's file offset
    // replaced by the image's resource number.
    std::vector<std::uint8_t> group(ico.begin(), ico.begin() + kIconDirBytes + kEntryBytesBeforeOffset);
    jestrel::putU16(group, id);
    return write(argv[2], image) && write(argv[3], group) ? 0 : 1;
}
