// A fixed set of threads that run one task side by side, again and again.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace orbenza::cli {

// Runs one task per worker: worker 0 on the calling thread, the others on
// threads kept for the whole run, and waits until all have finished.
class WorkerPool {
public:
    WorkerPool(unsigned workers, std::function<void(unsigned)> task) : m_task(std::move(task)) {
        for (unsigned worker = 1; worker < workers; ++worker)
            m_threads.emplace_back([this, worker] { loop(worker); });
    }
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;
    ~WorkerPool() {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_start.notify_all();
        for (auto& thread : m_threads)
            thread.join();
    }

    void runAll() {
        {
            std::lock_guard lock(m_mutex);
            m_pending = static_cast<unsigned>(m_threads.size());
            ++m_generation;
        }
        m_start.notify_all();
        m_task(0);
        std::unique_lock lock(m_mutex);
        m_done.wait(lock, [this] { return m_pending == 0; });
    }

private:
    void loop(unsigned worker) {
        std::uint64_t seen = 0;
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_start.wait(lock, [&] { return m_stop || m_generation != seen; });
            if (m_stop)
                return;
            seen = m_generation;
            lock.unlock();
            m_task(worker);
            lock.lock();
            if (--m_pending == 0)
                m_done.notify_one();
        }
    }

    std::function<void(unsigned)> m_task;
    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_start, m_done;
    std::uint64_t m_generation = 0;
    unsigned m_pending = 0;
    bool m_stop = false;
};

} // namespace orbenza::cli
