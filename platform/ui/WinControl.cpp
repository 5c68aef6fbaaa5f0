#include "platform/ui/WinControl.h"

#include <QApplication>
#include <QPointer>
#include <QRegion>
#include <algorithm>

#include "platform/ui/GraphicControl.h"
#include "platform/ui/HostWidget.h"
#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

bool WidgetsAvailable() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

}  // namespace

struct TWinControl::Display {
    QRegion pending;  // invalid, composed on the next paint cycle
    QPointer<QWidget> widget;
    bool syncing = false;
};

TWinControl::TWinControl(TComponent* owner) : TControl(owner), display_(std::make_unique<Display>()) {}

TWinControl::~TWinControl() {
    // Children first: each one unhooks itself from this list as it goes.
    while (!controls_.empty()) {
        TControl* last = controls_.back();
        delete last;
        if (!controls_.empty() && controls_.back() == last) controls_.pop_back();
    }
    if (display_->widget) {
        if (auto* host = dynamic_cast<HostWidget*>(display_->widget.data())) host->Detach();
        delete display_->widget.data();
    }
}

// --- children -------------------------------------------------------------------

void TWinControl::InsertControl(TControl* child) { controls_.push_back(child); }

void TWinControl::RemoveControl(TControl* child) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), child), controls_.end());
}

void TWinControl::BringToFront(TControl* child) {
    auto it = std::find(controls_.begin(), controls_.end(), child);
    if (it == controls_.end()) return;
    controls_.erase(it);
    controls_.push_back(child);
    child->Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(child); w && w->Widget()) w->Widget()->raise();
}

void TWinControl::SendToBack(TControl* child) {
    auto it = std::find(controls_.begin(), controls_.end(), child);
    if (it == controls_.end()) return;
    controls_.erase(it);
    controls_.insert(controls_.begin(), child);
    child->Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(child); w && w->Widget()) w->Widget()->lower();
}

TControl* TWinControl::ControlAtPos(TPoint point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c)) continue;  // windows get their own mouse
        if (c->Visible() && c->Enabled() && c->BoundsRect().Contains(point.X, point.Y)) return c;
    }
    return nullptr;
}

TControl* TWinControl::HitTest(TPoint point) const {
    if (TControl* c = ControlAtPos(point)) return c;
    return const_cast<TWinControl*>(this);
}

void TWinControl::AlignControls() {
    if (aligning_) return;
    aligning_ = true;
    try {
        TRect rest = Rect(0, 0, ClientWidth(), ClientHeight());
        for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
            for (TControl* c : std::vector<TControl*>(controls_)) {
                if (c->Align() != pass || !c->Visible()) continue;
                switch (pass) {
                    case alTop:
                        c->SetBounds(rest.Left, rest.Top, rest.Width(), c->Height());
                        rest.Top += c->Height();
                        break;
                    case alBottom:
                        c->SetBounds(rest.Left, rest.Bottom - c->Height(), rest.Width(), c->Height());
                        rest.Bottom -= c->Height();
                        break;
                    case alLeft:
                        c->SetBounds(rest.Left, rest.Top, c->Width(), rest.Height());
                        rest.Left += c->Width();
                        break;
                    case alRight:
                        c->SetBounds(rest.Right - c->Width(), rest.Top, c->Width(), rest.Height());
                        rest.Right -= c->Width();
                        break;
                    default:
                        c->SetBounds(rest.Left, rest.Top, rest.Width(), rest.Height());
                        break;
                }
            }
        }
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

// --- size, parent, state -----------------------------------------------------------

void TWinControl::SetClientSize(int width, int height) {
    const TRect client = ClientBounds();
    SetBounds(Left(), Top(), width + (Width() - client.Width()), height + (Height() - client.Height()));
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    const bool resized = width != Width() || height != Height();
    StoreBounds(left, top, width, height);
    if (resized) ResizeSurface();
    SyncWidgetGeometry();
    if (Parent() && Align() != alNone) Parent()->AlignControls();
    if (resized) AlignControls();
}

void TWinControl::ResizeSurface() {
    const TRect client = ClientBounds();
    const int w = std::max(0, client.Width());
    const int h = std::max(0, client.Height());
    if (w == surface_.Width() && h == surface_.Height()) return;
    surface_.SetSize(w, h);
    display_->pending = QRegion();
    InvalidateRect(Rect(0, 0, w, h));
}

void TWinControl::SyncWidgetGeometry() {
    QWidget* w = display_->widget;
    if (!w || display_->syncing) return;
    display_->syncing = true;
    if (w->isWindow()) {
        w->resize(std::max(0, Width()), std::max(0, Height()));
    } else {
        w->setGeometry(Left(), Top(), std::max(0, Width()), std::max(0, Height()));
    }
    display_->syncing = false;
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    TControl::SetParent(parent);
    if (QWidget* w = display_->widget) {
        QWidget* parentWidget = parent ? parent->Widget() : nullptr;
        w->setParent(parentWidget);
        SyncWidgetGeometry();
        if (parentWidget) w->setVisible(Visible());
    }
    if (parent && parent->Realised()) Realise();
}

void TWinControl::SetBrushStyle(TBrushStyle style) {
    if (style == brushStyle_) return;
    brushStyle_ = style;
    Invalidate();
}

void TWinControl::VisibleChanged() {
    TControl::VisibleChanged();
    QWidget* w = display_->widget;
    if (Parent()) {
        if (w) w->setVisible(Visible());
    } else if (Visible()) {
        // A window read from a layout is shown once the layout is complete.
        if (!HasState(csReading | csLoading)) ShowWindow();
    } else if (w) {
        w->hide();
    }
}

void TWinControl::EnabledChanged() {
    if (QWidget* w = display_->widget) w->setEnabled(Enabled());
    Invalidate();
}

void TWinControl::FontChanged() {
    for (TControl* c : std::vector<TControl*>(controls_)) c->ParentFontChanged();
    Invalidate();
}

void TWinControl::ColorChanged() {
    for (TControl* c : std::vector<TControl*>(controls_)) c->ParentColorChanged();
    Invalidate();
}

// --- realisation ------------------------------------------------------------------------

void TWinControl::Realise() {
    if (realised_) return;
    if (Parent() && !Parent()->Realised()) {
        Parent()->Realise();  // realises this one among its children
        if (realised_) return;
    }
    realised_ = true;
    if (WidgetsAvailable() && !display_->widget) {
        QWidget* parentWidget = Parent() ? Parent()->Widget() : nullptr;
        display_->widget = CreateWidget(parentWidget);
        SyncWidgetGeometry();
        if (parentWidget) display_->widget->setVisible(Visible());
        display_->widget->setEnabled(Enabled());
    }
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->Realise();
    }
    InvalidateRect(Rect(0, 0, surface_.Width(), surface_.Height()));
}

