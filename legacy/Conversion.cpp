#include "legacy/Conversion.h"

#include "engine/Catalogue.h"
#include "engine/NumberText.h"
#include "legacy/LegacyMessages.h"
#include "store/FluidStore.h"
#include "store/StoreMessages.h"
#include "engine/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velm::legacy {
namespace {


std::string shown(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
}
QByteArray native(const QString& path) { return QFile::encodeName(path); }

std::string joined(const std::vector<std::string>& items) {
    std::string s;
    for (const std::string& item : items) s += (s.empty() ? "" : ", ") + item;
    return s;
}

// The shortest text that reads back as the stored number: as a float for a Single column.
std::string numberText(double v, ColumnKind kind) {
    return kind == ColumnKind::Single ? shortestText(float(v)) : shortestText(v);
}

// Why the table cannot be a fluid table of the family; empty when it can. `at` gets the
// position of each of the family's columns.
std::string fluidColumns(const AccessTable& t, bool gas, std::vector<std::size_t>& at) {
    std::vector<std::string> missing;
    at.clear();
    for (const char* wanted : store::tableColumns(gas)) {
        std::size_t i = 0;
        while (i < t.columns.size() &&
               QString::fromUtf8(t.columns[i].name).compare(QLatin1String(wanted), Qt::CaseInsensitive) != 0)
            ++i;
        if (i == t.columns.size()) missing.push_back(wanted);
        at.push_back(i);
    }
    if (!gas && missing == std::vector<std::string>{"BETA"}) return msg::tr(msg::kNoBeta);
    if (!missing.empty()) return msg::notAFluidTable(joined(missing), missing.size() > 1);
    for (std::size_t c = 0; c < at.size(); ++c)
        if (!t.columns[at[c]].number()) return msg::columnNotANumber(t.columns[at[c]].name);
    return {};
}

// Why the table does not become a fluid table; empty when it does. `taken` holds the titles
// imported so far, upper case; `at` gets the position of each of the family's columns.
std::string whyTableLeftOut(const AccessTable& t, const QStringList& taken, bool gas,
                            std::vector<std::size_t>& at) {
    const QString title = QString::fromUtf8(t.name);
    if (!t.damage.empty()) return msg::tableDamaged(t.damage);
    if (title.isEmpty() || title.toUtf8() != QByteArray::fromStdString(t.name))
        return msg::tr(msg::kUnreadableTitle);
    if (store::isEngineName(title)) return msg::tr(msg::kReservedTitle);
    if (taken.contains(title.toUpper())) return msg::tr(msg::kRepeatedTitle);
    return fluidColumns(t, gas, at);
}

// Why the row is left out; empty when `values` got every value of the family, in its order.
std::string whyRowLeftOut(const std::vector<AccessCell>& cells, const std::vector<std::size_t>& at, bool gas,
                          std::vector<double>& values) {
    const auto names = store::tableColumns(gas);
    std::vector<std::string> empty, unfit;
    for (std::size_t c = 0; c < at.size(); ++c) {
        const AccessCell& cell = cells[at[c]];
        const std::optional<double> v = cell ? storedValue(*cell) : std::nullopt;
        if (!cell)
            empty.push_back(names[c]);
        else if (!v)
            unfit.push_back(names[c]);
        else
            values.push_back(*v);
    }
    if (!empty.empty()) return msg::missingValues(joined(empty), empty.size() > 1);
    if (!unfit.empty()) return msg::valueNotSingle(unfit.front());
    return {};
}

// The complete rows of a fluid table go into `table`; the others are reported by their TEMP,
// or by their number when they have none.
ImportedTable importRows(const AccessTable& t, const std::vector<std::size_t>& at, bool gas,
                         store::NewTable& table) {
    ImportedTable done{t.name, 0, {}};
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const std::vector<AccessCell>& cells = t.rows[r];
        std::vector<double> values;
        std::string why = whyRowLeftOut(cells, at, gas, values);
        if (why.empty()) {
            table.rows.push_back(std::move(values));
            continue;
        }
        const AccessCell& temp = cells[at[0]];
        const std::string row =
            temp ? msg::rowByTemp(numberText(*temp, t.columns[at[0]].kind)) : msg::rowByNumber(r + 1);
        done.skippedRows.push_back({row, std::move(why)});
    }
    done.rows = table.rows.size();
    return done;
}

// The built-in fluids of the family that no imported table stands for.
std::vector<std::string> shippedMissing(const QStringList& taken, bool gas) {
    std::vector<std::string> shipped;
    for (const BuiltInFluid& fluid : builtInFluids(gas ? Family::Gases : Family::Liquids)) {
        const QString name = QString::fromUtf8(fluid.name.data(), qsizetype(fluid.name.size()));
        if (!taken.contains(name.toUpper())) shipped.emplace_back(fluid.name);
    }
    return shipped;
}

void requireWritableFolder(const QString& target) {
    const QFileInfo folder(QFileInfo(target).absolutePath());
    if (!folder.isDir()) throw UserError(msg::cannotCreateFile(shown(target), msg::tr(msg::kNoFolder)));
    // The owner's bit as well as the system's answer: root may write anywhere, yet a folder
    // its owner closed to writing is meant to stay as it is.
    if (!folder.permissions().testFlag(QFileDevice::WriteOwner) || !folder.isWritable())
        throw UserError(msg::folderNotWritable(shown(folder.absoluteFilePath())));
}

