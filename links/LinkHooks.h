#pragma once

#include <functional>
#include <string>

namespace orbilunex {

// How the data links reach the user. The main window fills these with
// message boxes and the system beep; the headless program prints; tests
// collect. Empty hooks do nothing.
struct LinkHooks {
    // A failure the user must know of (modal message box in the window).
    std::function<void(const std::string& text)> message;
    // A beep; the argument is the kind of sound: 0 the default sound (a relay
    // client came or went), 16 the error sound (serial settings refused).
    std::function<void(unsigned sound)> beep;

    void say(const std::string& text) const
    {
        if (message) message(text);
    }
    void sound(unsigned kind) const
    {
        if (beep) beep(kind);
    }
};

constexpr unsigned kDefaultBeep = 0;
constexpr unsigned kErrorBeep = 16;

} // namespace orbilunex
