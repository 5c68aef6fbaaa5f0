#pragma once
// A panel: a windowed host of windowless children with bevels, a centred
// caption and, with BorderStyle bsSingle, the classic two-pixel sunken edge.
// The edge lies outside the client area: children are placed inside it.
#include <cstdint>

#include "platform/ui/Form.h"
#include "platform/ui/StdControl.h"

namespace tresilva {

enum TPanelBevel : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
const TEnumType& PanelBevelType();
// bsNone or bsSingle.
const TEnumType& BorderStyleType();

// The classic sunken edge's width.
constexpr int kClientEdge = 2;

// Draws the classic three-dimensional frame `width` pixels deep inside
// `rect` and shrinks the rectangle by it: top and left in `topColor`,
// bottom and right (with the bottom-left and top-right corners) in `bottomColor`.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

class TPanel : public TStdControl {
public:
    explicit TPanel(TComponent* owner);

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel value);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

    TRect ClientBounds() const override;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;
    QWidget* CreateWidget(QWidget* parentWidget) override;

private:
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TFormBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

}  // namespace tresilva
