#pragma once
// A pop-up menu and its items. Items are components of the window; in a
// layout they are child objects of the menu (or of an item, for a submenu).
// A caption "-" is a separator line; "&" marks the access letter.
// Popup(x, y) opens the menu at a screen position and returns once it is
// closed, after the chosen item's OnClick.
#include <string>
#include <vector>

#include "platform/ui/Component.h"
#include "platform/ui/Events.h"

namespace tresilva {

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    bool Checked() const { return checked_; }
    void SetChecked(bool value) { checked_ = value; }
    bool IsLine() const { return caption_ == "-"; }

    // The submenu's items, in order.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return parent_; }

    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    // Runs OnClick (what choosing the item does).
    virtual void Click();

    // Joins the menu or item being read as one of its items.
    void ReadState(TReader& reader) override;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

private:
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TNotifyEvent onClick_;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // The root item: its items are the menu's.
    TMenuItem& Items() { return *items_; }
    // Whether a right click on a control that names this menu opens it.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }

    void Popup(int x, int y);

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

private:
    TMenuItem* items_;  // not one of the window's components
    bool autoPopup_ = true;
};

}  // namespace tresilva
