#include "platform/ui/PopupMenu.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "platform/ui/ClassicLook.h"
#include "platform/ui/Properties.h"
#include "platform/ui/Reader.h"

namespace tresilva {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : items_) item->parent_ = nullptr;
    if (parent_) parent_->Remove(this);
}

void TMenuItem::Add(TMenuItem* item) {
    if (!item || item == this) return;
    if (item->parent_) item->parent_->Remove(item);
    items_.push_back(item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    const auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Click() {
    if (onClick_) onClick_(this);
}

void TMenuItem::ReadState(TReader& reader) {
    if (auto* menu = dynamic_cast<TPopupMenu*>(reader.Parent())) {
        menu->Items().Add(this);
    } else if (auto* item = dynamic_cast<TMenuItem*>(reader.Parent())) {
        item->Add(this);
    }
    TComponent::ReadState(reader);
}

const TClassInfo& TMenuItem::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TMenuItem;
        TClassInfo c("TMenuItem", &TComponent::StaticClassInfo(), MakeFactory<TMenuItem>());
        c.Publish(StringProperty("Caption", &C::Caption, &C::SetCaption));
        c.Publish(BooleanProperty("Checked", &C::Checked, &C::SetChecked));
        c.Publish(BooleanProperty("Enabled", &C::Enabled, &C::SetEnabled));
        c.Publish(BooleanProperty("Visible", &C::Visible, &C::SetVisible));
        c.Publish(EventProperty("OnClick", &C::OnClick, &C::SetOnClick));
        return c;
    }();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {}

TPopupMenu::~TPopupMenu() { delete items_; }

namespace {

void Fill(QMenu& menu, TMenuItem& item, TMenuItem*& chosen) {
    for (int i = 0; i < item.Count(); ++i) {
        TMenuItem* child = item.Items(i);
        if (!child->Visible()) continue;
        if (child->IsLine()) {
            menu.addSeparator();
            continue;
        }
        const QString text = QString::fromStdString(child->Caption());
        if (child->Count() > 0) {
            QMenu* sub = menu.addMenu(text);
            sub->setEnabled(child->Enabled());
            Fill(*sub, *child, chosen);
            continue;
        }
        QAction* action = menu.addAction(text);
        action->setEnabled(child->Enabled());
        action->setCheckable(child->Checked());
        action->setChecked(child->Checked());
        QObject::connect(action, &QAction::triggered, action, [child, &chosen] { chosen = child; });
    }
}

}  // namespace

void TPopupMenu::Popup(int x, int y) {
    TMenuItem* chosen = nullptr;
    {
        QMenu menu;
        ApplyClassicLook(menu);
        Fill(menu, *items_, chosen);
        menu.exec(QPoint(x, y));
    }
    // The item's action runs once the menu is gone.
    if (chosen) chosen->Click();
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TPopupMenu;
        TClassInfo c("TPopupMenu", &TComponent::StaticClassInfo(), MakeFactory<TPopupMenu>());
        c.Publish(BooleanProperty("AutoPopup", &C::AutoPopup, &C::SetAutoPopup));
        return c;
    }();
    return info;
}

}  // namespace tresilva
