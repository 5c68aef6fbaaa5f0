#include "platform/data/IniFile.h"

#include "platform/Errors.h"
#include "platform/data/IniDocument.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tresilva {
namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Follows symbolic links to the file they finally name, which may not exist yet.
std::optional<fs::path> ResolveLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        const auto status = fs::symlink_status(path, ec);
        if (ec && ec != std::errc::no_such_file_or_directory) return std::nullopt;
        if (!fs::is_symlink(status)) return path;
        fs::path target = fs::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;  // a loop of links
}

// Write access as the user would expect it: the system must allow it and, so
// that a read-only mark holds even for the superuser, some write bit must be set.
bool MayWrite(const fs::path& path, const struct stat& st) {
    return ::access(path.c_str(), W_OK) == 0 && (st.st_mode & 0222) != 0;
}

mode_t NewFileMode() {
    mode_t mask = 022;
    if (std::ifstream status("/proc/self/status"); status) {
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("Umask:", 0) == 0) {
                mask = static_cast<mode_t>(std::strtol(line.c_str() + 6, nullptr, 8));
                break;
            }
        }
    }
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Replaces the file at target by bytes, atomically. False when it could not.
bool ReplaceFile(const fs::path& target, const std::string& bytes, const struct stat* old) {
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes);
    if (ok) {
        if (old) {
            ok = ::fchmod(fd, old->st_mode & 07777) == 0;
            if (ok && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())) {
                [[maybe_unused]] int ignored = ::fchown(fd, old->st_uid, old->st_gid);  // best effort
            }
        } else {
            ok = ::fchmod(fd, NewFileMode()) == 0;
        }
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(pattern.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(pattern.c_str());
        return false;
    }
    // Make the rename itself durable; the file is already complete either way.
    if (const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

}  // namespace

fs::path ConfigDirectory() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg && fs::path(xdg).is_absolute()) return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) home = pw->pw_dir;
    }
    return fs::path(home ? home : ".") / ".config";
}

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
    const fs::path given(fileName_);
    path_ = given.has_parent_path() ? given : ConfigDirectory() / given;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    const auto bytes = ReadBytes(path_);
    if (!bytes) return std::string(defaultValue);
    const auto value = TIniDocument(*bytes).Find(section, key);
    return value ? *value : std::string(defaultValue);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    return ParseIniInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const auto fail = [this]() -> void { throw EIniFileException(fileName_); };

    const auto target = ResolveLinks(path_);
    if (!target) fail();
    const fs::path dir = target->parent_path().empty() ? fs::path(".") : target->parent_path();
    std::error_code ec;
    if (!fs::exists(dir, ec)) {
        fs::create_directories(dir, ec);
        if (ec) fail();
    }
    struct stat dirStat {};
    if (::stat(dir.c_str(), &dirStat) != 0 || !S_ISDIR(dirStat.st_mode) || !MayWrite(dir, dirStat)) fail();

    struct stat fileStat {};
    const bool exists = ::stat(target->c_str(), &fileStat) == 0;
    if (!exists && errno != ENOENT) fail();
    std::string bytes;
    if (exists) {
        if (!S_ISREG(fileStat.st_mode) || !MayWrite(*target, fileStat)) fail();
        auto old = ReadBytes(*target);
        if (!old) fail();
        bytes = std::move(*old);
    }

    TIniDocument document(bytes);
    document.Set(section, key, value);
    if (!ReplaceFile(*target, document.Bytes(), exists ? &fileStat : nullptr)) fail();
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace tresilva
