// Tresilva 99: the euro converter calculator. It reads no options.
#include <exception>

#include "app/Program.h"
#include "controls/cursors/HandCursors.h"
#include "platform/ui/Application.h"

int main(int argc, char** argv) {
    using namespace tresilva;
    // The hand pointers go into the cursor table before the application object
    // starts, as the controls expect to find them there from the first window on.
    RegisterHandCursors();
    Application.Initialize(argc, argv);
    int status = 0;
    try {
        CreateWindows();
    } catch (const std::exception& error) {
        status = Application.StartupFailed(error);
    }
    if (status == 0) Application.Run();
    Application.Finalize();
    return status;
}
