#pragma once
// ColumnMappingDialog: "Spalten zuordnen", asked when a table lacks a
// required column under any name Tarvolin knows, and from the menu for the
// table shown. For each input of Tarvolin a drop-down of the table's
// headers ("nicht vorhanden" for an optional one), with the first values of
// the column chosen beside it. The window remembers the answer for every
// table with the same header line.

#include "stafflist/computation/column_mapping.h"

#include <QDialog>

#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
QT_END_NAMESPACE

namespace tarvolin {

class ColumnMappingDialog final : public QDialog {
    Q_OBJECT

public:
    // `preview`: the first records after the header. `current`: the mapping
    // in use, if any; the rest is chosen as the names give it.
    ColumnMappingDialog(std::vector<std::string> header, std::vector<std::vector<std::string>> preview,
                        const ColumnMapping& current, QWidget* parent);

    ColumnMapping mapping() const;
    QComboBox* choice(std::size_t slot) const;

private:
    struct Row {
        std::size_t slot;
        QComboBox* box;
        QLabel* preview;
        int initial; // the header's field chosen at the start, -1 for none
    };
    void addRow(QGridLayout& grid, std::size_t slot, int field);
    void chosen(const Row& row);
    void check();

    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> preview_;
    std::vector<Row> rows_;
    QLabel* problem_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// The key under which a header line's mapping is remembered: a digest of its
// headers as normalizedHeader gives them.
QString headerLineKey(const std::vector<std::string>& header);

} // namespace tarvolin
