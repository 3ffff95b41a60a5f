#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace orbilunex::test {

// Ends the test program with a message when the step it guards has not
// finished in time: a read that blocks for ever then fails the run instead
// of stalling it. Guards a scope; leaving the scope in time releases it.
class HangGuard {
public:
    HangGuard(std::string what, std::chrono::seconds limit)
        : watcher([this, what = std::move(what), limit] {
              std::unique_lock<std::mutex> lock(mutex);
              if (!released.wait_for(lock, limit, [this] { return done; })) {
                  std::fprintf(stderr, "HANG: %s did not finish within %lld s\n", what.c_str(),
                               static_cast<long long>(limit.count()));
                  std::_Exit(3);
              }
          })
    {
    }

    ~HangGuard()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
        }
        released.notify_one();
        watcher.join();
    }

    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    std::mutex mutex;
    std::condition_variable released;
    bool done = false;
    std::thread watcher;
};

} // namespace orbilunex::test
