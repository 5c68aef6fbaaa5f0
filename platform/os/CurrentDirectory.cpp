#include "platform/os/CurrentDirectory.h"

#include <filesystem>

namespace tresilva {

std::string CurrentDirectory() { return std::filesystem::current_path().string(); }

}  // namespace tresilva
