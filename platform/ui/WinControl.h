#pragma once
// A control with a window of its own, backed by a Qt widget (kept out of this
// header). A windowed control is also a host of windowless children: it owns
// a surface (an RGB bitmap the size of its client area, reallocated on
// resize) which is the truth of what the window shows.
//
// Painting an area: the host's background (none while the brush is clear),
// then PaintWindow (a self-painting control's own Paint), then every visible
// windowless child overlapping the area, in z-order, each through its clipped
// canvas. The Qt widget then shows the area, scaled by a whole-number factor
// on a high-density screen.
//
// A host that is not realised (not yet shown, or whose widget does not exist
// yet) only gathers invalid areas; composition needs no display, so tests
// create, lay out, realise and paint a host without a window system.
#include <memory>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Control.h"

class QWidget;  // the display side's widget, for the platform and tests only

namespace tresilva {

class TGraphicControl;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    // Frees the child controls, then the window.
    ~TWinControl() override;

    // --- children, in z-order (bottom first) ------------------------------------
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    // Moves a child to the top or bottom of the z-order.
    void BringToFront(TControl* child);
    void SendToBack(TControl* child);
    // The topmost visible, enabled windowless child containing a point (client
    // coordinates), or null.
    TControl* ControlAtPos(TPoint point) const;

    // --- client area and surface --------------------------------------------------
    // The client area within the control's bounds (the whole of it here; a
    // bordered window insets it). Children are placed in client coordinates.
    virtual TRect ClientBounds() const { return Rect(0, 0, Width(), Height()); }
    int ClientWidth() const { return ClientBounds().Width(); }
    int ClientHeight() const { return ClientBounds().Height(); }
    void SetClientSize(int width, int height);
    TBitmap& Surface() { return surface_; }
    const TBitmap& Surface() const { return surface_; }

    // The brush of the window's background; a clear brush paints none, so
    // what the surface held stays under the children.
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle style);

    // --- realisation ----------------------------------------------------------------
    bool Realised() const { return realised_; }
    // Realises the parent first, then this control and its windowed children;
    // the whole client area becomes invalid. Creates the Qt widget when a
    // QApplication exists (composition works without one).
    void Realise();
    // A top-level window: realises and shows it.
    void ShowWindow();

    // --- painting -------------------------------------------------------------------
    // Composes `area` (client coordinates) into the surface now; no showing.
    void PaintArea(const TRect& area);
    // Marks `area` invalid: the next paint cycle composes and shows it.
    void InvalidateRect(const TRect& area);
    // Composes `area` now and shows it; a host that is not realised, or that is
    // painting already, only invalidates.
    void RepaintRect(const TRect& area);
    // Shows `area` as the surface holds it, composing nothing (direct paints).
    void ShowArea(const TRect& area);
    // The whole client area.
    void Invalidate() override;
    void Repaint() override;
    // Processes the pending invalid areas now (composes and shows them).
    void Update() override;
    // True while the host composes; paints requested meanwhile only invalidate.
    bool Painting() const { return painting_ > 0; }
    // The bounding rectangle of what is pending (empty when nothing is).
    TRect PendingBounds() const;

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;

    // The display side's widget (null until realised with a QApplication).
    QWidget* Widget() const;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    // Fills the area with the resolved Color unless the brush is clear.
    virtual void PaintBackground(TCanvas& canvas, const TRect& area);
    // A self-painting control's own drawing of the area; nothing here.
    virtual void PaintWindow(const TRect& area);
    // Arranges the aligned children (top, bottom, left, right, then client).
    virtual void AlignControls();
    // Creates the display side's widget; a windowed control of another kind
    // (an edit field, a check box) returns its own Qt widget.
    virtual QWidget* CreateWidget(QWidget* parentWidget);
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void ColorChanged() override;

private:
    friend class TControl;
    friend class HostWidget;
    void InsertControl(TControl* child);
    void RemoveControl(TControl* child);
    void ResizeSurface();
    void SyncWidgetGeometry();
    void ProcessPending();
    TControl* HitTest(TPoint point) const;

    std::vector<TControl*> controls_;
    TBitmap surface_;
    TBrushStyle brushStyle_ = bsSolid;
    bool realised_ = false;
    int painting_ = 0;
    bool aligning_ = false;
    struct Display;
    std::unique_ptr<Display> display_;
};

}  // namespace tresilva
