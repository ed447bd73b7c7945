#pragma once
// One whole fluid table as an editable item model, for the editing grid: a row per stored
// row (in storage order, keyed by its SQLite row id), a column per value in the family's
// order, headed by its name. Every change goes to the file at once.
//
// Errors: loading (the constructor, reload()) throws UserError, as every store operation
// does. A change made through the model's interface (setData, insertRows, removeRows) comes
// from a view, where an exception cannot pass: it returns false, emits failed() with the
// message, and leaves both the file and the model as they were.

#include "store/FluidStore.h"

#include <QAbstractTableModel>

#include <string_view>
#include <vector>

namespace velm {

class FluidTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    FluidTableModel(const DatabaseFiles& files, Family family, std::string_view title,
                    QObject* parent = nullptr);

    // Reads the table again, e.g. after it was changed elsewhere.
    void reload();
    // The stored name of the table (the title may differ from it in letter case).
    const std::string& tableName() const { return table_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // The value as a double (display and edit roles alike); no value when the file holds no
    // number in that cell.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Takes a number, or text read as the entry boxes read it (regional decimal comma
    // included); stores it as the nearest 32-bit float.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Appends `count` rows of zeros at the end, whatever `row` is: stored rows have no order.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

signals:
    void failed(const QString& message);

private:
    FluidStore store_;
    std::string table_;
    std::vector<StoredRow> rows_;
};

}  // namespace velm
