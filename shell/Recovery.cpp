#include "shell/Recovery.h"

#include <cstdio>

namespace orbilunex {

std::string recoveryFolder(const char* stateHome, const char* home)
{
    if (stateHome != nullptr && stateHome[0] == '/') return std::string(stateHome) + "/orbilunex";
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/state/orbilunex";
    return std::string();
}

std::string recoveryFileName(const std::string& name, const std::tm& time,
                             const std::string& extension)
{
    std::string safe = name.empty() ? std::string("Untitled") : name;
    for (char& c : safe)
        if (c == '/' || c == '\0') c = '_';
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", time.tm_year + 1900,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    return safe + "-" + stamp + extension;
}

} // namespace orbilunex
