#pragma once
// Reads every user table of an old Access (Jet) database file, over mdbtools' library, into
// memory: names, columns and, for the number columns, every value as stored (a Single as
// its float, a Double as its double; never through text).
//
// mdbtools trusts the offsets and sizes it finds in the file, and a damaged file can crash
// it or keep it busy: readAccessFile() therefore reads in a child process with a time and
// memory limit and takes back only a checked copy of the tables. Every failure is a
// UserError whose message names the file; the file is only ever opened for reading.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velm::legacy {

enum class AccessFormat { Jet3, Jet4, Ace };

// How the values of a column are read: Byte, Integer and Long Integer as whole numbers,
// Single and Double as themselves; every other type not at all.
enum class ColumnKind : unsigned char { Other, Whole, Single, Double };

struct AccessColumn {
    std::string name;  // UTF-8
    int type = 0;      // Access's own type code (mdbtools' MDB_FLOAT, MDB_TEXT ...)
    ColumnKind kind = ColumnKind::Other;
    bool number() const { return kind != ColumnKind::Other; }
};

// A cell of a number column: nullopt when the file holds NULL there. Cells of the other
// columns are always nullopt: their contents are never needed.
using AccessCell = std::optional<double>;

struct AccessTable {
    std::string name;  // UTF-8, exactly as stored
    std::vector<AccessColumn> columns;
    std::vector<std::vector<AccessCell>> rows;  // one cell per column, in the file's order
    // Empty when the table was read whole; otherwise why it could not be, in the program's
    // words (its rows are then not to be trusted).
    std::string damage;
};

struct AccessDatabase {
    AccessFormat format = AccessFormat::Jet4;
    std::vector<AccessTable> tables;  // the user tables, in the file's catalogue order
};

// The format the file's first page declares, after checking that it is an Access file whose
// size is a whole number of its pages; throws UserError otherwise.
AccessFormat checkAccessFile(const std::string& path);

// The guarded reader: checkAccessFile(), then the reading in a child process that gets
// `timeLimit`. A child that crashes, overruns or answers nonsense makes a UserError saying
// the file is damaged.
AccessDatabase readAccessFile(const std::string& path,
                              std::chrono::milliseconds timeLimit = std::chrono::seconds(30));

// The reading itself, in this process, unguarded: what the child runs. Only for a file
// already checked, or under a harness that expects crashes (a fuzzer).
AccessDatabase readAccessFileHere(const std::string& path);

// How the child hands the tables back: `encode` writes them (or, given an error, the
// message), `decode` checks every count and length against the bytes it is given and throws
// UserError naming `path` on anything malformed.
std::string encodeDatabase(const AccessDatabase& db);
std::string encodeError(std::string_view message);
AccessDatabase decodeDatabase(std::string_view bytes, const std::string& path);

}  // namespace velm::legacy
