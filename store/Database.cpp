#include "store/Database.h"

#include "engine/Catalogue.h"
#include "engine/Properties.h"
#include "engine/UserError.h"
#include "store/FluidStore.h"
#include "store/ShippedTables.h"
#include "store/StoreMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QTemporaryFile>

#include <array>
#include <atomic>
#include <filesystem>
#include <system_error>

namespace velm::store {
namespace {

// TEMP, then the properties in their order: a gas table stops before BETA.
constexpr std::array<const char*, 1 + kPropertyCount> kColumns = [] {
    std::array<const char*, 1 + kPropertyCount> columns{"TEMP"};
    for (std::size_t i = 0; i < kPropertyCount; ++i) columns[i + 1] = kProperties[i].column.data();
    return columns;
}();

// The first 16 bytes of every SQLite database file.
constexpr char kHeader[] = "SQLite format 3";  // with its terminating NUL: 16 bytes
static_assert(sizeof kHeader == 16);

// SQLite's result codes for a file that is not a database and a write to a read-only one.
const QString kNotADatabaseCode = QStringLiteral("26");
const QString kReadOnlyCode = QStringLiteral("8");

std::string text(const QString& s) { return s.toStdString(); }
std::string nativePath(const QString& path) { return text(QDir::toNativeSeparators(path)); }

QString uniqueConnectionName() {
    static std::atomic<unsigned long long> next{0};
    return QStringLiteral("velm-store-%1").arg(++next);
}

bool ownerMayWrite(const QFileInfo& info) {
    // Not isWritable(): that asks the system, which lets root write anything.
    return info.permissions().testFlag(QFileDevice::WriteOwner);
}

// Refuses a file that is not an SQLite database before the engine ever sees it; an old
// Access file is told apart, since the program can convert it.
void checkHeader(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw UserError(msg::cannotReadFile(nativePath(path), text(f.errorString())));
    const QByteArray head = f.read(kAccessHeaderSize);
    if (head.startsWith(QByteArray(kHeader, sizeof kHeader))) return;
    if (looksLikeAccessFile(head)) throw AccessFileFound(path);
    throw UserError(msg::notADatabase(nativePath(path)));
}

}  // namespace

std::span<const char* const> tableColumns(bool gas) {
    const Family family = gas ? Family::Gases : Family::Liquids;
    return std::span<const char* const>(kColumns).first(1 + propertiesOf(family).size());
}

QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// STRICT with REAL columns: the engine itself refuses text in a value column.
QString createStatement(const QString& title, bool gas) {
    QStringList columns;
    for (const char* c : tableColumns(gas)) columns << quoted(QLatin1String(c)) + " REAL";
    return "CREATE TABLE " + quoted(title) + " (" + columns.join(", ") + ") STRICT";
}

QString insertStatement(const QString& table, bool gas) {
    QStringList columns, marks;
    for (const char* c : tableColumns(gas)) {
        columns << quoted(QLatin1String(c));
        marks << QStringLiteral("?");
    }
    return "INSERT INTO " + quoted(table) + " (" + columns.join(", ") + ") VALUES (" +
           marks.join(", ") + ")";
}

bool isEngineName(const QString& name) {
    return name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive);
}

AsideFile::AsideFile(const QString& target) : target_(target) {
    const QFileInfo info(target);
    if (!info.dir().exists())
        throw UserError(msg::cannotCreateFile(nativePath(target), "LA CARPETA NO EXISTE"));
    QTemporaryFile temp(info.dir().filePath("." + info.fileName() + ".XXXXXX"));
    // Removed by the destructor: a QTemporaryFile would remove the file under its new name.
    temp.setAutoRemove(false);
    if (!temp.open())
        throw UserError(msg::cannotCreateFile(nativePath(target), text(temp.errorString())));
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                        QFileDevice::ReadGroup | QFileDevice::ReadOther);
    path_ = temp.fileName();
}  // closed before SQLite opens it: a second descriptor closing would drop its locks

AsideFile::~AsideFile() {
    if (kept_) return;
    QFile::remove(path_);
    QFile::remove(path_ + "-journal");
}

