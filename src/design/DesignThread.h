// The second thread a design runs on: one part of the work goes there while the caller does
// another.
#pragma once

#include <functional>
#include <future>

namespace qv {

// Runs jobs one after another on a thread kept for the life of the process. A job started
// from the design thread itself runs at once on it, so that a job may start another and wait
// for it without waiting forever; where no thread can be started every job runs on its
// caller.
//
// What a job reads must not change until it has finished: the caller waits for the job
// (DesignJob does so however its scope is left) before it changes or frees anything the job
// uses.
class DesignThread {
 public:
  // Queues the job; its future holds the job's exception, if it threw one.
  static std::future<void> Start(std::function<void()> job);

  // True on the design thread.
  static bool IsCurrent();
};

// A job on the design thread that is always waited for: Wait() rethrows what the job threw,
// and leaving the scope without Wait() still waits (an exception of the job is then lost,
// as the one in flight goes first).
class DesignJob {
 public:
  explicit DesignJob(std::function<void()> job) : done_(DesignThread::Start(std::move(job))) {}
  // onCaller: the job runs at once on the caller, and no thread is started for it.
  DesignJob(std::function<void()> job, bool onCaller)
      : done_(onCaller ? RunHere(std::move(job)) : DesignThread::Start(std::move(job))) {}
  ~DesignJob() {
    if (done_.valid()) done_.wait();
  }
  DesignJob(const DesignJob&) = delete;
  DesignJob& operator=(const DesignJob&) = delete;

  void Wait() {
    if (done_.valid()) done_.get();
  }

 private:
  static std::future<void> RunHere(std::function<void()> job) {
    std::packaged_task<void()> task(std::move(job));
    std::future<void> done = task.get_future();
    task();
    return done;
  }

  std::future<void> done_;
};

}  // namespace qv
