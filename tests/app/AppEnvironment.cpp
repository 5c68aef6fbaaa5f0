// One QApplication for the whole test program, the hand cursors registered
// before it as the program does, and the application object set up on it.
#include <QApplication>
#include <gtest/gtest.h>

#include "controls/cursors/HandCursors.h"
#include "platform/ui/Application.h"

namespace {

class AppEnvironment : public testing::Environment {
public:
    void SetUp() override {
        tresilva::RegisterHandCursors();
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "app_test";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);  // lives until the process ends
        }
        tresilva::Application.Initialize();
    }
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new AppEnvironment);

}  // namespace
