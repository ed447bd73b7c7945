#include "legacy/AccessReader.h"

#include "legacy/LegacyMessages.h"
#include "store/FluidStore.h"
#include "store/StoreMessages.h"
#include "engine/UserError.h"

// mdbtools' header wraps glib's in extern "C", which C++ glib headers refuse: glib first.
#include <glib.h>
#include <mdbtools.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

// GCC says it builds with the address sanitizer one way, clang another.
#if defined(__SANITIZE_ADDRESS__)
#define VELM_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELM_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef VELM_ADDRESS_SANITIZER
#define VELM_ADDRESS_SANITIZER 0
#endif

namespace velm::legacy {
namespace {

// The byte of the first page that tells the version, and the page size of each.
constexpr std::size_t kVersionOffset = 0x14;
constexpr std::size_t kJet3Page = 2048;
constexpr std::size_t kJet4Page = 4096;

// What the child may use before it is stopped, and what the parent takes back from it.
[[maybe_unused]] constexpr rlim_t kChildMemory = rlim_t(2) << 30;  // not under the address sanitizer
constexpr std::size_t kMaxAnswer = std::size_t(512) << 20;

constexpr std::string_view kTablesMagic = "VELMACC1";
constexpr std::string_view kErrorMagic = "VELMERR1";

UserError damaged(const std::string& path, std::string_view why) {
    return UserError(msg::accessFileDamaged(path, why));
}

ColumnKind kindOf(int type) {
    switch (type) {
        case MDB_BYTE:
        case MDB_INT:
        case MDB_LONGINT: return ColumnKind::Whole;
        case MDB_FLOAT: return ColumnKind::Single;
        case MDB_DOUBLE: return ColumnKind::Double;
        default: return ColumnKind::Other;
    }
}

int storedSize(int type) {
    switch (type) {
        case MDB_BYTE: return 1;
        case MDB_INT: return 2;
        case MDB_LONGINT:
        case MDB_FLOAT: return 4;
        default: return 8;
    }
}

// A name from one of mdbtools' fixed buffers, which a damaged file may leave unterminated.
std::string fixedName(const char* buffer) {
    return std::string(buffer, strnlen(buffer, MDB_MAX_OBJ_NAME + 1));
}

// The value of a number column in the row just fetched, from its stored bytes on the current
// page; nullopt for NULL. `bad` is set when the row's offsets do not fit the page.
AccessCell readCell(MdbHandle* h, const MdbColumn* col, bool& bad) {
    if (col->cur_value_len == 0) return std::nullopt;
    const int size = storedSize(col->col_type);
    const long long start = col->cur_value_start;
    const long long page = std::min<long long>(h->fmt->pg_size, MDB_PGSIZE);
    if (col->cur_value_len != size || start < 0 || start + size > page) {
        bad = true;
        return std::nullopt;
    }
    const unsigned char* p = h->pg_buf + start;
    switch (col->col_type) {
        case MDB_BYTE: return double(p[0]);
        case MDB_INT: return double(std::int16_t(std::uint16_t(p[0] | p[1] << 8)));
        case MDB_LONGINT:
            return double(std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                       std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24));
        case MDB_FLOAT: return double(mdb_get_single(h->pg_buf, int(start)));
        default: return mdb_get_double(h->pg_buf, int(start));
    }
}

AccessTable readTable(MdbCatalogEntry* entry, MdbHandle* h) {
    AccessTable table;
    table.name = fixedName(entry->object_name);
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> def(mdb_read_table(entry), mdb_free_tabledef);
    if (!def || !mdb_read_columns(def.get()) || def->columns->len < def->num_cols) {
        table.damage = msg::tr(msg::kNoDefinition);
        return table;
    }
    std::vector<const MdbColumn*> columns;
    for (unsigned i = 0; i < def->num_cols; ++i) {
        const auto* col = static_cast<const MdbColumn*>(g_ptr_array_index(def->columns, i));
        columns.push_back(col);
        table.columns.push_back({fixedName(col->name), col->col_type, kindOf(col->col_type)});
    }
    // Rows whose offsets do not fit their page are passed over by the library without a
    // word: the count the definition declares is what tells.
    const std::size_t declared = def->num_rows;
    std::size_t fetched = 0;
    mdb_rewind_table(def.get());
    while (mdb_fetch_row(def.get()) && ++fetched <= declared) {
        std::vector<AccessCell> row(columns.size());
        bool bad = false;
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (table.columns[c].number()) row[c] = readCell(h, columns[c], bad);
        if (bad) {
            table.damage = msg::tr(msg::kBadCell);
            return table;
        }
        table.rows.push_back(std::move(row));
    }
    if (fetched != declared) table.damage = msg::rowCountMismatch(fetched, declared);
    return table;
}

// The child's answer, little-endian whatever the machine.
class Writer {
public:
    void u8(unsigned v) { out += char(v); }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xff);
    }
    void f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i) out += char((bits >> (8 * i)) & 0xff);
    }
    void str(std::string_view s) {
        u32(std::uint32_t(s.size()));
        out += s;
    }
    std::string out;
};

