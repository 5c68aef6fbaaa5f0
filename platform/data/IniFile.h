#pragma once
// The settings file: reads and writes single keys of an INI text file (the
// rules are those of TIniDocument). A bare file name lives in the user's
// configuration directory ($XDG_CONFIG_HOME, else ~/.config); a name with a
// directory part is used as given.
//
// The file is read afresh by every read, and every write replaces it
// atomically (a temporary file beside it, written, flushed to disk, renamed
// over it), so a crash never leaves a truncated or mixed file. A write that
// cannot be made, or a file or folder that may not be written, raises
// EIniFileException with the name passed in and leaves the file as it was.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tresilva {

class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    // The name as passed in, and the place of the file.
    const std::string& FileName() const { return fileName_; }
    const std::filesystem::path& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    std::string fileName_;
    std::filesystem::path path_;
};

// The directory where a bare settings-file name is placed.
std::filesystem::path ConfigDirectory();

}  // namespace tresilva