void TWinControl::ShowWindow() {
    StoreVisible(true);
    Realise();
    if (QWidget* w = display_->widget) w->show();
}

QWidget* TWinControl::CreateWidget(QWidget* parentWidget) { return new HostWidget(*this, parentWidget); }

QWidget* TWinControl::Widget() const { return display_->widget; }

// --- painting -----------------------------------------------------------------------------

void TWinControl::PaintBackground(TCanvas& canvas, const TRect& area) {
    if (brushStyle_ == bsClear) return;
    canvas.Brush().Color = Color();
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(area);
}

void TWinControl::PaintWindow(const TRect&) {}

void TWinControl::PaintArea(const TRect& area) {
    const TRect a = Intersect(area, Rect(0, 0, surface_.Width(), surface_.Height()));
    if (a.IsEmpty()) return;
    struct Depth {
        int& count;
        explicit Depth(int& c) : count(c) { ++count; }
        ~Depth() { --count; }
    } depth(painting_);
    TCanvas canvas(surface_, TPoint{0, 0}, a);
    PaintBackground(canvas, a);
    PaintWindow(a);
    // By index: a paint may add or remove children; each one is painted once at most.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        auto* g = dynamic_cast<TGraphicControl*>(controls_[i]);
        if (!g || !g->Visible()) continue;
        if (Intersect(a, g->BoundsRect()).IsEmpty()) continue;
        g->PaintFromHost(a);
    }
}

void TWinControl::InvalidateRect(const TRect& area) {
    const TRect a = Intersect(area, Rect(0, 0, surface_.Width(), surface_.Height()));
    if (a.IsEmpty()) return;
    display_->pending += ToQRect(a);
    if (QWidget* w = display_->widget) {
        const TRect client = ClientBounds();
        w->update(ToQRect(Offset(a, client.Left, client.Top)));
    }
}

void TWinControl::RepaintRect(const TRect& area) {
    if (!realised_ || Painting()) {
        InvalidateRect(area);
        return;
    }
    const TRect a = Intersect(area, Rect(0, 0, surface_.Width(), surface_.Height()));
    if (a.IsEmpty()) return;
    // Taken off the pending region first: what the paint marks anew stays.
    display_->pending -= ToQRect(a);
    PaintArea(a);
    ShowArea(a);
}

void TWinControl::ShowArea(const TRect& area) {
    QWidget* w = display_->widget;
    if (!w) return;
    const TRect client = ClientBounds();
    w->update(ToQRect(Offset(area, client.Left, client.Top)));
}

void TWinControl::Invalidate() {
    InvalidateRect(Rect(0, 0, surface_.Width(), surface_.Height()));
}

void TWinControl::Repaint() { RepaintRect(Rect(0, 0, surface_.Width(), surface_.Height())); }

void TWinControl::ProcessPending() {
    if (!realised_ || Painting()) return;
    // Marks made while composing stay for the next cycle.
    const QRegion region = std::exchange(display_->pending, QRegion());
    for (const QRect& r : region) PaintArea(FromQRect(r));
}

void TWinControl::Update() {
    if (!realised_ || Painting() || display_->pending.isEmpty()) return;
    const QRect bounds = display_->pending.boundingRect();
    ProcessPending();
    ShowArea(FromQRect(bounds));
}

TRect TWinControl::PendingBounds() const {
    if (display_->pending.isEmpty()) return TRect{};
    return FromQRect(display_->pending.boundingRect());
}

const TClassInfo& TWinControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TWinControl", &TControl::StaticClassInfo());
        c.InheritAll();
        return c;
    }();
    return info;
}

}  // namespace tresilva
