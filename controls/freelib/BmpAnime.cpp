#include "controls/freelib/BmpAnime.h"

#include "controls/freelib/ImageCtrl.h"
#include "controls/freelib/ImageListAccess.h"
#include "platform/data/StringList.h"
#include "platform/ui/Properties.h"
#include "platform/ui/Reader.h"

namespace tresilva {

TBmpAnime::TBmpAnime(TComponent* owner) : TCustomControl(owner) {
    SetHeight(150);
    SetWidth(150);
    // The window's background is never erased: what lies outside the frame stays.
    SetBrushStyle(bsClear);
    imageList_ = std::make_unique<TImageListAccess>(frames_, *this);
    index_ = 0;
    autoSize_ = false;
    center_ = false;
    stretch_ = false;
    timer_ = new TTimer(this);
    timer_->SetInterval(80);
    timer_->SetEnabled(true);
    timer_->SetOnTimer([this](TObject* sender) { NextFrame(sender); });
    // The first animation of a run makes its frame class known to the layout reader.
    static const bool registered = [] {
        RegisterClass(TImageCtrl::StaticClassInfo());
        return true;
    }();
    (void)registered;
}

TBmpAnime::~TBmpAnime() {
    // The view and the list go first; the frames are freed as child controls
    // by the base, the timer as an owned component.
    imageList_.reset();
    frames_.clear();
}

bool TBmpAnime::Active() {
    index_ = 0;
    return timer_->Enabled();
}

void TBmpAnime::SetActive(bool value) {
    timer_->SetEnabled(value);
    index_ = 0;
}

std::int32_t TBmpAnime::AnimationSpeed() const { return static_cast<std::int32_t>(timer_->Interval()); }

void TBmpAnime::SetAnimationSpeed(std::int32_t value) { timer_->SetInterval(static_cast<std::uint32_t>(value)); }

void TBmpAnime::SetAutoSize(bool value) {
    autoSize_ = value;
    Repaint();
}

void TBmpAnime::SetCenter(bool value) {
    if (value == center_) return;
    center_ = value;
    Repaint();
}

void TBmpAnime::SetStretch(bool value) {
    stretch_ = value;
    Repaint();
}

TStrings& TBmpAnime::ImageList() { return *imageList_; }

void TBmpAnime::SetImageList(const TStrings& value) {
    imageList_->Assign(value);
    Repaint();
}

void TBmpAnime::NextFrame(TObject*) {
    if (index_ < static_cast<int>(frames_.size()) - 1) {
        ++index_;
    } else {
        index_ = 0;
    }
    Repaint();
}

void TBmpAnime::Paint() {
    TCanvas& canvas = Canvas();
    if (frames_.empty()) {
        // The canvas's pen and brush are never changed: a black outline filled with white.
        canvas.Rectangle(0, 0, Width(), Height());
        return;
    }
    SetBrushStyle(bsClear);
    // Frames removed since the last tick may leave the index past the end.
    if (index_ < 0 || index_ >= static_cast<int>(frames_.size())) index_ = 0;
    const TBitmap& bitmap = frames_[static_cast<std::size_t>(index_)]->Bmp();
    const int bw = bitmap.Width();
    const int bh = bitmap.Height();
    if (autoSize_) SetBounds(Left(), Top(), bw, bh);
    TRect target;
    if (stretch_) {
        target = Rect(0, 0, ClientWidth(), ClientHeight());
    } else if (center_) {
        // Halved with the quotient truncated toward zero, also when negative.
        target = Bounds((Width() - bw) / 2, (Height() - bh) / 2, bw, bh);
    } else {
        target = Rect(0, 0, bw, bh);
    }
    canvas.StretchDraw(target, bitmap);
}

void TBmpAnime::ReadState(TReader& reader) {
    imageList_->Clear();
    TComponent* const saved = reader.Owner();
    reader.SetOwner(this);
    try {
        TCustomControl::ReadState(reader);
    } catch (...) {
        reader.SetOwner(saved);
        throw;
    }
    reader.SetOwner(saved);
}

void TBmpAnime::GetChildren(const std::function<void(TComponent*)>& proc) const {
    for (TImageCtrl* frame : frames_) proc(frame);
}

namespace {

// The frame names as a layout sees a string-list property.
TPropInfo ImageListProperty() {
    TPropInfo p;
    p.Name = "ImageList";
    p.Kind = TTypeKind::Strings;
    p.GetStrings = [](TObject& o) {
        TStrings& list = detail::As<TBmpAnime>(o).ImageList();
        TStringVector names;
        for (int i = 0; i < list.Count(); ++i) names.push_back(list.Strings(i));
        return names;
    };
    p.SetStrings = [](TObject& o, const TStringVector& names) {
        TStringList source;
        for (const std::string& name : names) source.Add(name);
        detail::As<TBmpAnime>(o).SetImageList(source);
    };
    return p;
}

}  // namespace

const TClassInfo& TBmpAnime::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TBmpAnime;
        TClassInfo c("TBmpAnime", &TCustomControl::StaticClassInfo(), MakeFactory<TBmpAnime>());
        c.InheritAll();
        c.Publish(BooleanProperty("Active", &C::Active, &C::SetActive));
        c.Publish(IntegerProperty("AnimationSpeed", &C::AnimationSpeed, &C::SetAnimationSpeed));
        c.Publish(BooleanProperty("AutoSize", &C::AutoSize, &C::SetAutoSize));
        c.Publish(BooleanProperty("Center", &C::Center, &C::SetCenter));
        c.Publish(ImageListProperty());
        c.Publish(BooleanProperty("Stretch", &C::Stretch, &C::SetStretch));
        for (const char* name : {"Align", "ParentShowHint", "PopupMenu", "ShowHint", "Visible", "OnClick", "OnDblClick"})
            c.Inherit(name);
        return c;
    }();
    return info;
}

void RegisterBmpAnime() {
    RegisterClass(TBmpAnime::StaticClassInfo());
    RegisterClass(TImageCtrl::StaticClassInfo());
}

}  // namespace tresilva
