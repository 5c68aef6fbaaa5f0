// One QApplication for the whole test program, made before any test runs so
// that hosts get widgets (text alone would make a plain QGuiApplication).
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance()) return;
        static int argc = 1;
        static char name[] = "platform_ui_test";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    void TearDown() override {}

private:
    QApplication* app_ = nullptr;  // lives until the process ends
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
