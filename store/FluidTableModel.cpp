#include "store/FluidTableModel.h"

#include "engine/Entry.h"
#include "i18n/MessageText.h"
#include "store/StoreMessages.h"
#include "engine/UserError.h"
#include "i18n/MessageText.h"
#include "store/StoreMessages.h"

namespace velm {

FluidTableModel::FluidTableModel(const DatabaseFiles& files, Family family,
                                 std::string_view title, QObject* parent)
    : QAbstractTableModel(parent), store_(files, family) {
    // A missing table is reported by the read, under the title as given.
    table_ = store_.storedName(title).value_or(std::string(title));
    rows_ = store_.readRows(table_);
}

void FluidTableModel::reload() {
    std::vector<StoredRow> rows = store_.readRows(table_);
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int FluidTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int FluidTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(store_.columns().size());
}

QVariant FluidTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const std::optional<double>& v =
        rows_[std::size_t(index.row())].values[std::size_t(index.column())];
    return v ? QVariant(*v) : QVariant();
}

QVariant FluidTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromLatin1(store_.columns()[std::size_t(section)]);
}

Qt::ItemFlags FluidTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool FluidTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    std::optional<double> number;
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::LongLong:
            number = value.toDouble();
            break;
        case QMetaType::QString:
            number = parseNumber(value.toString().toStdString(), regionalDecimalComma());
            break;
        default:
            break;
    }
    if (!number) {
        emit failed(QString::fromStdString(messageText(message(MessageId::NotANumber))));
        return false;
    }
    const std::size_t column = std::size_t(index.column());
    const std::optional<double> stored = storedValue(*number);
    if (!stored) {
        emit failed(QString::fromStdString(msg::valueNotStorable(store_.columns()[column])));
        return false;
    }
    StoredRow& row = rows_[std::size_t(index.row())];
    try {
        store_.setValue(table_, row.rowid, column, *stored);
    } catch (const UserError& e) {
        emit failed(QString::fromStdString(e.what()));
        return false;
    }
    row.values[column] = stored;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool FluidTableModel::insertRows(int, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1) return false;
    std::vector<std::int64_t> rowids;
    try {
        rowids = store_.appendZeroRows(table_, count);
    } catch (const UserError& e) {
        emit failed(QString::fromStdString(e.what()));
        return false;
    }
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + count - 1);
    for (const std::int64_t rowid : rowids)
        rows_.push_back({rowid, std::vector<std::optional<double>>(store_.columns().size(), 0.0)});
    endInsertRows();
    return true;
}

bool FluidTableModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount()) return false;
    std::vector<std::int64_t> rowids;
    for (int r = row; r < row + count; ++r) rowids.push_back(rows_[std::size_t(r)].rowid);
    try {
        store_.deleteRows(table_, rowids);
    } catch (const UserError& e) {
        emit failed(QString::fromStdString(e.what()));
        return false;
    }
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
    endRemoveRows();
    return true;
}

}  // namespace velm
