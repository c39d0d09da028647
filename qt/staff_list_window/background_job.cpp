#include "qt/staff_list_window/background_job.h"

#include <QMetaObject>

#include <exception>

namespace tarvolin {

BackgroundJob::~BackgroundJob()
{
    if (thread_.joinable())
        thread_.join();
}

void BackgroundJob::start(std::function<QString()> work)
{
    if (thread_.joinable())
        thread_.join();
    running_ = true;
    result_.clear();
    thread_ = std::thread([this, work = std::move(work)] {
        QString result;
        try {
            result = work();
        } catch (const std::exception& e) {
            result = QStringLiteral("Ein interner Fehler ist aufgetreten: ") + QString::fromUtf8(e.what());
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

} // namespace tarvolin
