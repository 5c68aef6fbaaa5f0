#pragma once
// Every file the generator writes, with its bytes, and what the contact sheet
// shows of them.
#include <cstdint>
#include <string>
#include <vector>

#include <QImage>
#include <QString>

namespace tresilva {

struct AssetFile {
    std::string path;  // relative to the assets folder
    std::vector<std::uint8_t> bytes;
};

enum class Backdrop {
    None,    // the picture as it is
    Keyed,   // also shown on the marble, its top-left colour transparent
    Cursor,  // transparent pixels shown on grey, the hot spot marked
    Tiled,   // two by two copies, to show the tile has no seam
};

struct SheetRow {
    QString title;
    std::vector<QImage> images;
    std::vector<QString> captions;  // one per image, or none
    int zoom = 4;
    Backdrop backdrop = Backdrop::None;
    int perLine = 0;  // 0: all on one line
};

struct AssetSet {
    std::vector<AssetFile> files;
    std::vector<SheetRow> sheet;
    QImage marble;  // the backdrop of keyed pictures on the sheet
};

AssetSet BuildAssets();

}  // namespace tresilva
