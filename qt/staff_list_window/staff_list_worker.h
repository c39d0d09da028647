#pragma once
// StaffListWorker: computes a staff table on a thread of its own, so that the
// window stays responsive. The thread runs the list's one loop
// (computeStaffRows): it reads the rows and types each into a window object
// that belongs to that thread alone; nothing of it is shared with the
// calculator windows of the user-interface thread. The finished list comes
// back as a whole. Progress is reported at most a few hundred times; a
// cancel takes effect after the row in hand.

#include "stafflist/computation/computed_list.h"
#include "stafflist/computation/list_input.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <thread>

namespace tarvolin {

class StaffListWorker final : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        std::shared_ptr<const ComputedList> list; // nothing when it failed or was cancelled
        QString error;                            // German; empty when none
        bool cancelled = false;
        // The table's header and first records, for the column mapping; and
        // whether it lacks required columns (then error says which).
        std::vector<std::string> header;
        std::vector<std::vector<std::string>> preview;
        bool needsMapping = false;
        ColumnMapping mapping; // the remembered one that was used, if any
    };
    // Remembered mappings by headerLineKey, as columnMappingText writes them.
    using Mappings = std::map<QString, std::string>;

    explicit StaffListWorker(QObject* parent = nullptr);
    ~StaffListWorker() override;

    // Starts on the table at `path`; a computation still running is
    // cancelled first and its outcome never reported.
    void start(const QString& path, Date today, std::optional<Date> referenceDate, Mappings mappings = {});
    void cancel();
    bool isRunning() const { return running_; }
    // The outcome of the last computation, once finished() has come.
    const Outcome& outcome() const { return outcome_; }

signals:
    // Percent of the file read, and rows computed so far.
    void progressed(int percent, qulonglong rows);
    void finished();

private:
    void stop();
    void deliver(quint64 generation, Outcome outcome);

    std::thread thread_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    quint64 generation_ = 0; // messages of a run given up on are dropped
    bool running_ = false;
    Outcome outcome_;
};

} // namespace tarvolin
