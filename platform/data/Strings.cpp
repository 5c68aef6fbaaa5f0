#include "platform/data/Strings.h"

#include "platform/Errors.h"

#include <QString>

namespace tresilva {

void* TStrings::GetObject(int index) const {
    if (index < 0 || index >= GetCount()) IndexError();
    return nullptr;
}

void TStrings::Put(int index, const std::string& s) {
    void* object = GetObject(index);  // checks the index before anything changes
    BeginUpdate();
    try {
        Delete(index);
        InsertObject(index, s, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::PutObject(int, void*) {}

void TStrings::Move(int curIndex, int newIndex) {
    const int count = GetCount();
    if (curIndex < 0 || curIndex >= count || newIndex < 0 || newIndex >= count) IndexError();
    if (curIndex == newIndex) return;
    BeginUpdate();
    try {
        std::string s = Get(curIndex);
        void* object = GetObject(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2) {
    const int count = GetCount();
    if (index1 < 0 || index1 >= count || index2 < 0 || index2 >= count) IndexError();
    BeginUpdate();
    try {
        std::string s1 = Get(index1);
        void* o1 = GetObject(index1);
        Put(index1, Get(index2));
        PutObject(index1, GetObject(index2));
        Put(index2, s1);
        PutObject(index2, o1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::Add(const std::string& s) {
    const int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, void* object) {
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& s, void* object) {
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::Assign(const TStrings& source) {
    if (&source == this) return;
    BeginUpdate();
    try {
        Clear();
        for (int i = 0; i < source.GetCount(); ++i) AddObject(source.Get(i), source.GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::IndexOf(std::string_view s) const {
    const QString wanted = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    for (int i = 0; i < GetCount(); ++i) {
        if (QString::fromStdString(Get(i)).compare(wanted, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const void* object) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (GetObject(i) == object) return i;
    }
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < GetCount(); ++i) {
        text += Get(i);
        text += '\n';
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    try {
        Clear();
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string_view::npos) {
                Add(std::string(text.substr(start)));
                break;
            }
            Add(std::string(text.substr(start, end - start)));
            start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::IndexError() { throw EListError(); }

}  // namespace tresilva
