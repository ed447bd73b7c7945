#pragma once
// The store's own plumbing over Qt Sql: one connection per operation, the checks a file
// must pass before it is opened, transactions, quoting and the table schema.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

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

// Opens the file for one operation, after making sure it may be: a missing (or empty) file
// is created with the shipped tables; a file that is not an SQLite database is refused
// untouched; a file without its owner's write permission is opened read-only, and refused
// for writing. Closed and unregistered on destruction.
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
    void open(const QString& file, bool readOnly);
    friend void seed(const QString& path, bool gas, bool replaceEmpty);

    QString path_;
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

}  // namespace velm::store
