#include "platform/data/StringList.h"

#include <algorithm>

namespace tresilva {

void TStringList::Check(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) IndexError();
}

std::string TStringList::Get(int index) const {
    Check(index);
    return items_[static_cast<std::size_t>(index)].first;
}

int TStringList::GetCount() const { return static_cast<int>(items_.size()); }

void* TStringList::GetObject(int index) const {
    Check(index);
    return items_[static_cast<std::size_t>(index)].second;
}

void TStringList::Put(int index, const std::string& s) {
    Check(index);
    items_[static_cast<std::size_t>(index)].first = s;
}

void TStringList::PutObject(int index, void* object) {
    Check(index);
    items_[static_cast<std::size_t>(index)].second = object;
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, void* object) {
    if (index < 0 || index > static_cast<int>(items_.size())) IndexError();
    items_.insert(items_.begin() + index, {s, object});
}

void TStringList::Delete(int index) {
    Check(index);
    items_.erase(items_.begin() + index);
}

void TStringList::Clear() { items_.clear(); }

void TStringList::Move(int curIndex, int newIndex) {
    Check(curIndex);
    Check(newIndex);
    if (curIndex == newIndex) return;
    auto item = std::move(items_[static_cast<std::size_t>(curIndex)]);
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, std::move(item));
}

void TStringList::Exchange(int index1, int index2) {
    Check(index1);
    Check(index2);
    std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
}

}  // namespace tresilva
