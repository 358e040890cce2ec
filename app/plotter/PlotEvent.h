#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>

// A manual-reset event: set() wakes every waiter and stays set until reset().
class PlotEvent {
public:
    void set() {
        {
            std::lock_guard lock(m_mutex);
            m_set = true;
        }
        m_changed.notify_all();
    }
    void reset() {
        std::lock_guard lock(m_mutex);
        m_set = false;
    }
    // True when the event was set within the time.
    bool wait(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [this] { return m_set; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_set = false;
};
