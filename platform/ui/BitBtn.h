#pragma once
// A push button with a picture (a Qt push button in the classic look). The
// glyph is a strip of NumGlyphs images side by side: normal, then disabled;
// the colour of its bottom-left pixel is see-through. A click sets the
// form's ModalResult to the button's own (which closes a modal form), then
// runs OnClick. Enter or Space on the focused button presses it; the button
// is never a default or cancel button.
#include "platform/gfx/Bitmap.h"
#include "platform/ui/StdControl.h"

class QPushButton;

namespace tresilva {

class TBitBtn : public TStdControl {
public:
    explicit TBitBtn(TComponent* owner);

    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }
    bool CanFocus() const override { return true; }

    void Click() override;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void TextChanged() override;

private:
    void ApplyGlyph();
    void ApplyGlyphTo(QPushButton& button) const;
    TBitmap glyph_;
    int numGlyphs_ = 1;
    int modalResult_ = 0;
};

}  // namespace tresilva