void fillNewFile(const AsideFile& file, bool gas, const std::vector<NewTable>& tables) {
    Connection c(Connection::Raw{}, file.path(), file.target(), false);
    Transaction t(c);
    auto write = [&c, gas](const QString& name, const std::vector<std::vector<double>>& rows) {
        c.exec(createStatement(name, gas));
        QSqlQuery insert = c.query();
        if (!insert.prepare(insertStatement(name, gas))) c.fail(insert.lastError());
        for (const std::vector<double>& row : rows) {
            for (std::size_t i = 0; i < row.size(); ++i) insert.bindValue(int(i), row[i]);
            c.exec(insert);
        }
    };
    QStringList written;
    for (const NewTable& table : tables) {
        write(table.title, table.rows);
        written << table.title.toUpper();
    }
    for (const BuiltInFluid& fluid : builtInFluids(gas ? Family::Gases : Family::Liquids)) {
        const QString name = QString::fromUtf8(fluid.name.data(), qsizetype(fluid.name.size()));
        if (!written.contains(name.toUpper())) write(name, shippedTable(gas, fluid.name));
    }
    t.commit();
}

// A new file is built aside and renamed into place, so no half-seeded file is ever seen
// under the real name.
void seed(const QString& path, bool gas, bool replaceEmpty) {
    AsideFile aside(path);
    fillNewFile(aside, gas, {});
    if (replaceEmpty) {
        if (QFileInfo(path).size() != 0) return;  // written meanwhile: never replaced
        std::error_code ec;
        std::filesystem::rename(QFile::encodeName(aside.path()).toStdString(),
                                QFile::encodeName(path).toStdString(), ec);
        if (ec) throw UserError(msg::cannotCreateFile(nativePath(path), ec.message()));
    } else if (QFile tempFile(aside.path()); !tempFile.rename(path)) {
        // Someone else made the file meanwhile: theirs stands, and is checked as any other.
        if (!QFileInfo::exists(path))
            throw UserError(msg::cannotCreateFile(nativePath(path), text(tempFile.errorString())));
        return;
    }
    aside.release();
}

Connection::Connection(const QString& path, bool gas, Access access) : path_(path) {
    QFileInfo info(path);
    const bool empty = info.exists() && info.isFile() && info.size() == 0;
    if (!info.exists() || (empty && ownerMayWrite(info))) {
        seed(path, gas, info.exists());
        info.refresh();
    }
    if (info.isDir()) throw UserError(msg::cannotReadFile(nativePath(path), "ES UNA CARPETA"));
    // SQLite takes a zero-length file for an empty database; only a read-only one gets here.
    if (info.size() > 0) checkHeader(path);
    const bool writable = ownerMayWrite(info);
    if (access == Access::Write && !writable) throw UserError(msg::readOnlyFile(nativePath(path)));
    open(path, access == Access::Read || !writable);
}

Connection::Connection(Raw, const QString& file, const QString& shownPath, bool readOnly)
    : path_(shownPath) {
    open(file, readOnly);
}

void Connection::open(const QString& file, bool readOnly) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw UserError(std::string(msg::kDriverMissing));
    name_ = uniqueConnectionName();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(file);
    if (readOnly) db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db_.open()) fail(db_.lastError());
}

Connection::~Connection() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

std::string Connection::fileName() const { return text(QFileInfo(path_).fileName()); }

QSqlQuery Connection::query() {
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    return q;
}

void Connection::exec(QSqlQuery& q) {
    if (!q.exec()) fail(q.lastError());
}

void Connection::exec(const QString& statement) {
    QSqlQuery q = query();
    if (!q.exec(statement)) fail(q.lastError());
}

void Connection::fail(const QSqlError& error) const {
    const std::string path = nativePath(path_);
    if (error.nativeErrorCode() == kNotADatabaseCode) throw UserError(msg::notADatabase(path));
    if (error.nativeErrorCode() == kReadOnlyCode) throw UserError(msg::readOnlyFile(path));
    const QString words = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    throw UserError(msg::databaseError(path, text(words)));
}

std::vector<QString> Connection::allTables() {
    QSqlQuery q = query();
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid")))
        fail(q.lastError());
    std::vector<QString> names;
    while (q.next()) names.push_back(q.value(0).toString());
    if (q.lastError().isValid()) fail(q.lastError());
    return names;
}

std::optional<QString> Connection::fluidTable(const QString& title) {
    std::optional<QString> found;
    const QString upper = title.toUpper();
    for (const QString& name : allTables()) {
        if (isEngineName(name)) continue;
        if (name == title) return name;
        if (!found && name.toUpper() == upper) found = name;
    }
    return found;
}

Transaction::Transaction(Connection& c) : c_(c) {
    if (!c_.db().transaction()) c_.fail(c_.db().lastError());
}

Transaction::~Transaction() {
    if (open_) c_.db().rollback();
}

void Transaction::commit() {
    if (!c_.db().commit()) c_.fail(c_.db().lastError());
    open_ = false;
}

}  // namespace velm::store
