#include "platform/os/Launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace tresilva {
namespace {

class DesktopLauncher : public TLauncher {
public:
    void OpenUrl(const std::string& url) override {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
    }
    void StartDetached(const std::string& program) override {
        QProcess::startDetached(QString::fromStdString(program), {});
    }
};

TLauncher* installed = nullptr;

std::size_t Utf8Characters(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

TLauncher& CurrentLauncher() {
    static DesktopLauncher desktop;
    return installed ? *installed : desktop;
}

void SetLauncher(TLauncher* launcher) { installed = launcher; }

std::string WebAddress(std::string_view address) {
    // A scheme is letters, digits, "+", "-" or "." after a first letter, then
    // ":". A dot in it, or a digit after the colon, means a host (and port).
    bool scheme = false;
    if (!address.empty() && IsAlpha(address[0])) {
        std::size_t i = 1;
        while (i < address.size() && (IsAlpha(address[i]) || (address[i] >= '0' && address[i] <= '9') ||
                                      address[i] == '+' || address[i] == '-'))
            ++i;
        scheme = i < address.size() && address[i] == ':' &&
                 !(i + 1 < address.size() && address[i + 1] >= '0' && address[i + 1] <= '9');
    }
    return scheme ? std::string(address) : "http://" + std::string(address);
}

void OpenAddress(std::string_view address) { CurrentLauncher().OpenUrl(WebAddress(address)); }

bool StartProgram(std::string_view path) {
    if (Utf8Characters(path) > kMaxProgramPath) return false;
    CurrentLauncher().StartDetached(std::string(path));
    return true;
}

}  // namespace tresilva
