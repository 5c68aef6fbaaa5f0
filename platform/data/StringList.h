#pragma once
// A string list that stores its strings and their object pointers itself. It
// owns the strings, never the objects.
#include "platform/data/Strings.h"

#include <utility>
#include <vector>

namespace tresilva {

class TStringList : public TStrings {
public:
    TStringList() = default;

    std::string Get(int index) const override;
    int GetCount() const override;
    void* GetObject(int index) const override;
    void Put(int index, const std::string& s) override;
    void PutObject(int index, void* object) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, void* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Move(int curIndex, int newIndex) override;
    void Exchange(int index1, int index2) override;

private:
    void Check(int index) const;
    std::vector<std::pair<std::string, void*>> items_;
};

}  // namespace tresilva
