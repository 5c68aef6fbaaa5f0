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
