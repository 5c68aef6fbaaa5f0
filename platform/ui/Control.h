#pragma once
// A control: a component with bounds in its parent's client area, a
// visibility, a font, a colour, a cursor, a hint and mouse events. A plain
// TControl draws nothing; TGraphicControl paints into its parent's surface,
// TWinControl has a window of its own.
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/ui/Component.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/Events.h"

namespace tresilva {

class TWinControl;
struct TEnumType;

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// The DrawText flag that places a line as the alignment says.
constexpr unsigned AlignmentFlag(TAlignment alignment) {
    return alignment == taRightJustify ? 0x2u /* DT_RIGHT */ : alignment == taCenter ? 0x1u /* DT_CENTER */ : 0x0u;
}

// The value names of the enumerations above (for published properties).
const TEnumType& AlignType();
const TEnumType& AlignmentType();
const TEnumType& DragModeType();

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // --- place and size, in the parent's client coordinates ---------------
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    // Moves and sizes at once; an unchanged rectangle does nothing. A
    // windowless control invalidates its old and new rectangles.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    TRect ClientRect() const { return Rect(0, 0, width_, height_); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);

    // --- parent ---------------------------------------------------------------
    TWinControl* Parent() const { return parent_; }
    // Appends the control on top of the new parent's children (z-order) and
    // takes the parent's colour, font and hint setting where the Parent* flags say so.
    virtual void SetParent(TWinControl* parent);

    // --- state ------------------------------------------------------------------
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    // --- look ---------------------------------------------------------------------
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    // Assigns every attribute (the font's change runs once).
    void SetFont(const TFont& value) { font_.Assign(value); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    // The text of controls that have one (labels, panels, windows).
    const std::string& Caption() const { return caption_; }
    // Stores a different text and calls TextChanged; the same text does nothing.
    void SetCaption(const std::string& value);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& value) { SetCaption(value); }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value) { cursor_ = value; }
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor value) { dragCursor_ = value; }
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode value) { dragMode_ = value; }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool ShowHint() const { return showHint_; }
    // Clears ParentShowHint.
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);

    // A pop-up menu component (kept as a reference; shown by the window later).
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* value) { popupMenu_ = value; }

    // --- painting -------------------------------------------------------------------
    // Marks the control's area for the next paint cycle.
    virtual void Invalidate();
    // Repaints the control's area before returning (where its host can paint).
    virtual void Repaint();
    // Processes the parent's pending paints now.
    virtual void Update();

    // --- events -----------------------------------------------------------------------
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    const TNotifyEvent& OnDblClick() const { return onDblClick_; }
    void SetOnDblClick(TNotifyEvent handler) { onDblClick_ = std::move(handler); }
    const TMouseEvent& OnMouseDown() const { return onMouseDown_; }
    void SetOnMouseDown(TMouseEvent handler) { onMouseDown_ = std::move(handler); }
    const TMouseMoveEvent& OnMouseMove() const { return onMouseMove_; }
    void SetOnMouseMove(TMouseMoveEvent handler) { onMouseMove_ = std::move(handler); }
    const TMouseEvent& OnMouseUp() const { return onMouseUp_; }
    void SetOnMouseUp(TMouseEvent handler) { onMouseUp_ = std::move(handler); }
    const TDragDropEvent& OnDragDrop() const { return onDragDrop_; }
    void SetOnDragDrop(TDragDropEvent handler) { onDragDrop_ = std::move(handler); }
    const TDragOverEvent& OnDragOver() const { return onDragOver_; }
    void SetOnDragOver(TDragOverEvent handler) { onDragOver_ = std::move(handler); }
    const TEndDragEvent& OnEndDrag() const { return onEndDrag_; }
    void SetOnEndDrag(TEndDragEvent handler) { onEndDrag_ = std::move(handler); }

    // What the display side calls (coordinates in the control's own space);
    // each fires its event. Overrides call the base to keep the events.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    // Declares every control property; publishes Left, Top, Width, Height, Cursor, Hint.
    static const TClassInfo& StaticClassInfo();

protected:
    // Hooks, called after the field changed.
    virtual void TextChanged();     // default: invalidates
    virtual void FontChanged();     // default: invalidates
    virtual void ColorChanged();    // default: invalidates
    virtual void VisibleChanged();  // default: invalidates (a windowless control's area)
    virtual void EnabledChanged();  // default: invalidates
    // A parent's font, colour or hint setting changed.
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();

    // For classes whose own field replaces these (no notification, no compare).
    void StoreBounds(int left, int top, int width, int height);
    void StoreVisible(bool value) { visible_ = value; }

private:
    friend class TWinControl;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = alNone;
    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    TFont font_;
    bool parentFont_ = true;
    bool applyingParentFont_ = false;
    std::string caption_;
    TCursor cursor_ = crDefault;
    TCursor dragCursor_ = crDrag;
    TDragMode dragMode_ = dmManual;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TComponent* popupMenu_ = nullptr;
    TNotifyEvent onClick_;
    TNotifyEvent onDblClick_;
    TMouseEvent onMouseDown_;
    TMouseMoveEvent onMouseMove_;
    TMouseEvent onMouseUp_;
    TDragDropEvent onDragDrop_;
    TDragOverEvent onDragOver_;
    TEndDragEvent onEndDrag_;
};

}  // namespace tresilva
