#pragma once
// A windowed control that shows its frames one after the other on a timer,
// drawn at the top-left corner, centred, or stretched over the control. It
// runs from the moment it exists (80 ms a frame).
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/data/Strings.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Timer.h"

namespace tresilva {

class TImageCtrl;
class TImageListAccess;
class TReader;

class TBmpAnime : public TCustomControl {
public:
    // 150 x 150, no frames, running at 80 ms.
    explicit TBmpAnime(TComponent* owner);
    ~TBmpAnime() override;

    // Whether the timer runs; reading it also sends the animation back to
    // its first frame (without repainting).
    bool Active();
    // Starts or stops the timer and goes back to the first frame; no repaint.
    void SetActive(bool value);
    // The timer interval in milliseconds; the timer takes it as an unsigned
    // count (a negative speed is a very long one). No repaint.
    std::int32_t AnimationSpeed() const;
    void SetAnimationSpeed(std::int32_t value);
    // Give the control the size of the frame shown. Repaints, even unchanged.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    // Centre the frame. Repaints only on a change.
    bool Center() const { return center_; }
    void SetCenter(bool value);
    // Stretch the frame over the client area (wins over Center). Repaints, even unchanged.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    // The frames as a string list (names, with the frames as objects).
    TStrings& ImageList();
    // Replaces every frame by one frame per source string, with an empty image; repaints.
    void SetImageList(const TStrings& value);

    // The frame list, in display order (the animation owns the list, not the frames).
    std::vector<TImageCtrl*>& Frames() { return frames_; }
    const std::vector<TImageCtrl*>& Frames() const { return frames_; }
    // The index of the frame shown.
    int FrameIndex() const { return index_; }
    TTimer& FrameTimer() { return *timer_; }

    // The timer's tick: the next frame, after the last the first; repaints at once.
    void NextFrame(TObject* sender);

    // Read from a layout: the frames go first, then the properties and the
    // frames stored in the layout are read with the reader's owner set to
    // the animation.
    void ReadState(TReader& reader) override;
    // The frames, in list order, as the children a layout stores.
    void GetChildren(const std::function<void(TComponent*)>& proc) const;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;

private:
    friend class TImageCtrl;
    std::vector<TImageCtrl*> frames_;
    std::unique_ptr<TImageListAccess> imageList_;
    int index_ = 0;
    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
    TTimer* timer_ = nullptr;  // owned as a component
};

// Makes TBmpAnime and TImageCtrl known to the layout reader by class name.
void RegisterBmpAnime();

}  // namespace tresilva