// Every read is checked against what is left, so no count or length in the answer can make
// the parent read beyond it or reserve more than it holds.
class Reader {
public:
    Reader(std::string_view bytes, const std::string& path) : in_(bytes), path_(path) {}
    unsigned u8() { return std::uint8_t(take(1)[0]); }
    std::uint32_t u32() {
        const std::string_view b = take(4);
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t(std::uint8_t(b[std::size_t(i)])) << (8 * i);
        return v;
    }
    double f64() {
        const std::string_view b = take(8);
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= std::uint64_t(std::uint8_t(b[std::size_t(i)])) << (8 * i);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    std::string str() { return std::string(take(u32())); }
    // A count of items of at least `least` bytes each.
    std::size_t count(std::size_t least) {
        const std::uint32_t n = u32();
        if (least > 0 && n > in_.size() / least) fail();
        return n;
    }
    bool atEnd() const { return in_.empty(); }
    [[noreturn]] void fail() const { throw damaged(path_, msg::tr(msg::kReaderAnsweredNonsense)); }

private:
    std::string_view take(std::size_t n) {
        if (n > in_.size()) fail();
        const std::string_view b = in_.substr(0, n);
        in_.remove_prefix(n);
        return b;
    }
    std::string_view in_;
    const std::string& path_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

[[noreturn]] void runChild(const std::string& path, int answer, std::chrono::milliseconds timeLimit) {
    // The library's warnings are no business of the user's terminal, and a crash leaves no
    // core file behind in the user's folder.
    const int devNull = ::open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
    }
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    // A crash ends the child and nothing else: handlers a harness installed in the parent (a
    // fuzzer's, a sanitizer's) would report the library's crash as the program's own.
    for (const int fatal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        ::signal(fatal, SIG_DFL);
    const rlim_t seconds = rlim_t(timeLimit.count() / 1000 + 2);
    const rlimit cpu{seconds, seconds};
    ::setrlimit(RLIMIT_CPU, &cpu);
#if !VELM_ADDRESS_SANITIZER  // the address sanitizer maps far more than that
    // The data it allocates, not its address space: the program's libraries and graphics
    // driver may reserve much of that already.
    const rlimit memory{kChildMemory, kChildMemory};
    ::setrlimit(RLIMIT_DATA, &memory);
#endif
    std::string out;
    try {
        out = encodeDatabase(readAccessFileHere(path));
    } catch (const std::bad_alloc&) {
        out = encodeError(msg::accessFileDamaged(path, msg::tr(msg::kTooLarge)));
    } catch (const std::exception& e) {
        out = encodeError(e.what());
    }
    ::_exit(writeAll(answer, out) ? 0 : 1);
}

struct Fd {
    int fd = -1;
    ~Fd() { reset(); }
    void reset() {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
};

}  // namespace

AccessFormat checkAccessFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw UserError(msg::cannotReadFile(path, std::strerror(errno)));
    const Fd file{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw UserError(msg::cannotReadFile(path, std::strerror(errno)));
    if (S_ISDIR(st.st_mode)) throw UserError(msg::cannotReadFile(path, msg::tr(msg::kIsAFolder)));
    char head[kVersionOffset + 1] = {};
    ssize_t got = 0;
    while (got < ssize_t(sizeof head)) {
        const ssize_t n = ::read(fd, head + got, sizeof head - std::size_t(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw UserError(msg::cannotReadFile(path, std::strerror(errno)));
        if (n == 0) break;
        got += n;
    }
    if (got < ssize_t(sizeof head) || !looksLikeAccessFile(QByteArray(head, kAccessHeaderSize)))
        throw UserError(msg::notAnAccessFile(path));
    const unsigned version = std::uint8_t(head[kVersionOffset]);
    if (version > MDB_VER_ACCDB_2019) throw damaged(path, msg::tr(msg::kUnknownVersion));
    const AccessFormat format = version == MDB_VER_JET3   ? AccessFormat::Jet3
                                : version == MDB_VER_JET4 ? AccessFormat::Jet4
                                                          : AccessFormat::Ace;
    // A file cut short would read as one with fewer rows: refused, never half imported.
    const std::size_t page = format == AccessFormat::Jet3 ? kJet3Page : kJet4Page;
    if (st.st_size < off_t(2 * page) || std::size_t(st.st_size) % page != 0)
        throw damaged(path, msg::tr(msg::kTruncated));
    return format;
}

AccessDatabase readAccessFileHere(const std::string& path) {
    const AccessFormat format = checkAccessFile(path);
    std::unique_ptr<MdbHandle, void (*)(MdbHandle*)> h(mdb_open(path.c_str(), MDB_NOFLAGS), mdb_close);
    // mdb_open takes almost anything; the catalogue is the first real test of the file.
    if (!h || !mdb_read_catalog(h.get(), MDB_TABLE)) throw damaged(path, msg::tr(msg::kNoCatalogue));
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) throw UserError(msg::cannotReadFile(path, std::strerror(errno)));
    const unsigned long pages =
        std::size_t(st.st_size) / (format == AccessFormat::Jet3 ? kJet3Page : kJet4Page);

    std::vector<MdbCatalogEntry*> tables;
    const unsigned entries = std::min<unsigned>(h->num_catalog, h->catalog->len);
    for (unsigned i = 0; i < entries; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(h->catalog, i));
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry)) continue;
        // A table whose definition lies beyond the end: the file was cut at a page boundary.
        if (entry->table_pg >= pages) throw damaged(path, msg::tr(msg::kTruncated));
        tables.push_back(entry);
    }
    AccessDatabase db;
    db.format = format;
    for (MdbCatalogEntry* entry : tables) db.tables.push_back(readTable(entry, h.get()));
    return db;
}

