#include "store/ResultsFile.h"

#include "engine/UserError.h"
#include "store/FluidStore.h"
#include "store/StoreMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velm {
namespace {

[[noreturn]] void refuse(const QString& path, std::string_view reason) {
    throw UserError(msg::cannotSaveResults(QDir::toNativeSeparators(path).toStdString(), msg::tr(reason)));
}

[[noreturn]] void cannotSave(const QString& path) {
    throw UserError(msg::cannotSaveResults(QDir::toNativeSeparators(path).toStdString()));
}

// The first 16 bytes of every SQLite database file, its terminating NUL included.
constexpr char kDatabaseHeader[] = "SQLite format 3";
static_assert(sizeof kDatabaseHeader == 16);

// Past the file-size limit a write raises SIGXFSZ, which ends the program before the file
// can be cut back. Ignored while the results are written, the write fails instead.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &old_);
    }
    ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &old_, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    struct sigaction old_ {};
};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now; false when the system reports that written data were lost.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

// What may be written at all, asked before the file is opened (opening a FIFO or a device
// can block or act on the device): the program's database files, anything but a regular
// file after links are followed, and a file without its owner's write permission (the
// permission bits, not the system's answer, which lets root write anything) are refused.
void checkTarget(const QString& path, const QByteArray& name) {
    if (DatabaseFiles::isDatabaseName(QFileInfo(path).fileName()))
        refuse(path, msg::kProgramDatabase);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT) return;  // a new file
        cannotSave(path);
    }
    if (S_ISDIR(st.st_mode)) refuse(path, msg::kIsAFolder);
    if (!S_ISREG(st.st_mode)) refuse(path, msg::kNotARegularFile);
    if (!(st.st_mode & S_IWUSR)) refuse(path, msg::kReadOnly);
}

bool holdsDatabase(int fd) {
    std::array<char, sizeof kDatabaseHeader> head{};
    return ::pread(fd, head.data(), head.size(), 0) == ssize_t(head.size()) &&
           std::memcmp(head.data(), kDatabaseHeader, head.size()) == 0;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return ::fsync(fd) == 0;
}

// Another saver holds the lock only while it writes its lines; one that holds it longer is
// stuck, and is not waited for without end.
bool lockWithin(int fd, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// The results file opened and locked; created by this call or not. Another saver that
// created the file and failed may have removed it while this one waited for the lock: the
// file is then opened again, so nothing is written into a file no name leads to.
struct Opened {
    int fd = -1;
    bool created = false;
    bool readable = true;
};

Opened openLocked(const QString& path, const QByteArray& name) {
    constexpr int kFlags = O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    for (int attempt = 0; attempt < 10; ++attempt) {
        Opened o;
        o.fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | kFlags, 0666);
        o.created = o.fd >= 0;
        if (o.fd < 0 && errno != EEXIST) cannotSave(path);
        if (o.fd < 0) o.fd = ::open(name.constData(), O_RDWR | kFlags);
        if (o.fd < 0 && errno == EACCES) {  // a file one may write but not read
            o.readable = false;
            o.fd = ::open(name.constData(), O_WRONLY | kFlags);
        }
        if (o.fd < 0 && errno == ENOENT) continue;  // removed between the two opens
        if (o.fd < 0) cannotSave(path);
        if (!lockWithin(o.fd, std::chrono::seconds(5))) {
            ::close(o.fd);
            cannotSave(path);
        }
        struct stat mine {}, named {};
        if (::fstat(o.fd, &mine) == 0 && ::stat(name.constData(), &named) == 0 &&
            mine.st_dev == named.st_dev && mine.st_ino == named.st_ino)
            return o;
        ::close(o.fd);
    }
    cannotSave(path);
}

}  // namespace

bool resultsFileIsEmpty(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.size() == 0;
}

void appendToResultsFile(const QString& path, const std::string& heading,
                         const std::string& lines) {
    const QByteArray name = QFile::encodeName(path);
    checkTarget(path, name);
    const FileSizeSignalIgnored noSignal;
    const Opened opened = openLocked(path, name);
    Descriptor fd(opened.fd);

    // Checked again on what was opened: the name may have been given to another file.
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) cannotSave(path);
    if (!S_ISREG(st.st_mode)) refuse(path, msg::kNotARegularFile);
    if (!(st.st_mode & S_IWUSR)) refuse(path, msg::kReadOnly);
    if (opened.readable && holdsDatabase(fd.get())) refuse(path, msg::kADatabase);

    const off_t before = st.st_size;
    std::string bytes;
    if (before == 0) {
        bytes = heading;
    } else if (char last = 0; opened.readable && ::pread(fd.get(), &last, 1, before - 1) == 1 &&
                              last != '\n') {
        bytes = "\r\n";
    }
    bytes += lines;

    if (!writeAll(fd.get(), bytes)) {
        // Cut back, and make sure of it: a cut that fails too is said in the message.
        const bool restored = ::ftruncate(fd.get(), before) == 0 && ::fstat(fd.get(), &st) == 0 &&
                              st.st_size == before;
        if (restored && opened.created) ::unlink(name.constData());  // still under the lock
        if (!restored) refuse(path, msg::kIncompleteLine);
        cannotSave(path);
    }
    if (!fd.close()) cannotSave(path);
}

void replaceResultsFile(const QString& path, const std::string& bytes) {
    const QByteArray name = QFile::encodeName(path);
    checkTarget(path, name);
    if (QFile old(path); old.open(QIODevice::ReadOnly) && old.read(sizeof kDatabaseHeader) ==
                                                            QByteArray(kDatabaseHeader, sizeof kDatabaseHeader))
        refuse(path, msg::kADatabase);
    const FileSizeSignalIgnored noSignal;
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size ||
        !file.commit())
        cannotSave(path);
}

bool writeWholeFile(const QString& path, const std::string& bytes) {
    // The results file's rules: never a database file, never a device a link leads to.
    try {
        replaceResultsFile(path, bytes);
        return true;
    } catch (const UserError&) {
        return false;
    }
}

}  // namespace velm
