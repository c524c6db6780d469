// The design thread: a queue of jobs and the one thread that works through it.
#include "design/DesignThread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace qv {
namespace {

#if defined(__linux__)
constexpr int kNiceness = 10;
#endif

class JobQueue {
 public:
  JobQueue() {
    try {
      thread_ = std::thread([this] { Work(); });
    } catch (const std::system_error&) {
      // No thread to be had: every job runs on its caller.
    }
  }

  ~JobQueue() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    ready_.notify_one();
    if (thread_.joinable()) thread_.join();
  }

  JobQueue(const JobQueue&) = delete;
  JobQueue& operator=(const JobQueue&) = delete;

  bool IsWorker() const { return std::this_thread::get_id() == thread_.get_id(); }

  std::future<void> Start(std::function<void()> job) {
    std::packaged_task<void()> task(std::move(job));
    std::future<void> done = task.get_future();
    if (IsWorker() || !thread_.joinable()) {
      task();
      return done;
    }
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      jobs_.push_back(std::move(task));
    }
    ready_.notify_one();
    return done;
  }

 private:
  void Work() {
#if defined(__linux__)
    // Work done ahead (an opened project's analysis) must not slow the page the user is
    // looking at: with more threads wanting the processors than there are, this one
    // gives way. A page waiting for a job leaves it a processor of its own.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), kNiceness);
#endif
    for (;;) {
      std::packaged_task<void()> task;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // stopping, and nothing left to do
        task = std::move(jobs_.front());
        jobs_.pop_front();
      }
      task();  // an exception goes to the job's future
    }
  }

  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::packaged_task<void()>> jobs_;
  bool stopping_ = false;
  std::thread thread_;  // last: it starts working on the members above
};

JobQueue& Queue() {
  static JobQueue queue;
  return queue;
}

}  // namespace

std::future<void> DesignThread::Start(std::function<void()> job) {
  return Queue().Start(std::move(job));
}

bool DesignThread::IsCurrent() { return Queue().IsWorker(); }

}  // namespace qv
