#pragma once
// The fluid tables of one family, kept in its database file (GASES.mdb or LIQUIDOS.mdb,
// SQLite format). Every operation opens the file, does its work and closes it again; every
// failure is a UserError whose message names the file or the table, and leaves the file as
// it was.

#include "engine/CalcularTabla.h"
#include "engine/UserError.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velm {

// Where the two database files live: resolved once, against the folder the program started
// in, so that a save dialog changing the current folder cannot move them.
class DatabaseFiles {
public:
    explicit DatabaseFiles(const QString& directory);
    // GASES.mdb or LIQUIDOS.mdb, named after the family.
    QString pathFor(Family family) const;
    // Whether a file name is that of one of the two files (letter case ignored), in any folder.
    static bool isDatabaseName(const QString& fileName);
    const QString& directory() const { return directory_; }

private:
    QString directory_;
};

// A value as the store keeps it: the nearest 32-bit float, widened back to double (1.1614
// becomes 1.1613999605178833). nullopt when that is not a finite number: NaN, an infinity,
// or beyond the range of a float.
std::optional<double> storedValue(double value);

// The first bytes of an Access (Jet or ACE) database file, and whether `head` is one: the
// file's own name for its format follows four fixed bytes.
inline constexpr qsizetype kAccessHeaderSize = 20;
bool looksLikeAccessFile(const QByteArray& head);

// What every operation throws on a family's file that is an old Access database: never read
// or written here; the program offers to convert it.
class AccessFileFound : public UserError {
public:
    explicit AccessFileFound(const QString& path);
    const QString& path() const { return path_; }

private:
    QString path_;
};

// One row of a table as the editing grid sees it. A value is nullopt when the file holds
// no number there (only a file edited outside the program can).
struct StoredRow {
    std::int64_t rowid = 0;
    std::vector<std::optional<double>> values;
};

class FluidStore {
public:
    FluidStore(const DatabaseFiles& files, Family family);

    // The fluid tables, in creation order; the engine's own tables are left out.
    std::vector<std::string> listFluidTables() const;

    // Whether a table of this title exists, letter case ignored, the engine's own tables
    // (and the names the engine reserves for them) included.
    bool titleExists(std::string_view title) const;

    // The stored name of the table the title names, letter case ignored; nullopt when none.
    // Every operation on a table finds it this way; the engine's own tables are never found.
    std::optional<std::string> storedName(std::string_view title) const;

    // An empty table with the family's columns, named exactly as the title.
    void createTable(std::string_view title);
    void deleteTable(std::string_view title);

    // One row: TEMP, DEN, CP, MIU, UN, K, ALFA, PR and, for liquids, BETA; every value is
    // stored as the nearest 32-bit float.
    void appendRow(std::string_view title, const std::vector<double>& values);

    // The rows of the table, one at a time: the distinct ones in ascending TEMP, or every row
    // as stored (no sort: what the evaluation reads, since it needs no order).
    enum class Order { AscendingDistinct, AsStored };
    void readPoints(std::string_view title, const std::function<void(const TablePoint&)>& take,
                    Order order = Order::AscendingDistinct) const;

    bool isGas() const { return gas_; }
    const QString& path() const { return path_; }
    // The names of the columns of the family's tables, TEMP first.
    std::span<const char* const> columns() const;

    // What the editing grid needs: the rows in storage order, keyed by their SQLite row id;
    // one value changed; rows of zeros appended (their row ids returned); rows deleted.
    // The title is matched as storedName() does; several rows change all or none.
    std::vector<StoredRow> readRows(std::string_view title) const;
    void setValue(std::string_view title, std::int64_t rowid, std::size_t column, double value);
    std::vector<std::int64_t> appendZeroRows(std::string_view title, int count);
    void deleteRows(std::string_view title, const std::vector<std::int64_t>& rowids);

private:
    QString path_;
    bool gas_;
};

// The stored tables as the evaluation's point source.
class StorePointSource : public PointSource {
public:
    explicit StorePointSource(const DatabaseFiles& files) : files_(files) {}
    void readPoints(Family family, std::string_view fluid,
                    const std::function<void(const TablePoint&)>& take) override;

private:
    DatabaseFiles files_;
};

}  // namespace velm
