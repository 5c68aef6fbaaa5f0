#pragma once
// The process's current directory, as an absolute path without a trailing
// separator (except for the root, "/").
#include <string>

namespace tresilva {

std::string CurrentDirectory();

}  // namespace tresilva
