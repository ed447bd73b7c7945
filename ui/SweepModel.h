#pragma once
// A sweep as a table model for the table-and-plot screen: a row per temperature, a column per
// property, and where the row came from. Cells are formatted when the view asks for them, from
// the sweep's plain arrays, so a hundred thousand rows cost no more than the rows on view.

#include "engine/Sweep.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <memory>

namespace velm {

class SweepModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // A new sweep to show; nullptr shows no rows.
    void setTable(std::shared_ptr<const SweepTable> table);
    const std::shared_ptr<const SweepTable>& table() const { return table_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The colour of the rows of one source, also shown in the screen's legend; grey for rows
    // without values.
    static QColor colourOf(RowSource source);
    static QColor noValuesColour();

private:
    std::shared_ptr<const SweepTable> table_;
    QStringList headings_;
};

}  // namespace velm
