#include "controls/freelib/ImageListAccess.h"

#include <utility>

#include "controls/freelib/BmpAnime.h"
#include "controls/freelib/ImageCtrl.h"

namespace tresilva {

TImageListAccess::TImageListAccess(std::vector<TImageCtrl*>& list, TBmpAnime& anime) : list_(list), anime_(anime) {}

void TImageListAccess::CheckIndex(int index) const {
    if (index < 0 || index >= GetCount()) IndexError();
}

TImageCtrl* TImageListAccess::Frame(int index) const {
    CheckIndex(index);
    return list_[static_cast<std::size_t>(index)];
}

std::string TImageListAccess::Get(int index) const { return Frame(index)->Caption(); }

int TImageListAccess::GetCount() const { return static_cast<int>(list_.size()); }

void* TImageListAccess::GetObject(int index) const { return Frame(index); }

void TImageListAccess::Put(int index, const std::string& s) { Frame(index)->SetCaption(s); }

void TImageListAccess::Clear() {
    // Each frame leaves the list as it is freed; the copy keeps the order.
    const std::vector<TImageCtrl*> frames = list_;
    for (TImageCtrl* frame : frames) delete frame;
    list_.clear();
}

void TImageListAccess::Delete(int index) {
    TImageCtrl* frame = Frame(index);
    list_.erase(list_.begin() + index);
    delete frame;
}

void TImageListAccess::Insert(int index, const std::string& s) {
    auto* frame = new TImageCtrl(&anime_);
    frame->SetParent(&anime_);
    frame->SetCaption(s);
    if (index < 0 || index > GetCount()) IndexError();
    list_.insert(list_.begin() + index, frame);
}

void TImageListAccess::Move(int curIndex, int newIndex) {
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    if (curIndex == newIndex) return;
    std::swap(list_[static_cast<std::size_t>(curIndex)], list_[static_cast<std::size_t>(newIndex)]);
}

}  // namespace tresilva
