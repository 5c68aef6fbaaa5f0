#include "platform/ui/QtCursors.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QImage>
#include <map>

namespace tresilva {

namespace {

Qt::CursorShape StandardShape(TCursor number) {
    switch (number) {
        case crNone: return Qt::BlankCursor;
        case crCross: return Qt::CrossCursor;
        case crIBeam: return Qt::IBeamCursor;
        case crSizeNESW: return Qt::SizeBDiagCursor;
        case crSizeNS: return Qt::SizeVerCursor;
        case crSizeNWSE: return Qt::SizeFDiagCursor;
        case crSizeWE: return Qt::SizeHorCursor;
        case crUpArrow: return Qt::UpArrowCursor;
        case crHourGlass: return Qt::WaitCursor;
        case crDrag: return Qt::DragCopyCursor;
        case crNoDrop: return Qt::ForbiddenCursor;
        case crHSplit: return Qt::SplitHCursor;
        case crVSplit: return Qt::SplitVCursor;
        case crMultiDrag: return Qt::DragCopyCursor;
        case crSQLWait: return Qt::BusyCursor;
        case crNo: return Qt::ForbiddenCursor;
        case crAppStart: return Qt::BusyCursor;
        case crHelp: return Qt::WhatsThisCursor;
        case crHandPoint: return Qt::PointingHandCursor;
        case crSizeAll: return Qt::SizeAllCursor;
        default: return Qt::ArrowCursor;  // crDefault, crArrow and every unknown number
    }
}

// Qt's bitmap cursor: bitmap 1 + mask 1 black, bitmap 0 + mask 1 white,
// mask 0 transparent (bitmap 1 + mask 0 inverts where the system can).
QCursor FromImage(const TCursorImage& image) {
    QImage bits(TCursorImage::Size, TCursorImage::Size, QImage::Format_MonoLSB);
    QImage mask(TCursorImage::Size, TCursorImage::Size, QImage::Format_MonoLSB);
    for (QImage* image1 : {&bits, &mask}) {
        image1->setColorCount(2);
        image1->setColor(0, qRgb(255, 255, 255));  // Qt's color0
        image1->setColor(1, qRgb(0, 0, 0));        // Qt's color1
        image1->fill(0);
    }
    for (int y = 0; y < TCursorImage::Size; ++y) {
        for (int x = 0; x < TCursorImage::Size; ++x) {
            const bool andBit = image.AndBit(x, y);
            const bool xorBit = image.XorBit(x, y);
            const bool opaque = !andBit;
            const bool black = opaque ? !xorBit : xorBit;  // transparent: 0; inverted: 1
            bits.setPixel(x, y, black ? 1 : 0);
            mask.setPixel(x, y, opaque ? 1 : 0);
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), image.HotSpotX, image.HotSpotY);
}

// Bitmap cursors must go before the application object does: the cache is
// emptied when the application ends, never by static destruction.
std::map<TCursor, QCursor>& Cache() {
    static auto* cache = new std::map<TCursor, QCursor>;
    static const bool hooked = [] {
        qAddPostRoutine([] { Cache().clear(); });
        return true;
    }();
    (void)hooked;
    return *cache;
}

}  // namespace

QCursor QtCursorFor(TCursor number) {
    auto& cache = Cache();
    static std::uint64_t generation = ~std::uint64_t{0};
    if (generation != Screen().Generation()) {
        cache.clear();
        generation = Screen().Generation();
    }
    if (const TCursorImage* image = Screen().Cursor(number)) {
        auto it = cache.find(number);
        if (it == cache.end()) it = cache.emplace(number, FromImage(*image)).first;
        return it->second;
    }
    return QCursor(StandardShape(number));
}

}  // namespace tresilva
