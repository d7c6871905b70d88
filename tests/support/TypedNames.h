#pragma once

#include <string>
#include <vector>

namespace tarn::test {

// Texts a user may type for a name from a list, and what every entry path keeps of them: the
// list's spelling, or nothing (stored == "") for a refusal. Shared by the grid, paste, the
// command line and the core tests, so each path is held to one rule.
struct TypedName {
    const char* typed;
    std::string stored;
};

inline const std::vector<TypedName>& typedTones() {
    static const std::vector<TypedName> cases = {
        {"100.0", "100.0"}, {"100", "100.0"},    {"100.00", "100.0"}, {" 100.0 ", "100.0"},
        {"67", "67.0"},     {"off", "OFF"},      {"d23n", "D023N"},   {"D023n", "D023N"},
        {"023n", "D023N"},  {" d754i", "D754I"}, {"88", ""},          {"100.05", ""},
        {"D023", ""},       {"23", ""},          {"abc", ""},         {"D999N", ""},
        {"D023X", ""},      {"1e2", ""},         {"D", ""},           {"N", ""},
    };
    return cases;
}

inline const std::vector<TypedName>& typedPowers() {
    static const std::vector<TypedName> cases = {
        {"High", "High"}, {"low", "Low"}, {" MIDDLE ", "Middle"}, {"Med", ""}, {"2", ""},
    };
    return cases;
}

inline const std::vector<TypedName>& typedLocks() {
    static const std::vector<TypedName> cases = {
        {"Lock", "Lock"}, {"unlock", "UnLock"}, {" LOCK", "Lock"}, {"Locked", ""}, {"on", ""},
    };
    return cases;
}

} // namespace tarn::test
