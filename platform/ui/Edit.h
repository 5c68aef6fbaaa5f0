#pragma once
// A single-line edit field (a Qt line edit in the classic look). Text is the
// field's text; OnChange runs whenever it changes.
#include "platform/ui/StdControl.h"

namespace tresilva {

class TEdit : public TStdControl {
public:
    explicit TEdit(TComponent* owner);

    // At most this many characters may be typed; 0 for no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool CanFocus() const override { return true; }

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void TextChanged() override;
    void ColorChanged() override;

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool fromWidget_ = false;
    TNotifyEvent onChange_;
};

}  // namespace tresilva
