// Settings-file text: parse it, read every key of every section, then write a
// key into a copy on disk and check that it reads back as written.
#include "platform/data/Cp1252.h"
#include "platform/data/IniDocument.h"
#include "platform/data/IniFile.h"

#include "platform/Errors.h"

#include "tests/fuzz/FuzzSeeds.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::filesystem::path& Scratch() {
    static const std::filesystem::path file = [] {
        // A memory file system where there is one, so the flush to disk is cheap.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tresilva-ini-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        static std::string dir = pattern;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        });
        return std::filesystem::path(pattern) / "Tresilva.ini";
    }();
    return file;
}

std::string Expected(const std::string& value) {
    std::string bytes = tresilva::Utf8ToCp1252(value);
    for (char& c : bytes) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    std::size_t b = bytes.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    std::size_t e = bytes.find_last_not_of(" \t");
    return tresilva::Cp1252ToUtf8(bytes.substr(b, e - b + 1).substr(0, tresilva::TIniDocument::kMaxValueLength));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    tresilva::fuzz::AddSeeds(argc, argv, "ini.dict", "settings.ini");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const tresilva::TIniDocument document(bytes);
    if (document.Bytes() != bytes) std::abort();  // reading alone changes nothing
    for (const std::string& section : document.Sections()) {
        for (const std::string& key : document.Keys(section)) {
            const auto value = document.Find(section, key);
            if (!value) std::abort();  // every listed key is found
            (void)tresilva::ParseIniInteger(*value);
        }
    }

    {
        std::ofstream out(Scratch(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    tresilva::TIniFile ini(Scratch().string());
    const std::string section = "Propri\xC3\xA9t\xC3\xA9s";
    const std::string value = bytes.substr(0, 64);
    try {
        ini.WriteString(section, "USD", value);
    } catch (const tresilva::EIniFileException&) {
        std::abort();  // the scratch file is always writable
    }
    if (ini.ReadString(section, "usd", "<none>") != Expected(value)) std::abort();
    (void)ini.ReadBool(section, "arrondir", false);
    (void)ini.ReadInteger(section, "monnaie", 11);
    return 0;
}
