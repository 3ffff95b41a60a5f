#pragma once

#include <cstdint>
#include <ctime>

namespace orbilunex {

// Calendar time in whole seconds, behind an interface so that tests can run
// a recording of hours in no time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t now() const = 0;
};

class SystemClock : public Clock {
public:
    std::int64_t now() const override { return static_cast<std::int64_t>(std::time(nullptr)); }
};

// A clock that shows what it is told.
class ManualClock : public Clock {
public:
    explicit ManualClock(std::int64_t start = 0) : seconds(start) {}
    std::int64_t now() const override { return seconds; }
    void set(std::int64_t value) { seconds = value; }
    void advance(std::int64_t delta) { seconds += delta; }

private:
    std::int64_t seconds;
};

} // namespace orbilunex
