#pragma once
// BackgroundJob: one long piece of work of the staff-list window (writing a
// PDF of many pages, printing) on a thread of its own, so that the window
// stays responsive meanwhile. The work gets everything it needs by value and
// touches nothing of the window; its result comes back to the window's
// thread as a German text (empty when all went well). One job at a time.

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace tarvolin {

class BackgroundJob final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // Waits for work still running: a file being written is finished.
    ~BackgroundJob() override;

    // A cancellable work asks cancelRequested() between its steps and stops.
    void start(std::function<QString()> work, bool cancellable = false);
    bool isCancellable() const { return running_ && cancellable_; }
    // Asks the work to stop (Abbrechen); from any thread.
    void cancel() { cancelled_ = true; }
    bool cancelRequested() const { return cancelled_; }
    bool isRunning() const { return running_; }
    const QString& result() const { return result_; }
    // From the work's thread: how far it has come, 0 to 100.
    void reportProgress(int percent);

signals:
    void finished();
    void progressed(int percent);

private:
    std::thread thread_;
    bool running_ = false;
    bool cancellable_ = false;
    std::atomic<bool> cancelled_{false};
    QString result_;
};

} // namespace tarvolin
