#pragma once
// The layout reader: turns a layout tree (platform/data/LayoutParser.h) into
// live objects under a root component (the window reading its own layout).
//
// Reading starts with the root: ReadRoot() calls root.ReadState(*this), whose
// default calls ReadData(root). ReadData sets the object's properties in file
// order through the published setters (with csReading set on it), then reads
// its child objects in order: each one created by class name (the class
// registry) with owner Root() and parent the object being read, then handed
// the reader through its ReadState. After every object is read, each one's
// Loaded() runs (in reading order) and csLoading / csReading are cleared.
//
// Every failure is an ELayoutError naming the file and the line: malformed
// text, an unknown class, property, event or handler, a bad value, or any
// error a setter raises.
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/LayoutError.h"
#include "platform/data/LayoutTree.h"
#include "platform/ui/Properties.h"

namespace tresilva {

class TComponent;

class TReader {
public:
    // The layout must outlive the reader.
    TReader(const TLayout& layout, TComponent& root);
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;

    TComponent* Root() const { return root_; }
    // The reader's current owner (Root() unless a ReadState hook changes it).
    TComponent* Owner() const { return owner_; }
    void SetOwner(TComponent* owner) { owner_ = owner; }
    // The object whose children are being read: the parent of the object
    // being created and handed the reader; null while the root is read.
    TComponent* Parent() const { return parent_; }
    const std::string& FileName() const { return layout_.file; }

    // Reads the instance's properties, then its children (see above). Called
    // from ReadState for the object the reader has just handed itself to.
    void ReadData(TComponent& instance);

    // Reads the whole layout into the root, then runs Loaded on every object.
    void ReadRoot();

private:
    void ReadProperties(TComponent& instance, const TLayoutObject& node);
    void ReadChildren(TComponent& instance, const TLayoutObject& node);

    // A reference to another component, set once every object exists.
    struct Fixup {
        TComponent* object;
        TPropInfo property;
        std::string name;
        int line;
        std::string where;
    };

    const TLayout& layout_;
    TComponent* root_;
    TComponent* owner_;
    TComponent* parent_ = nullptr;
    const TLayoutObject* next_ = nullptr;  // the node of the object next handed the reader
    std::vector<TComponent*> loaded_;      // every object read, in reading order
    std::vector<Fixup> fixups_;
};

// Parses a layout text and reads it into root (errors as above; `file` is the
// name used in messages). Asset references @'name' are looked up among the
// program resources.
void ReadLayoutText(TComponent& root, std::string_view text, const std::string& file);
// Reads the layout stored as a program resource of that name.
void ReadLayoutResource(TComponent& root, std::string_view resourceName);

}  // namespace tresilva
