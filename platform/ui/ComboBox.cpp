#include "platform/ui/ComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/Properties.h"

namespace tresilva {

const TEnumType& ComboBoxStyleType() {
    static const TEnumType type{"TComboBoxStyle",
                                {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};
    return type;
}

TComboBox::TComboBox(TComponent* owner) : TStdControl(owner) {
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    style_ = value;
    Sync();
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
    Sync();
}

void TComboBox::SetItemIndex(int value) {
    itemIndex_ = value >= 0 && value < static_cast<int>(items_.size()) ? value : -1;
    if (auto* box = qobject_cast<QComboBox*>(Widget())) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(itemIndex_);
    }
}

void TComboBox::SetItemHeight(int value) {
    itemHeight_ = std::max(1, value);
    Sync();
}

void TComboBox::SetDropDownCount(int value) {
    dropDownCount_ = std::max(1, value);
    if (auto* box = qobject_cast<QComboBox*>(Widget())) box->setMaxVisibleItems(dropDownCount_);
}

void TComboBox::Sync() {
    auto* box = qobject_cast<QComboBox*>(Widget());
    if (!box) return;
    const QSignalBlocker block(box);
    box->setEditable(style_ == csDropDown || style_ == csSimple);
    box->clear();
    for (const std::string& item : items_) box->addItem(QString::fromStdString(item));
    box->setCurrentIndex(itemIndex_);
    box->setMaxVisibleItems(dropDownCount_);
    if (QAbstractItemView* view = box->view()) {
        view->setStyleSheet(QStringLiteral("QAbstractItemView::item { height: %1px; }").arg(itemHeight_));
    }
}

QWidget* TComboBox::CreateWidget(QWidget* parentWidget) {
    auto* box = new QComboBox(parentWidget);
    PrepareWidget(*box);
    QObject::connect(box, &QComboBox::activated, box, [this](int index) {
        CallGuarded([&] {
            itemIndex_ = index;
            if (onChange_) onChange_(this);
        });
    });
    // Sync needs Widget(), which is this box only once created: fill it directly.
    box->setEditable(style_ == csDropDown || style_ == csSimple);
    for (const std::string& item : items_) box->addItem(QString::fromStdString(item));
    box->setCurrentIndex(itemIndex_);
    box->setMaxVisibleItems(dropDownCount_);
    return box;
}

const TClassInfo& TComboBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TComboBox;
        TClassInfo c("TComboBox", &TStdControl::StaticClassInfo(), MakeFactory<TComboBox>());
        c.InheritAll();
        c.Publish(EnumProperty("Style", ComboBoxStyleType(), &C::Style, &C::SetStyle));
        for (const char* name : {"Color", "DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentFont",
                                 "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible"}) {
            c.Inherit(name);
        }
        c.Publish(IntegerProperty("DropDownCount", &C::DropDownCount, &C::SetDropDownCount));
        c.Publish(IntegerProperty("ItemHeight", &C::ItemHeight, &C::SetItemHeight));
        c.Publish(StringsProperty("Items", &C::Items, &C::SetItems));
        c.Publish(IntegerProperty("ItemIndex", &C::ItemIndex, &C::SetItemIndex));
        c.Publish(EventProperty("OnChange", &C::OnChange, &C::SetOnChange));
        for (const char* name : {"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag"}) c.Inherit(name);
        return c;
    }();
    return info;
}

}  // namespace tresilva
