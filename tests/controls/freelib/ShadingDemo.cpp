// A test window showing the main window's stack of shading controls, for a
// look under a real X server:
//   shading_demo [seconds [surface.bmp]]
// closes itself after `seconds` (0: stays open) and can write its surface.
#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <fstream>

#include "tests/controls/freelib/MainWindowStack.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tresilva::test::MainWindowStack window(tresilva::quHi);
    window.ShowWindow();
    window.Update();
    if (argc > 2) {
        const std::vector<std::uint8_t> bytes = window.Surface().ToBmpBytes();
        std::ofstream(argv[2], std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<std::streamsize>(bytes.size()));
    }
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
    if (seconds > 0) QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
