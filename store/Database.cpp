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
#include <QUrl>

#include <array>
#include <atomic>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

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

// Refuses a file that is not an SQLite database before the engine ever sees it (an old
// Access file is told apart, since the program can convert it); tells whether the file keeps
// its changes in a write-ahead log (-wal and -shm beside it) rather than in a rollback journal.
bool checkHeader(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw UserError(msg::cannotReadFile(nativePath(path), text(f.errorString())));
    const QByteArray head = f.read(100);
    if (!head.startsWith(QByteArray(kHeader, sizeof kHeader))) {
        if (looksLikeAccessFile(head.left(kAccessHeaderSize))) throw AccessFileFound(path);
        throw UserError(msg::notADatabase(nativePath(path)));
    }
    // Bytes 18 and 19: the versions a writer and a reader need, 2 for a write-ahead log.
    return head.size() >= 20 && (head[18] == 2 || head[19] == 2);
}

[[noreturn]] void cannotRead(const QString& path, const std::string& reason) {
    throw UserError(msg::cannotReadFile(nativePath(path), reason));
}

// The file the name leads to, links followed; refused unless it is a regular file. nullopt:
// nothing by that name, not even a link.
std::optional<struct stat> regularFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        const int error = errno;
        struct stat link {};
        if (error == ELOOP) cannotRead(path, msg::tr(msg::kCircularLink));
        if (error == ENOENT && ::lstat(name.constData(), &link) == 0)
            cannotRead(path, msg::tr(msg::kDanglingLink));
        if (error == ENOENT) return std::nullopt;
        cannotRead(path, std::generic_category().message(error));
    }
    if (S_ISDIR(st.st_mode)) cannotRead(path, msg::tr(msg::kIsAFolder));
    // A FIFO or a device would block the engine or read as an endless empty file.
    if (!S_ISREG(st.st_mode)) cannotRead(path, msg::tr(msg::kNotARegularFile));
    return st;
}

bool mayCreateIn(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

bool nonEmptyFile(const QString& path) { return QFileInfo(path).size() > 0; }

std::chrono::milliseconds gLockWait{5000};

}  // namespace

std::chrono::milliseconds lockWait() { return gLockWait; }
void setLockWait(std::chrono::milliseconds wait) { gLockWait = wait; }

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
        throw UserError(msg::cannotCreateFile(nativePath(target), msg::tr(msg::kNoFolder)));
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
    // An empty file reached through a link is replaced where it lies; the link stays.
    const QString real = replaceEmpty ? QFileInfo(path).canonicalFilePath() : path;
    AsideFile aside(real);
    fillNewFile(aside, gas, {});
    if (replaceEmpty) {
        // Only an empty regular file is ever replaced: never a device or anything else a
        // link may lead to (as root, a rename would put a file in a device's place).
        const QFileInfo now(real);
        if (!now.isFile() || now.isSymLink()) cannotRead(path, msg::tr(msg::kNotARegularFile));
        if (now.size() != 0) return;  // written meanwhile: never replaced
        std::error_code ec;
        std::filesystem::rename(QFile::encodeName(aside.path()).toStdString(),
                                QFile::encodeName(real).toStdString(), ec);
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
    std::optional<struct stat> st = regularFile(path);
    const bool empty = st && st->st_size == 0;
    if (!st || (empty && (st->st_mode & S_IWUSR))) {
        seed(path, gas, st.has_value());
        st = regularFile(path);
        if (!st) cannotRead(path, msg::tr(msg::kDoesNotExist));
    }
    const QString real = QFileInfo(path).canonicalFilePath();
    journal_ = real + "-journal";
    // SQLite takes a zero-length file for an empty database; only a read-only one gets here.
    const bool writeAheadLog = st->st_size > 0 && checkHeader(path);
    // Not access(): the system lets root write anything; the owner's bit is the user's word.
    const bool writable = st->st_mode & S_IWUSR;
    if (access == Access::Write) {
        if (!writable) throw UserError(msg::readOnlyFile(nativePath(path)));
        open(path, Mode::ReadWrite);
        return;
    }

    // A read opens the file read-only, which creates nothing beside it, except where the
    // engine needs to write to read correctly. A write-ahead log is kept in two files beside
    // the database that the engine creates even to read, and only a writer removes again:
    // read through a writer when the file and its folder may be written; otherwise, with no
    // log there no other program can be writing (it would have made one), so the file is
    // read as it stands. A rollback journal left by an interrupted write must be rolled back
    // before the file can be read, which again takes a writer.
    const bool mayWrite = writable && ::access(QFile::encodeName(real).constData(), W_OK) == 0 &&
                          mayCreateIn(QFileInfo(real).absolutePath());
    Mode mode = Mode::ReadOnly;
    if (writeAheadLog)
        mode = mayWrite ? Mode::ReadWrite
                        : (QFileInfo::exists(real + "-wal") ? Mode::ReadOnly : Mode::Immutable);
    else if (mayWrite && nonEmptyFile(journal_))
        mode = Mode::ReadWrite;
    open(path, mode);
}

Connection::Connection(Raw, const QString& file, const QString& shownPath, bool readOnly)
    : path_(shownPath), journal_(file + "-journal") {
    open(file, readOnly ? Mode::ReadOnly : Mode::ReadWrite);
}

void Connection::open(const QString& file, Mode mode) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw UserError(msg::tr(msg::kDriverMissing));
    name_ = uniqueConnectionName();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    QStringList options{QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(gLockWait.count())};
    if (mode != Mode::ReadWrite) options << QStringLiteral("QSQLITE_OPEN_READONLY");
    if (mode == Mode::Immutable) {
        options << QStringLiteral("QSQLITE_OPEN_URI");
        db_.setDatabaseName(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath())
                                .toString(QUrl::FullyEncoded) +
                            QStringLiteral("?immutable=1"));
    } else {
        db_.setDatabaseName(file);
    }
    db_.setConnectOptions(options.join(QLatin1Char(';')));
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
    // The engine refuses to read past an interrupted write that this connection may not undo
    // with SQLITE_READONLY_ROLLBACK, an extended code of SQLITE_READONLY.
    const int code = error.nativeErrorCode().toInt();
    if ((code & 0xFF) == kReadOnlyCode.toInt() && nonEmptyFile(journal_))
        throw UserError(msg::interruptedWrite(path, nativePath(journal_)));
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

// IMMEDIATE: the write lock is taken at the start, waiting for another writer up to the
// lock wait. A plain BEGIN takes it at the first write, where a wait could deadlock and the
// engine gives up at once.
Transaction::Transaction(Connection& c) : c_(c) {
    c_.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    if (!open_) return;
    QSqlQuery q = c_.query();
    q.exec(QStringLiteral("ROLLBACK"));
}

void Transaction::commit() {
    c_.exec(QStringLiteral("COMMIT"));
    open_ = false;
}

}  // namespace velm::store
