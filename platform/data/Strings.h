#pragma once
// The abstract string list: strings with an attached, never owned, object
// pointer each. A descendant gives the storage (Get, GetCount, Insert, Delete,
// Clear and, if it keeps objects, GetObject and PutObject); every other
// operation is built on those, so a view such as an animation's frame list
// behaves like any list once it provides them.
#include <string>
#include <string_view>

namespace tresilva {

class TStrings {
public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;
    virtual ~TStrings() = default;

    // Storage operations.
    virtual std::string Get(int index) const = 0;
    virtual int GetCount() const = 0;
    // The base keeps no objects: every object reads as null.
    virtual void* GetObject(int index) const;
    // The base replaces a string by deleting it and inserting the new one with
    // the same object.
    virtual void Put(int index, const std::string& s);
    // The base keeps no objects, so replacing one does nothing.
    virtual void PutObject(int index, void* object);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // Moves the item at curIndex so that it ends up at newIndex.
    virtual void Move(int curIndex, int newIndex);
    virtual void Exchange(int index1, int index2);

    // Built on the storage operations.
    virtual int Add(const std::string& s);  // inserts at the end, gives the index
    virtual int AddObject(const std::string& s, void* object);
    virtual void InsertObject(int index, const std::string& s, void* object);
    // Clears this list, then adds every string of the source with its object,
    // in order, as one update. Assigning a list to itself changes nothing.
    void Assign(const TStrings& source);
    // Position of the first string equal to s without regard to letter case
    // (Unicode case folding), or -1.
    virtual int IndexOf(std::string_view s) const;
    int IndexOfObject(const void* object) const;

    int Count() const { return GetCount(); }
    std::string Strings(int index) const { return Get(index); }
    void* Objects(int index) const { return GetObject(index); }

    // Every string followed by a line feed.
    std::string Text() const;
    // Replaces the content by the lines of text (LF, CR LF or CR endings).
    void SetText(std::string_view text);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

protected:
    // Called when the update counter leaves or returns to zero.
    virtual void SetUpdateState(bool updating);
    [[noreturn]] static void IndexError();

private:
    int updateCount_ = 0;
};

}  // namespace tresilva
