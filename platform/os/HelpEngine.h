#pragma once
// The help engine: a small help window of our own that shows a French HTML
// help file at a topic. The topic with context number N is the element whose
// id is "context-N". A missing file is reported through a replaceable message
// hook with "Fichier d'aide introuvable : <path>".
#include <functional>
#include <string>
#include <string_view>

namespace tresilva {

class THelpEngine {
public:
    virtual ~THelpEngine() = default;
    virtual void ShowTopic(const std::string& file, int context) = 0;
};

// The engine in use: the help window, unless a test installed its own.
THelpEngine& CurrentHelpEngine();
void SetHelpEngine(THelpEngine* engine);  // not owned; null puts the window back

// Shows file at topic context through the current engine.
void ShowHelp(std::string_view file, int context);

// The anchor of a topic: "context-1" for 1.
std::string HelpTopicAnchor(int context);

// How the help window reports a problem; by default a warning box. An empty
// hook puts the default back.
using THelpMessageHook = std::function<void(const std::string& message)>;
void SetHelpMessageHook(THelpMessageHook hook);

// The window title and the object name of the help window.
inline constexpr const char* kHelpWindowTitle = "Aide";
inline constexpr const char* kHelpWindowObjectName = "tresilvaHelpWindow";

}  // namespace tresilva
