// The layout reader: any text either reads into a tree, which is then walked
// through a builder that knows only some names, or gives a layout error.
#include "platform/data/LayoutBuilder.h"
#include "platform/data/LayoutParser.h"

#include "tests/fuzz/FuzzSeeds.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Node {
    std::vector<std::unique_ptr<Node>> children;
};

class Builder : public tresilva::TLayoutBuilder<Node> {
public:
    Node* CreateChild(std::string_view className, std::string_view, Node& parent, Node&) override {
        if (className.size() % 3 == 0) throw tresilva::ELayoutUnknownClass();
        parent.children.push_back(std::make_unique<Node>());
        return parent.children.back().get();
    }
    void SetProperty(Node&, std::string_view property, const tresilva::TLayoutValue& value) override {
        if (property.size() % 5 == 0) throw tresilva::ELayoutUnknownProperty();
        if (value.kind == tresilva::TLayoutValueKind::Binary && value.bytes.size() % 2 == 1) throw tresilva::EInvalidGraphic();
    }
    void BindEvent(Node&, std::string_view, std::string_view handler) override {
        if (handler.size() % 2 == 0) throw tresilva::ELayoutUnknownHandler();
    }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    tresilva::fuzz::AddSeeds(argc, argv, "layout.dict", "form.layout");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tresilva::TAssetLookup assets = [](std::string_view name) -> std::optional<std::vector<std::uint8_t>> {
        if (!name.empty() && name[0] == 'a') return std::vector<std::uint8_t>(name.begin(), name.end());
        return std::nullopt;
    };
    try {
        const tresilva::TLayout layout = tresilva::ParseLayout(text, "fuzz.layout", assets);
        Node root;
        Builder builder;
        tresilva::WalkLayout(layout, builder, root);
    } catch (const tresilva::ELayoutError&) {
    }
    return 0;
}
