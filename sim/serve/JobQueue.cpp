#include "serve/JobQueue.h"

bool JobQueue::post(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_closed || m_jobs.size() >= capacity)
            return false;
        m_jobs.push_back(std::move(job));
    }
    m_arrived.notify_one();
    return true;
}

bool JobQueue::runUntil(std::chrono::steady_clock::time_point deadline)
{
    bool ran = false;
    while (true) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            if (!m_arrived.wait_until(lock, deadline, [&] { return m_closed || !m_jobs.empty(); }) || m_closed)
                return ran;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
        ran = true;
    }
}

void JobQueue::close()
{
    std::deque<Job> dropped;
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        dropped.swap(m_jobs);
    }
    m_arrived.notify_all();
}
