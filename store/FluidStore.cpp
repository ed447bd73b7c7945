#include "store/FluidStore.h"

#include "engine/UserError.h"
#include "store/Database.h"
#include "store/StoreMessages.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <limits>

namespace velm {

using store::Access;
using store::Connection;
using store::quoted;
using store::Transaction;

namespace {

// "GASES.mdb", "LIQUIDOS.mdb": the names users know.
QString fileNameOf(Family family) {
    const std::string_view name = familyName(family);
    return QString::fromLatin1(name.data(), qsizetype(name.size())) + QStringLiteral(".mdb");
}

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The table the title names, or the message that there is none.
QString tableFor(Connection& c, std::string_view title) {
    const std::optional<QString> table = c.fluidTable(qtext(title));
    if (!table) throw UserError(msg::tableMissing(title, c.fileName()));
    return *table;
}

// Whether a new table of this title would clash: letter case ignored, the engine's tables
// and the names it reserves for them included.
bool clashes(Connection& c, const QString& title) {
    if (store::isEngineName(title)) return true;
    const QString upper = title.toUpper();
    for (const QString& name : c.allTables())
        if (name.toUpper() == upper) return true;
    return false;
}

QString columnList(bool gas) {
    QStringList columns;
    for (const char* c : store::tableColumns(gas)) columns << quoted(QLatin1String(c));
    return columns.join(", ");
}

// A value read back; nullopt when the file holds NULL or text there.
std::optional<double> number(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Double:  // what a STRICT REAL column holds: no conversion
            return v.isNull() ? std::nullopt : std::optional<double>(v.value<double>());
        case QMetaType::LongLong:
        case QMetaType::Int:
            return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
        default:
            return std::nullopt;
    }
}

}  // namespace

DatabaseFiles::DatabaseFiles(const QString& directory)
    : directory_(QDir(directory).absolutePath()) {}

QString DatabaseFiles::pathFor(Family family) const {
    return QDir(directory_).filePath(fileNameOf(family));
}

bool DatabaseFiles::isDatabaseName(const QString& fileName) {
    for (const Family family : kFamilies)
        if (fileName.compare(fileNameOf(family), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool looksLikeAccessFile(const QByteArray& head) {
    if (head.size() < kAccessHeaderSize || !head.startsWith(QByteArray("\x00\x01\x00\x00", 4)))
        return false;
    const QByteArray name = head.mid(4, 16);
    return name == QByteArray("Standard Jet DB\0", 16) || name == QByteArray("Standard ACE DB\0", 16);
}

AccessFileFound::AccessFileFound(const QString& path)
    : UserError(msg::accessFile(QDir::toNativeSeparators(path).toStdString())), path_(path) {}

std::optional<double> storedValue(double value) {
    // Checked first: converting a double beyond the float range is undefined.
    if (!(std::fabs(value) <= double(std::numeric_limits<float>::max()))) return std::nullopt;
    return double(static_cast<float>(value));
}

FluidStore::FluidStore(const DatabaseFiles& files, Family family)
    : path_(files.pathFor(family)), gas_(family == Family::Gases) {}

std::span<const char* const> FluidStore::columns() const { return store::tableColumns(gas_); }

std::vector<std::string> FluidStore::listFluidTables() const {
    Connection c(path_, gas_, Access::Read);
    QSqlQuery q = c.query();
    // Not NOT LIKE 'sqlite_%': "_" is a wildcard there and would hide "sqlite3 datos".
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND "
                               "substr(name,1,7)<>'sqlite_' ORDER BY rowid")))
        c.fail(q.lastError());
    std::vector<std::string> names;
    while (q.next()) names.push_back(q.value(0).toString().toStdString());
    if (q.lastError().isValid()) c.fail(q.lastError());
    return names;
}

bool FluidStore::titleExists(std::string_view title) const {
    Connection c(path_, gas_, Access::Read);
    return clashes(c, qtext(title));
}

std::optional<std::string> FluidStore::storedName(std::string_view title) const {
    Connection c(path_, gas_, Access::Read);
    const std::optional<QString> table = c.fluidTable(qtext(title));
    if (!table) return std::nullopt;
    return table->toStdString();
}

void FluidStore::createTable(std::string_view title) {
    const QString t = qtext(title);
    if (t.isEmpty()) throw UserError(msg::tr(msg::kEmptyTitle));
    Connection c(path_, gas_, Access::Write);
    Transaction tx(c);
    if (clashes(c, t)) throw UserError(msg::tableExists(title, c.fileName()));
    c.exec(store::createStatement(t, gas_));
    tx.commit();
}

void FluidStore::deleteTable(std::string_view title) {
    Connection c(path_, gas_, Access::Write);
    Transaction tx(c);
    c.exec("DROP TABLE " + quoted(tableFor(c, title)));
    tx.commit();
}

