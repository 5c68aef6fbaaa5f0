#include "platform/gfx/GuiApplication.h"

#include <QGuiApplication>
#include <cstdlib>

namespace tresilva {

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    // No display is needed to measure and rasterise text into images.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tresilva";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends; reachable through this static.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

}  // namespace tresilva

// Fontconfig keeps a few bytes of its parsed configuration for the life of the
// process and never frees them, and so does libdbus for the connection Qt opens
// on a real desktop; neither is ours to fix, so leak checks in sanitizer builds
// ignore them. Weak, so a program may give its own list.
#if defined(__SANITIZE_ADDRESS__)
#define TRESILVA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRESILVA_ASAN 1
#endif
#endif
#ifdef TRESILVA_ASAN
extern "C" __attribute__((weak, used)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif
