// Build step: writes the bullseye into an icon theme folder laid out like hicolor, as a PNG of
// every size the desktop gets and as the scalable SVG drawing.

#include "resources/BullseyeRendering.h"

#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace
{

bool writePng(int size, const std::filesystem::path &path)
{
    const std::vector<std::uint32_t> pixels = jestrel::renderBullseye(size);
    const QImage image(reinterpret_cast<const uchar *>(pixels.data()), size, size, QImage::Format_ARGB32);
    return image.save(QString::fromStdString(path.string()), "PNG");
}

bool writeSvg(const std::filesystem::path &path)
{
    const std::string svg = jestrel::bullseyeSvg();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(svg.data(), static_cast<std::streamsize>(svg.size()));
    file.close();
    return static_cast<bool>(file);
}

// Creates the folder the file goes in, writes the file, and says so when it cannot.
template<typename Write> bool writeInto(const std::filesystem::path &path, Write write)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error || !write(path)) {
        std::cerr << "Cannot write " << path.string() << ".\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "Usage: jestrel_write_bullseye_icons THEME-FOLDER ICON-NAME\n";
        return 2;
    }
    const std::filesystem::path theme = argv[1];
    const std::string name = argv[2];

    bool written = true;
    for (const int size : jestrel::kBullseyeSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        written = writeInto(theme / folder / "apps" / (name + ".png"),
                            [size](const std::filesystem::path &path) { return writePng(size, path); })
            && written;
    }
    written = writeInto(theme / "scalable" / "apps" / (name + ".svg"), writeSvg) && written;
    return written ? 0 : 1;
}
