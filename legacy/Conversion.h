#pragma once
// Converts an old Access database file of a family into a new file of the store's format.
//
// A table becomes a fluid table when it has every column of its family (names matched
// ignoring letter case, in any order, other columns ignored), each of a number type; its title
// is kept exactly and every value is stored as the store keeps any value. What cannot be
// taken over is reported and left out, never guessed: a table that is not a fluid table, a
// liquid table without BETA, a damaged table, a row lacking a value. A table without rows
// is imported without rows, as the program itself creates them. The built-in fluids that
// the old file has no table for get the shipped table, after the imported ones.
//
// The original is never written. The new file is built aside and renamed into place only
// when complete: a failure at any step leaves no new file behind.

#include "correlation/Family.h"
#include "legacy/AccessReader.h"
#include "store/Database.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace velm::legacy {

struct SkippedRow {
    std::string row;  // "TEMP = 250", or "Nº 3" when the row has no TEMP
    std::string reason;
};

struct ImportedTable {
    std::string title;
    std::size_t rows = 0;  // imported
    std::vector<SkippedRow> skippedRows;
};

struct SkippedTable {
    std::string title;
    std::string reason;
};

struct ConversionReport {
    std::string source;  // the paths as shown
    std::string target;
    std::vector<ImportedTable> imported;
    std::vector<SkippedTable> skipped;
    std::vector<std::string> shipped;  // built-in fluids given the program's table
    std::string keptOriginal;          // where the original now lies, when it was moved

    // Every table and every row taken over.
    bool complete() const;
    // The report in the program's words, a line each.
    std::vector<std::string> lines() const;
};

// The tables and rows of an Access database that become fluid tables of the family.
struct ConversionPlan {
    std::vector<store::NewTable> tables;
    ConversionReport report;
};
ConversionPlan planConversion(const AccessDatabase& db, bool gas);

// Converts the Access file `source` into a new file `target` of the family; `target` must
// not exist yet, unless it is `source` itself, which is then converted in place.
ConversionReport convertFile(const QString& source, const QString& target, Family family);

// Converts a family's file where it lies: the original keeps its bytes under keptName() and
// the new file takes its name.
ConversionReport convertInPlace(const QString& path, Family family);

// The first free name of GASES.access.mdb, GASES.access-2.mdb ... beside `path`.
QString keptName(const QString& path);

}  // namespace velm::legacy
