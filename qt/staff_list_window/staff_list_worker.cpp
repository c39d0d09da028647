#include "qt/staff_list_window/staff_list_worker.h"

#include "qt/staff_list_window/column_mapping_dialog.h"
#include "qt/text/qt_text.h"

#include <QMetaObject>

#include <exception>
#include <sstream>

namespace tarvolin {

namespace {

using Progress = std::function<void(int percent, std::size_t rows)>;

constexpr std::size_t previewRecords = 5;

// Opens the table with the mapping remembered for its header line, if any.
std::unique_ptr<ListInput> openTable(const std::string& file, const StaffListWorker::Mappings& mappings,
                                     StaffListWorker::Outcome& outcome, std::string& error)
{
    std::istringstream noStandardInput;
    auto input = std::make_unique<ListInput>();
    // Nothing of a run that fails is shown: the sheet is read once only.
    error = input->open(file, noStandardInput, InputOptions{{}, {}, false});
    outcome.header = input->header();
    const auto known = mappings.find(headerLineKey(input->header()));
    if (input->header().empty() || known == mappings.end())
        return input;
    std::string problem;
    outcome.mapping = parseColumnMapping(known->second, problem);
    input = std::make_unique<ListInput>();
    error = input->open(file, noStandardInput, InputOptions{{}, outcome.mapping, false});
    return input;
}

void readPreview(ListInput& input, StaffListWorker::Outcome& outcome)
{
    TableRecord record;
    while (outcome.preview.size() < previewRecords && input.reader().next(record))
        outcome.preview.push_back(record.fields);
}

StaffListWorker::Outcome compute(std::string file, Date today, std::optional<Date> referenceDate,
                                 const StaffListWorker::Mappings& mappings, const std::atomic<bool>& cancel,
                                 const Progress& progress)
{
    // "-" would be standard input to the command; here it is a file.
    if (file == "-")
        file = "./-";
    StaffListWorker::Outcome outcome;
    std::string error;
    const auto opened = openTable(file, mappings, outcome, error);
    ListInput& input = *opened;
    if (!error.empty()) {
        outcome.error = toQString(error);
        outcome.needsMapping = !input.columns().missing.empty();
        if (outcome.needsMapping)
            readPreview(input, outcome);
        return outcome;
    }
    auto list = std::make_shared<ComputedList>();
    list->layout = ResultLayout{input.columns().carriedHeaders};
    list->fileName = file;
    list->today = today;
    list->referenceDate = referenceDate;
    const std::uintmax_t total = input.totalBytes();
    int lastPercent = -1;
    computeStaffRows(
        input, today, referenceDate,
        [&](const ComputedRow& row) { list->add(row); },
        [&](std::size_t rows, std::size_t bytesRead) {
            const int percent = total == 0 ? 0 : static_cast<int>(std::min<std::uintmax_t>(100, bytesRead * 100 / total));
            if (percent != lastPercent || rows % 2000 == 0) {
                lastPercent = percent;
                progress(percent, rows);
            }
            return !cancel;
        });
    if (cancel) {
        outcome.cancelled = true;
        return outcome;
    }
    if (const std::string e = input.readingFailure(); !e.empty()) {
        outcome.error = toQString(e);
        return outcome;
    }
    list->readWindows1252 = input.reader().readWindows1252();
    list->headerLine = input.headerLine();
    outcome.list = std::move(list);
    // The first records once more, for the column mapping from the menu.
    ListInput again;
    std::istringstream noStandardInput;
    if (again.open(file, noStandardInput, InputOptions{{}, outcome.mapping, false}).empty())
        readPreview(again, outcome);
    return outcome;
}

} // namespace

StaffListWorker::StaffListWorker(QObject* parent) : QObject{parent} {}

StaffListWorker::~StaffListWorker() { stop(); }

void StaffListWorker::start(const QString& path, Date today, std::optional<Date> referenceDate, Mappings mappings)
{
    stop();
    const auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancel;
    const quint64 generation = ++generation_;
    running_ = true;
    outcome_ = {};
    thread_ = std::thread([this, file = path.toStdString(), today, referenceDate, mappings = std::move(mappings), cancel,
                           generation] {
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
            outcome = compute(file, today, referenceDate, mappings, *cancel, progress);
        } catch (const std::exception& e) {
            // Out of memory with a huge table, or a fault of the program.
            outcome = {};
            outcome.error = QStringLiteral("Die Tabelle kann nicht berechnet werden: ") + toQString(e.what());
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
