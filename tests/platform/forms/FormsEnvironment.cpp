// One QApplication for the whole test program, and the application object
// set up on it, before any test runs.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/ui/Application.h"

namespace {

class FormsEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "platform_forms_test";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);  // lives until the process ends
        }
        tresilva::Application.SetTitle("Tresilva test");
        tresilva::Application.Initialize();
    }
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new FormsEnvironment);

}  // namespace
