#include "qt/staff_list_window/staff_list_worker.h"

#include "stafflist/list_input.h"

#include <QMetaObject>

#include <exception>
#include <sstream>

namespace tarvolin {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

using Progress = std::function<void(int percent, std::size_t rows)>;

StaffListWorker::Outcome compute(std::string file, Date today, std::optional<Date> referenceDate,
                                 const std::atomic<bool>& cancel, const Progress& progress)
{
    // "-" would be standard input to the command; here it is a file.
    if (file == "-")
        file = "./-";
    ListInput input;
    std::istringstream noStandardInput;
    if (const std::string e = input.open(file, noStandardInput); !e.empty())
        return {nullptr, q(e), false};
    auto list = std::make_shared<ComputedList>();
    list->fileName = file;
    list->today = today;
    list->referenceDate = referenceDate;
    const std::uintmax_t total = input.totalBytes();
    int lastPercent = -1;
    computeStaffRows(
        input, today, referenceDate, [&](const ComputedRow& row) { list->add(row); },
        [&](std::size_t rows, std::size_t bytesRead) {
            const int percent = total == 0 ? 0 : static_cast<int>(std::min<std::uintmax_t>(100, bytesRead * 100 / total));
            if (percent != lastPercent || rows % 2000 == 0) {
                lastPercent = percent;
                progress(percent, rows);
            }
            return !cancel;
        });
    if (cancel)
        return {nullptr, {}, true};
    if (const std::string e = input.changedWhileRead(); !e.empty())
        return {nullptr, q(e), false};
    list->readWindows1252 = input.reader().readWindows1252();
    list->headerLine = input.headerLine();
    return {std::move(list), {}, false};
}

} // namespace

StaffListWorker::StaffListWorker(QObject* parent) : QObject{parent} {}

StaffListWorker::~StaffListWorker() { stop(); }

void StaffListWorker::start(const QString& path, Date today, std::optional<Date> referenceDate)
{
    stop();
    const auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancel;
    const quint64 generation = ++generation_;
    running_ = true;
    outcome_ = {};
    thread_ = std::thread([this, file = path.toStdString(), today, referenceDate, cancel, generation] {
        auto progress = [this, generation](int percent, std::size_t rows) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, percent, rows] {
                    if (generation == generation_ && running_)
                        emit progressed(percent, static_cast<qulonglong>(rows));
                },
                Qt::QueuedConnection);
        };
        Outcome outcome;
        try {
            outcome = compute(file, today, referenceDate, *cancel, progress);
        } catch (const std::exception& e) {
            // Out of memory with a huge table, or a fault of the program.
            outcome = {nullptr, QStringLiteral("Die Tabelle kann nicht berechnet werden: ") + q(e.what()), false};
        }
        QMetaObject::invokeMethod(
            this, [this, generation, outcome = std::move(outcome)]() mutable { deliver(generation, std::move(outcome)); },
            Qt::QueuedConnection);
    });
}

void StaffListWorker::cancel()
{
    if (cancel_)
        *cancel_ = true;
}

// Cancels a run and waits for its thread, which then stops after its row.
void StaffListWorker::stop()
{
    cancel();
    if (thread_.joinable())
        thread_.join();
    ++generation_;
    running_ = false;
}

void StaffListWorker::deliver(quint64 generation, Outcome outcome)
{
    if (generation != generation_)
        return;
    if (thread_.joinable())
        thread_.join();
    running_ = false;
    outcome_ = std::move(outcome);
    emit finished();
}

} // namespace tarvolin
