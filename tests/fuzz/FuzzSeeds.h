#pragma once
// Gives a fuzz target its dictionary and seed inputs from tests/fuzz, so a
// plain run (as `make fuzz` starts it) begins from meaningful text. Flags
// given on the command line still come after and win.
#include <string>
#include <vector>

namespace tresilva::fuzz {

inline void AddSeeds(int* argc, char*** argv, const char* dict, const char* seeds) {
    static std::vector<std::string> storage;
    static std::vector<char*> args;
    storage = {std::string("-dict=") + TRESILVA_FUZZ_DIR + "/" + dict,
               std::string("-seed_inputs=") + TRESILVA_FUZZ_DIR + "/seeds/" + seeds};
    args.assign(*argv, *argv + *argc);
    args.insert(args.begin() + 1, {storage[0].data(), storage[1].data()});
    args.push_back(nullptr);
    *argc = static_cast<int>(args.size()) - 1;
    *argv = args.data();
}

}  // namespace tresilva::fuzz
