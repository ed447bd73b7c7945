#pragma once
// The store's own plumbing over Qt Sql: one connection per operation, the checks a file
// must pass before it is opened, transactions, quoting and the table schema.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QSqlError;

namespace velm::store {

// The columns of a fluid table, in their order; a gas table stops before BETA.
std::span<const char* const> tableColumns(bool gas);

// A title as an SQL identifier: in double quotes, embedded quotes doubled.
QString quoted(const QString& identifier);

QString createStatement(const QString& title, bool gas);
QString insertStatement(const QString& table, bool gas);

enum class Access { Read, Write };

class AsideFile;
struct NewTable;

// How long an operation waits for another program's lock on the file before it gives up
// with the engine's "database is locked".
std::chrono::milliseconds lockWait();
void setLockWait(std::chrono::milliseconds wait);

// Opens the file for one operation, after making sure it may be: a missing (or empty) file
// is created with the shipped tables; a name that leads to no regular file (a folder, a
// FIFO, a device, a link that leads nowhere or in a circle) and a file that is not an SQLite
// database are refused untouched; a file without its owner's write permission is opened
// read-only, and refused for writing. Reading leaves nothing beside the file and works in a
// folder it may not write to. Closed and unregistered on destruction.
class Connection {
public:
    Connection(const QString& path, bool gas, Access access);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase& db() { return db_; }
    const QString& path() const { return path_; }
    std::string fileName() const;

    // A forward-only query on this connection: nothing is kept behind the current row.
    QSqlQuery query();
    void exec(QSqlQuery& q);
    void exec(const QString& statement);
    // The error of the engine as the user's message.
    [[noreturn]] void fail(const QSqlError& error) const;

    // Every table of the file, the engine's own included, in creation order.
    std::vector<QString> allTables();
    // The stored fluid table whose name equals the title, letter case ignored (an exact
    // match first); never one of the engine's own tables.
    std::optional<QString> fluidTable(const QString& title);

private:
    struct Raw {};
    // `file` is opened; messages name `shownPath`.
    Connection(Raw, const QString& file, const QString& shownPath, bool readOnly);
    enum class Mode { ReadWrite, ReadOnly, Immutable };
    void open(const QString& file, Mode mode);
    friend void fillNewFile(const AsideFile& file, bool gas, const std::vector<NewTable>& tables);

    QString path_;
    QString journal_;  // where a rollback journal of the file would lie
    QString name_;
    QSqlDatabase db_;
};

// Rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& c_;
    bool open_ = true;
};

// Names SQLite keeps for itself: "sqlite_" in any letter case.
bool isEngineName(const QString& name);

// A new database file, written beside its target under a hidden temporary name so that no
// half-written file is ever seen under the real one. Removed, with its journal, on
// destruction unless released once it has been moved into place.
class AsideFile {
public:
    // Throws UserError when the target's folder is missing or refuses the file.
    explicit AsideFile(const QString& target);
    ~AsideFile();
    AsideFile(const AsideFile&) = delete;
    AsideFile& operator=(const AsideFile&) = delete;

    const QString& path() const { return path_; }
    const QString& target() const { return target_; }
    void release() { kept_ = true; }

private:
    QString target_;
    QString path_;
    bool kept_ = false;
};

// A fluid table for a new file: its title, and its rows with every value already as the
// store keeps it (see storedValue).
struct NewTable {
    QString title;
    std::vector<std::vector<double>> rows;
};

// Fills an empty aside file in one transaction: the given tables in their order, then the
// shipped table of every built-in fluid of the family that none of them names (letter
// case ignored). Messages name the target.
void fillNewFile(const AsideFile& file, bool gas, const std::vector<NewTable>& tables);

}  // namespace velm::store
