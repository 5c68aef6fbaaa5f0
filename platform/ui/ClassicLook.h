#pragma once
// Internal to platform/ui (includes Qt): the classic look of the standard
// controls (Qt's "Windows" style, button face 192, 192, 192) and the Qt
// pictures made from our bitmaps.
#include <QIcon>
#include <QImage>
#include <QPalette>

#include "platform/gfx/Bitmap.h"

class QStyle;
class QWidget;

namespace tresilva {

// The classic palette: button face 192, 192, 192, white highlights, grey
// shadows, black text, white edit fields, navy selection.
QPalette ClassicPalette();
// The "Windows" style, made once (null when Qt has no such style).
QStyle* ClassicStyle();
// Gives a widget the classic style and palette.
void ApplyClassicLook(QWidget& widget);
// The bitmap as a Qt image (a copy).
QImage ToQImage(const TBitmap& bitmap);
// A part of a bitmap as an image whose pixels of `transparent` are see-through.
QImage MaskedImage(const TBitmap& bitmap, int left, int width, TColor transparent);

}  // namespace tresilva

class QMessageBox;
class QString;

namespace tresilva {

// Sets a message box's text; a text too long for a label (a very long line
// or word) is shown in a width-limited, scrollable view instead, so the box
// stays within the screen while its text stays exact.
void SetBoundedText(QMessageBox& box, const QString& text);

}  // namespace tresilva