std::string encodeDatabase(const AccessDatabase& db) {
    Writer w;
    w.out += kTablesMagic;
    w.u8(unsigned(db.format));
    w.u32(std::uint32_t(db.tables.size()));
    for (const AccessTable& t : db.tables) {
        w.str(t.name);
        w.str(t.damage);
        w.u32(std::uint32_t(t.columns.size()));
        for (const AccessColumn& c : t.columns) {
            w.str(c.name);
            w.u32(std::uint32_t(c.type));
            w.u8(unsigned(c.kind));
        }
        w.u32(std::uint32_t(t.rows.size()));
        for (const std::vector<AccessCell>& row : t.rows)
            for (std::size_t c = 0; c < t.columns.size(); ++c) {
                const bool present = c < row.size() && row[c].has_value();
                w.u8(present);
                if (present) w.f64(*row[c]);
            }
    }
    return w.out;
}

std::string encodeError(std::string_view message) {
    Writer w;
    w.out += kErrorMagic;
    w.str(message);
    return w.out;
}

AccessDatabase decodeDatabase(std::string_view bytes, const std::string& path) {
    Reader r(bytes.substr(std::min(bytes.size(), kTablesMagic.size())), path);
    if (bytes.substr(0, kErrorMagic.size()) == kErrorMagic) throw UserError(r.str());
    if (bytes.substr(0, kTablesMagic.size()) != kTablesMagic) r.fail();
    AccessDatabase db;
    const unsigned format = r.u8();
    if (format > unsigned(AccessFormat::Ace)) r.fail();
    db.format = AccessFormat(format);
    db.tables.resize(r.count(16));
    for (AccessTable& t : db.tables) {
        t.name = r.str();
        t.damage = r.str();
        t.columns.resize(r.count(9));
        for (AccessColumn& c : t.columns) {
            c.name = r.str();
            c.type = int(r.u32());
            const unsigned kind = r.u8();
            if (kind > unsigned(ColumnKind::Double)) r.fail();
            c.kind = ColumnKind(kind);
        }
        // Each row takes at least a byte per column; a row of no columns has no cells at all.
        const std::size_t rows = r.count(std::max<std::size_t>(1, t.columns.size()));
        if (t.columns.empty() && rows > 0) r.fail();
        t.rows.assign(rows, std::vector<AccessCell>(t.columns.size()));
        for (std::vector<AccessCell>& row : t.rows)
            for (std::size_t c = 0; c < row.size(); ++c) {
                const unsigned present = r.u8();
                if (present > 1 || (present && !t.columns[c].number())) r.fail();
                if (present) row[c] = r.f64();
            }
    }
    if (!r.atEnd()) r.fail();
    return db;
}

AccessDatabase readAccessFile(const std::string& path, std::chrono::milliseconds timeLimit) {
    checkAccessFile(path);
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) throw UserError(msg::cannotReadFile(path, std::strerror(errno)));
    Fd in{ends[0]}, out{ends[1]};
    const pid_t child = ::fork();
    if (child < 0) throw UserError(msg::cannotReadFile(path, std::strerror(errno)));
    if (child == 0) {
        in.reset();
        runChild(path, out.fd, timeLimit);
    }
    out.reset();

    std::string answer;
    std::string why;
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            why = msg::readerTimedOut(std::chrono::ceil<std::chrono::seconds>(timeLimit).count());
            break;
        }
        pollfd p{in.fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(std::min<long long>(left.count(), 1000)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) {
            why = msg::tr(msg::kReaderCrashed);
            break;
        }
        if (ready == 0) continue;
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the child is done (or gone: its status tells)
        if (answer.size() + std::size_t(n) > kMaxAnswer) {
            why = msg::tr(msg::kTooLarge);
            break;
        }
        answer.append(buffer, std::size_t(n));
    }
    if (!why.empty()) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    if (why.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) why = msg::tr(msg::kReaderCrashed);
    if (!why.empty()) throw damaged(path, why);
    return decodeDatabase(answer, path);
}

}  // namespace velm::legacy
