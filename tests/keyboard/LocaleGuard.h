#pragma once

#include <clocale>
#include <string>

namespace kb::test {

// Switches the character-type locale for one test and restores it afterwards.
class LocaleGuard {
public:
    explicit LocaleGuard(const char* name)
        : previous_(std::setlocale(LC_CTYPE, nullptr)), active_(std::setlocale(LC_CTYPE, name) != nullptr)
    {
    }
    ~LocaleGuard() { std::setlocale(LC_CTYPE, previous_.c_str()); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_;
};

} // namespace kb::test