void FluidStore::appendRow(std::string_view title, const std::vector<double>& values) {
    const auto names = columns();
    if (values.size() != names.size())
        throw UserError(msg::wrongValueCount(names.size(), values.size()));
    std::vector<double> stored;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<double> v = storedValue(values[i]);
        if (!v) throw UserError(msg::valueNotStorable(names[i]));
        stored.push_back(*v);
    }

    Connection c(path_, gas_, Access::Write);
    Transaction tx(c);
    QSqlQuery q = c.query();
    if (!q.prepare(store::insertStatement(tableFor(c, title), gas_))) c.fail(q.lastError());
    for (std::size_t i = 0; i < stored.size(); ++i) q.bindValue(int(i), stored[i]);
    c.exec(q);
    tx.commit();
}

void FluidStore::readPoints(std::string_view title,
                            const std::function<void(const TablePoint&)>& take, Order order) const {
    Connection c(path_, gas_, Access::Read);
    const QString table = tableFor(c, title);
    QSqlQuery q = c.query();
    // Ascending TEMP; the rest of the sort key only fixes the order among rows of one
    // temperature, which lets SQLite find the distinct rows in the same sort (twice as fast
    // as sorting for DISTINCT and again for ORDER BY "TEMP").
    const QString key = columnList(gas_);
    const QString query = order == Order::AsStored
                              ? "SELECT " + key + " FROM " + quoted(table)
                              : "SELECT DISTINCT " + key + " FROM " + quoted(table) + " ORDER BY " + key;
    if (!q.exec(query)) c.fail(q.lastError());

    const auto names = columns();
    const int n = int(names.size());
    TablePoint p;  // a gas has no BETA: it stays 0
    while (q.next()) {
        for (int i = 0; i < n; ++i) {
            const std::optional<double> v = number(q.value(i));
            if (!v) throw UserError(msg::badStoredValue(table.toStdString(), c.fileName(), names[std::size_t(i)]));
            // Only a file written by another program holds a value a float cannot.
            if (!storedValue(*v))
                throw UserError(msg::storedValueTooLarge(table.toStdString(), c.fileName(), names[std::size_t(i)]));
            if (i == 0) p.TEMP = *v;
            else p.value[std::size_t(i - 1)] = *v;
        }
        take(p);
    }
    if (q.lastError().isValid()) c.fail(q.lastError());
}

std::vector<StoredRow> FluidStore::readRows(std::string_view title) const {
    Connection c(path_, gas_, Access::Read);
    QSqlQuery q = c.query();
    if (!q.exec("SELECT rowid, " + columnList(gas_) + " FROM " + quoted(tableFor(c, title)) +
                " ORDER BY rowid"))
        c.fail(q.lastError());
    const int n = int(columns().size());
    std::vector<StoredRow> rows;
    while (q.next()) {
        StoredRow row;
        row.rowid = q.value(0).toLongLong();
        for (int i = 1; i <= n; ++i) row.values.push_back(number(q.value(i)));
        rows.push_back(std::move(row));
    }
    if (q.lastError().isValid()) c.fail(q.lastError());
    return rows;
}

void FluidStore::setValue(std::string_view title, std::int64_t rowid, std::size_t column,
                          double value) {
    const auto names = columns();
    if (column >= names.size()) throw UserError(msg::wrongValueCount(names.size(), column + 1));
    const std::optional<double> v = storedValue(value);
    if (!v) throw UserError(msg::valueNotStorable(names[column]));

    Connection c(path_, gas_, Access::Write);
    Transaction tx(c);
    const QString table = tableFor(c, title);
    QSqlQuery q = c.query();
    if (!q.prepare("UPDATE " + quoted(table) + " SET " + quoted(QLatin1String(names[column])) +
                   " = ? WHERE rowid = ?"))
        c.fail(q.lastError());
    q.bindValue(0, *v);
    q.bindValue(1, qint64(rowid));
    c.exec(q);
    if (q.numRowsAffected() != 1) throw UserError(msg::rowMissing(table.toStdString(), c.fileName()));
    tx.commit();
}

std::vector<std::int64_t> FluidStore::appendZeroRows(std::string_view title, int count) {
    Connection c(path_, gas_, Access::Write);
    Transaction tx(c);
    QSqlQuery q = c.query();
    if (!q.prepare(store::insertStatement(tableFor(c, title), gas_))) c.fail(q.lastError());
    std::vector<std::int64_t> rowids;
    for (int r = 0; r < count; ++r) {
        for (int i = 0; i < int(columns().size()); ++i) q.bindValue(i, 0.0);
        c.exec(q);
        rowids.push_back(q.lastInsertId().toLongLong());
    }
    tx.commit();
    return rowids;
}

void FluidStore::deleteRows(std::string_view title, const std::vector<std::int64_t>& rowids) {
    Connection c(path_, gas_, Access::Write);
    Transaction tx(c);
    QSqlQuery q = c.query();
    if (!q.prepare("DELETE FROM " + quoted(tableFor(c, title)) + " WHERE rowid = ?"))
        c.fail(q.lastError());
    for (const std::int64_t rowid : rowids) {
        q.bindValue(0, qint64(rowid));
        c.exec(q);
    }
    tx.commit();
}

void StorePointSource::readPoints(Family family, std::string_view fluid,
                                  const std::function<void(const TablePoint&)>& take) {
    FluidStore(files_, family).readPoints(fluid, take, FluidStore::Order::AsStored);
}

}  // namespace velm
