#pragma once
// A windowless control: it paints into its parent's surface.
//
// The host calls Paint when an area overlapping the control is repainted;
// then Canvas() has its origin at the control's top-left corner and writes
// clipped to the control's rectangle and the area being painted, while reads
// see the whole surface (what the host and the controls beneath have just
// painted there). A control may also call its own Paint directly: Canvas()
// then writes clipped to the control alone, and the host shows that area
// afterwards without recomposing anything beneath or above.
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Control.h"

namespace tresilva {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // The canvas over the control's area of the parent's surface. Without a
    // parent there is no surface: EInvalidOperation "Le contrôle '<Name>' n'a
    // pas de fenêtre parente".
    TCanvas& Canvas();
    bool HasCanvas() const { return Parent() != nullptr; }

    // The immediate repaint: the parent recomposes the control's rectangle
    // (its background, every windowless child beneath, this one and every one
    // above it) and shows it before returning. A parent that is not realised,
    // or that is painting already, only invalidates; so does a hidden control.
    void Repaint() override;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    // Draws the control through Canvas(). The default draws nothing.
    virtual void Paint();

private:
    friend class TWinControl;
    // The host's paint of `area` (parent client coordinates).
    void PaintFromHost(const TRect& area);
    void Target(const TRect& clip);
    std::unique_ptr<TCanvas> canvas_;
    bool hostPainting_ = false;
};

}  // namespace tresilva
