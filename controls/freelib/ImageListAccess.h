#pragma once
// A string-list view over an animation's frames: each string is a frame's
// name and each object the frame itself. Inserting makes a new frame (owned
// by the animation, its child, with an empty image); deleting and clearing
// free frames. The view owns neither the list nor the frames.
#include <string>
#include <vector>

#include "platform/data/Strings.h"

namespace tresilva {

class TBmpAnime;
class TImageCtrl;

class TImageListAccess : public TStrings {
public:
    // Only keeps the two references.
    TImageListAccess(std::vector<TImageCtrl*>& list, TBmpAnime& anime);

    // Index errors ("Index liste hors bornes") come before anything changes.
    std::string Get(int index) const override;
    int GetCount() const override;
    // The frame itself (a TImageCtrl*).
    void* GetObject(int index) const override;
    // Renames the frame; its image stays.
    void Put(int index, const std::string& s) override;
    // Frees every frame, first to last, then empties the list.
    void Clear() override;
    void Delete(int index) override;
    // The new frame is made, parented and named before the index is checked:
    // on a bad index it stays a child of the animation, outside the list.
    void Insert(int index, const std::string& s) override;
    // Exchanges the frames at the two positions; those between keep their places.
    void Move(int curIndex, int newIndex) override;

    TImageCtrl* Frame(int index) const;

private:
    void CheckIndex(int index) const;
    std::vector<TImageCtrl*>& list_;
    TBmpAnime& anime_;
};

}  // namespace tresilva
