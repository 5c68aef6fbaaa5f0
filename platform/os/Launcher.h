#pragma once
// Launches that leave the program: an address opened with the desktop's
// default opener, and a program started from one path. Both go through a
// replaceable launcher, so tests can record them instead. The outcome of a
// launch is not reported: a failure gives no message.
#include <cstddef>
#include <string>
#include <string_view>

namespace tresilva {

class TLauncher {
public:
    virtual ~TLauncher() = default;
    // A complete address, scheme included.
    virtual void OpenUrl(const std::string& url) = 0;
    // One program path, started detached, with no arguments and never through
    // a shell.
    virtual void StartDetached(const std::string& program) = 0;
};

// The launcher in use: the desktop's, unless a test installed its own.
TLauncher& CurrentLauncher();
// Installs a launcher (not owned); null puts the desktop's back.
void SetLauncher(TLauncher* launcher);

// An address without a scheme is a web address: "www.x.example/p.html"
// becomes "http://www.x.example/p.html". "host:8080/p" counts as having none.
std::string WebAddress(std::string_view address);

// Opens WebAddress(address) through the current launcher.
void OpenAddress(std::string_view address);

// The longest program path started, in characters.
constexpr std::size_t kMaxProgramPath = 255;

// Starts the program at path, taken whole (blanks and shell characters are
// part of the name), through the current launcher. A path longer than
// kMaxProgramPath characters is not started; this function enforces it, so the
// limit holds whatever launcher is installed. True when the start was asked.
bool StartProgram(std::string_view path);

}  // namespace tresilva
