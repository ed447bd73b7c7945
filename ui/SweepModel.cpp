#include "ui/SweepModel.h"

#include "engine/SweepText.h"
#include "i18n/Shown.h"

namespace velm {

void SweepModel::setTable(std::shared_ptr<const SweepTable> table) {
    beginResetModel();
    table_ = std::move(table);
    headings_.clear();
    if (table_) {
        const SweepRequest& r = table_->request;
        for (const std::string& h : shownSweepHeadings(r.family, r.english, r.scale))
            headings_ << QString::fromStdString(h);
    }
    endResetModel();
}

int SweepModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : int(table_->rows());
}

int SweepModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant SweepModel::data(const QModelIndex& index, int role) const {
    if (!table_ || !index.isValid()) return {};
    const auto row = std::size_t(index.row());
    const auto column = std::size_t(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(shownCellText(*table_, row, column));
        case Qt::TextAlignmentRole:
            return int(column + 1 == std::size_t(headings_.size()) ? Qt::AlignLeft | Qt::AlignVCenter
                                                                   : Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return table_->computed(row) ? colourOf(table_->source[row]) : noValuesColour();
        default:
            return {};
    }
}

QVariant SweepModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= headings_.size())
        return {};
    return headings_[section];
}

QColor SweepModel::colourOf(RowSource source) {
    switch (source) {
        case RowSource::Correlation: return QColor(255, 255, 255);
        case RowSource::TablePoint: return QColor(205, 230, 255);
        case RowSource::Interpolated: return QColor(220, 245, 215);
        case RowSource::Extrapolated: return QColor(255, 215, 200);
    }
    return {};
}

QColor SweepModel::noValuesColour() { return QColor(200, 200, 200); }

}  // namespace velm
