#include "qt/staff_list_window/background_job.h"

#include <QMetaObject>

#include <exception>
#include <new>

namespace tarvolin {

BackgroundJob::~BackgroundJob()
{
    if (thread_.joinable())
        thread_.join();
}

void BackgroundJob::start(std::function<QString()> work, bool cancellable)
{
    if (thread_.joinable())
        thread_.join();
    running_ = true;
    cancellable_ = cancellable;
    cancelled_ = false;
    result_.clear();
    thread_ = std::thread([this, work = std::move(work)] {
        QString result;
        try {
            result = work();
        } catch (const std::bad_alloc&) {
            result = QStringLiteral("Der Arbeitsspeicher reicht nicht.");
        } catch (const std::exception&) {
            result = QStringLiteral("Ein interner Fehler ist aufgetreten.");
        }
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                if (thread_.joinable())
                    thread_.join();
                running_ = false;
                result_ = result;
                emit finished();
            },
            Qt::QueuedConnection);
    });
}

void BackgroundJob::reportProgress(int percent)
{
    QMetaObject::invokeMethod(this, [this, percent] { emit progressed(percent); }, Qt::QueuedConnection);
}

} // namespace tarvolin
