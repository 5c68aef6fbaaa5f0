// tresilva-assetgen <assets-dir> [--contact-sheet <png>]
// Draws every picture of the program and writes it under <assets-dir>; the
// same run always writes the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include <QGuiApplication>

#include "tools/assetgen/AssetSet.h"
#include "tools/assetgen/ContactSheet.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: tresilva-assetgen <assets-dir> [--contact-sheet <png>]\n");
    return 2;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    std::string assets, sheet;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--contact-sheet") {
            if (++i >= argc) return Usage();
            sheet = argv[i];
        } else if (assets.empty() && !arg.empty() && arg[0] != '-') {
            assets = arg;
        } else {
            return Usage();
        }
    }
    if (assets.empty()) return Usage();
    // Fonts are read from their files, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    try {
        const tresilva::AssetSet set = tresilva::BuildAssets();
        for (const tresilva::AssetFile& file : set.files) WriteFile(std::filesystem::path(assets) / file.path, file.bytes);
        if (!sheet.empty()) {
            const QImage image = tresilva::ContactSheet(set);
            std::filesystem::create_directories(std::filesystem::absolute(sheet).parent_path());
            if (!image.save(QString::fromStdString(sheet), "PNG")) throw std::runtime_error("cannot write " + sheet);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tresilva-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