bool occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Moves `from` to `to` unless `to` exists; errno tells why not.
bool moveWithoutReplacing(const QString& from, const QString& to) {
    if (::renameat2(AT_FDCWD, native(from).constData(), AT_FDCWD, native(to).constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without that rename: a link, which never replaces either.
    if (::link(native(from).constData(), native(to).constData()) != 0) return false;
    ::unlink(native(from).constData());
    return true;
}

// So that the renames survive a power cut as well as the file's contents do.
void syncFolder(const QString& path) {
    const int fd =
        ::open(native(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

struct Converted {
    ConversionPlan plan;
    std::unique_ptr<store::AsideFile> aside;
};

// Reads the Access file and writes the new file aside, beside `target`.
Converted convertAside(const QString& source, const QString& target, bool gas) {
    requireWritableFolder(target);
    Converted c;
    c.plan = planConversion(readAccessFile(native(QFileInfo(source).absoluteFilePath()).toStdString()), gas);
    c.plan.report.source = shown(source);
    c.plan.report.target = shown(target);
    try {
        c.aside = std::make_unique<store::AsideFile>(QFileInfo(target).absoluteFilePath());
        store::fillNewFile(*c.aside, gas, c.plan.tables);
    } catch (const UserError& e) {
        throw UserError(msg::conversionFailed(shown(source), e.what()));
    }
    return c;
}

}  // namespace

bool ConversionReport::complete() const {
    if (!skipped.empty()) return false;
    for (const ImportedTable& t : imported)
        if (!t.skippedRows.empty()) return false;
    return true;
}

std::vector<std::string> ConversionReport::lines() const {
    std::vector<std::string> out{msg::importedFrom(imported.size(), source, target)};
    for (const ImportedTable& t : imported) {
        out.push_back(msg::importedTable(t.title, t.rows));
        for (const SkippedRow& r : t.skippedRows) out.push_back(msg::skippedRow(r.row, r.reason));
    }
    if (!skipped.empty()) {
        out.push_back(msg::skippedTables(skipped.size()));
        for (const SkippedTable& t : skipped) out.push_back(msg::skippedTable(t.title, t.reason));
    }
    if (!shipped.empty()) out.push_back(msg::shippedAdded(joined(shipped)));
    if (!keptOriginal.empty()) out.push_back(msg::originalKept(keptOriginal));
    return out;
}

ConversionPlan planConversion(const AccessDatabase& db, bool gas) {
    ConversionPlan plan;
    QStringList taken;  // upper case, as the store compares titles
    for (const AccessTable& t : db.tables) {
        std::vector<std::size_t> at;
        if (std::string why = whyTableLeftOut(t, taken, gas, at); !why.empty()) {
            plan.report.skipped.push_back({t.name, std::move(why)});
            continue;
        }
        const QString title = QString::fromUtf8(t.name);
        store::NewTable table{title, {}};
        plan.report.imported.push_back(importRows(t, at, gas, table));
        taken << title.toUpper();
        plan.tables.push_back(std::move(table));
    }
    plan.report.shipped = shippedMissing(taken, gas);
    return plan;
}

QString keptName(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    for (int n = 1;; ++n) {
        const QString candidate = info.dir().filePath(
            stem + QStringLiteral(".access") + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + suffix);
        if (!occupied(candidate)) return candidate;
    }
}

ConversionReport convertFile(const QString& source, const QString& target, Family family) {
    const QFileInfo to(target);
    if (occupied(target)) {
        if (to.exists() && to.canonicalFilePath() == QFileInfo(source).canonicalFilePath())
            return convertInPlace(source, family);
        throw UserError(msg::targetExists(shown(target)));
    }
    Converted c = convertAside(source, target, family == Family::Gases);
    if (!moveWithoutReplacing(c.aside->path(), target)) {
        const int error = errno;
        throw UserError(error == EEXIST ? msg::targetExists(shown(target))
                                        : msg::conversionFailed(shown(source), std::strerror(error)));
    }
    c.aside->release();
    syncFolder(target);
    return c.plan.report;
}

// The original stays under its own name until the new file replaces it: first a second name
// for it (a hard link, so both name the same bytes), then the new file renamed over the
// first name. A failure before that rename removes the second name again; the rename itself
// either happens whole or not at all. Without hard links the original is moved to its new
// name instead, and moved back if the rename fails.
ConversionReport convertInPlace(const QString& path, Family family) {
    Converted c = convertAside(path, path, family == Family::Gases);
    QString kept;
    bool linked = false;
    for (int attempt = 0; attempt < 100 && kept.isEmpty(); ++attempt) {
        const QString candidate = keptName(path);
        if (::link(native(path).constData(), native(candidate).constData()) == 0) {
            kept = candidate;
            linked = true;
        } else if (errno != EEXIST && moveWithoutReplacing(path, candidate)) {
            kept = candidate;
        } else if (errno != EEXIST) {
            throw UserError(msg::conversionFailed(shown(path), std::strerror(errno)));
        }
    }
    if (kept.isEmpty()) throw UserError(msg::conversionFailed(shown(path), std::strerror(EEXIST)));

    if (::rename(native(c.aside->path()).constData(), native(path).constData()) != 0) {
        std::string why = std::strerror(errno);
        if (linked)
            ::unlink(native(kept).constData());
        else if (::rename(native(kept).constData(), native(path).constData()) != 0)
            why += "; " + msg::originalKept(shown(kept));  // intact, under its second name
        throw UserError(msg::conversionFailed(shown(path), why));
    }
    c.aside->release();
    syncFolder(path);
    c.plan.report.keptOriginal = shown(kept);
    return c.plan.report;
}

}  // namespace velm::legacy
