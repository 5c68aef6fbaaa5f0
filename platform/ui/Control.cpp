#include "platform/ui/Control.h"

#include "platform/ui/Properties.h"
#include "platform/ui/WinControl.h"

namespace tresilva {

const TEnumType& AlignType() {
    static const TEnumType type{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
    return type;
}

const TEnumType& AlignmentType() {
    static const TEnumType type{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
    return type;
}

const TEnumType& DragModeType() {
    static const TEnumType type{"TDragMode", {"dmManual", "dmAutomatic"}};
    return type;
}

namespace {

// A window's hint setting reaches the children that follow it.
void SpreadShowHint(TControl& control) {
    auto* host = dynamic_cast<TWinControl*>(&control);
    if (!host) return;
    for (int i = 0; i < host->ControlCount(); ++i) {
        TControl* child = host->Controls(i);
        if (child->ParentShowHint()) child->SetParentShowHint(true);
    }
}

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] {
        if (!applyingParentFont_) parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    if (parent_) {
        TWinControl* parent = parent_;
        if (visible_) parent->InvalidateRect(BoundsRect());
        parent->RemoveControl(this);
        parent_ = nullptr;
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    // Marking only: a change made during a paint never recomposes re-entrantly.
    if (parent_) parent_->InvalidateRect(BoundsRect());
    StoreBounds(left, top, width, height);
    if (parent_) {
        parent_->InvalidateRect(BoundsRect());
        if (align_ != alNone) parent_->AlignControls();
    }
}

void TControl::StoreBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::SetAlign(TAlign value) {
    if (value == align_) return;
    align_ = value;
    if (parent_) parent_->AlignControls();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("Un contr\xC3\xB4le ne peut pas \xC3\xAAtre son propre parent");
    if (parent_) {
        parent_->InvalidateRect(BoundsRect());
        parent_->RemoveControl(this);
    }
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        ParentColorChanged();
        ParentFontChanged();
        if (parentShowHint_) showHint_ = parent_->ShowHint();
        Invalidate();
        if (align_ != alNone) parent_->AlignControls();
    }
}

void TControl::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    VisibleChanged();
    if (parent_ && align_ != alNone) parent_->AlignControls();
}

void TControl::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    EnabledChanged();
}

void TControl::SetColor(TColor value) {
    if (value == color_) return;
    color_ = value;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    if (value) ParentColorChanged();
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    if (value) ParentFontChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_ || parent_->Color() == color_) return;
    color_ = parent_->Color();
    ColorChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_ || parent_->Font() == font_) return;
    applyingParentFont_ = true;
    try {
        font_.Assign(parent_->Font());
    } catch (...) {
        applyingParentFont_ = false;
        throw;
    }
    applyingParentFont_ = false;
}

void TControl::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    TextChanged();
}

void TControl::SetShowHint(bool value) {
    parentShowHint_ = false;
    if (value == showHint_) return;
    showHint_ = value;
    SpreadShowHint(*this);
}

void TControl::SetParentShowHint(bool value) {
    parentShowHint_ = value;
    if (value && parent_ && parent_->ShowHint() != showHint_) {
        showHint_ = parent_->ShowHint();
        SpreadShowHint(*this);
    }
}

void TControl::Invalidate() {
    if (parent_) parent_->InvalidateRect(BoundsRect());
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::TextChanged() { Invalidate(); }
void TControl::FontChanged() { Invalidate(); }
void TControl::ColorChanged() { Invalidate(); }
void TControl::VisibleChanged() {
    if (parent_) parent_->InvalidateRect(BoundsRect());
}
void TControl::EnabledChanged() { Invalidate(); }

void TControl::Click() {
    if (onClick_) onClick_(this);
}

void TControl::DblClick() {
    if (onDblClick_) onDblClick_(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (onMouseDown_) onMouseDown_(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (onMouseMove_) onMouseMove_(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (onMouseUp_) onMouseUp_(this, button, shift, x, y);
}

const TClassInfo& TControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TControl;
        TClassInfo c("TControl", &TComponent::StaticClassInfo());
        // What every control stores: its place, its pointer and its hint.
        c.Publish(IntegerProperty("Left", &C::Left, &C::SetLeft));
        c.Publish(IntegerProperty("Top", &C::Top, &C::SetTop));
        c.Publish(IntegerProperty("Width", &C::Width, &C::SetWidth));
        c.Publish(IntegerProperty("Height", &C::Height, &C::SetHeight));
        c.Publish(CursorProperty("Cursor", &C::Cursor, &C::SetCursor));
        c.Publish(StringProperty("Hint", &C::Hint, &C::SetHint));
        // What descendants may publish.
        c.Declare(EnumProperty("Align", AlignType(), &C::Align, &C::SetAlign));
        c.Declare(StringProperty("Caption", &C::Caption, &C::SetCaption));
        c.Declare(StringProperty("Text", &C::Text, &C::SetText));
        c.Declare(ColorProperty("Color", &C::Color, &C::SetColor));
        c.Declare(CursorProperty("DragCursor", &C::DragCursor, &C::SetDragCursor));
        c.Declare(EnumProperty("DragMode", DragModeType(), &C::DragMode, &C::SetDragMode));
        c.Declare(BooleanProperty("Enabled", &C::Enabled, &C::SetEnabled));
        c.Declare(FontProperty<C>("Font", [](C& control) -> TFont& { return control.Font(); }));
        c.Declare(BooleanProperty("ParentColor", &C::ParentColor, &C::SetParentColor));
        c.Declare(BooleanProperty("ParentFont", &C::ParentFont, &C::SetParentFont));
        c.Declare(BooleanProperty("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint));
        c.Declare(ComponentProperty("PopupMenu", &C::PopupMenu, &C::SetPopupMenu));
        c.Declare(BooleanProperty("ShowHint", &C::ShowHint, &C::SetShowHint));
        c.Declare(BooleanProperty("Visible", &C::Visible, &C::SetVisible));
        c.Declare(EventProperty("OnClick", &C::OnClick, &C::SetOnClick));
        c.Declare(EventProperty("OnDblClick", &C::OnDblClick, &C::SetOnDblClick));
        c.Declare(EventProperty("OnDragDrop", &C::OnDragDrop, &C::SetOnDragDrop));
        c.Declare(EventProperty("OnDragOver", &C::OnDragOver, &C::SetOnDragOver));
        c.Declare(EventProperty("OnEndDrag", &C::OnEndDrag, &C::SetOnEndDrag));
        c.Declare(EventProperty("OnMouseDown", &C::OnMouseDown, &C::SetOnMouseDown));
        c.Declare(EventProperty("OnMouseMove", &C::OnMouseMove, &C::SetOnMouseMove));
        c.Declare(EventProperty("OnMouseUp", &C::OnMouseUp, &C::SetOnMouseUp));
        return c;
    }();
    return info;
}

}  // namespace tresilva
