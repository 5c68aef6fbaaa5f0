#pragma once
// A drop-down list of fixed items (a Qt combo box in the classic look).
// ItemIndex is the selected position, -1 for none; a position outside the
// items selects none. OnChange runs when the user picks an item.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/StdControl.h"

namespace tresilva {

enum TComboBoxStyle : std::uint8_t { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
const TEnumType& ComboBoxStyleType();

class TComboBox : public TStdControl {
public:
    explicit TComboBox(TComponent* owner);

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle value);
    const std::vector<std::string>& Items() const { return items_; }
    // New items; the selection stays where it still fits, else none.
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    // The height of an item of the list, in pixels.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int value);
    bool CanFocus() const override { return true; }

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;

private:
    void Sync();
    TComboBoxStyle style_ = csDropDown;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 13;
    int dropDownCount_ = 8;
    TNotifyEvent onChange_;
};

}  // namespace tresilva
