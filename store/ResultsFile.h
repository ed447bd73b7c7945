#pragma once
// Writing the results file so that a failure never leaves a partial line: an append that
// fails is cut back to the old length, a replacement is written aside and renamed over the
// old file only when complete. Only a regular file the owner may write is ever written; the
// program's own database files never are.

#include <QString>

#include <string>

namespace velm {

// A file that does not exist or is empty gets the heading line.
bool resultsFileIsEmpty(const QString& path);

// Appends `lines` (whole lines), creating the file when missing; `heading` goes first when
// the file is empty at the moment of writing. The file is locked from that decision to the
// end of the write, so two programs saving to one new file write one heading between them.
// A file whose last line lacks its line break gets one first. Throws UserError, with the
// file left as it was (a file this call created is removed again), when it cannot be written.
void appendToResultsFile(const QString& path, const std::string& heading,
                         const std::string& lines);

// Replaces the whole file with `bytes`. Throws UserError, with the old file as it was.
void replaceResultsFile(const QString& path, const std::string& bytes);

// Writes `bytes` aside and renames them into place over any old file, refusing what the
// results file refuses (a database file, anything but a regular file, a read-only file);
// false, with the old file as it was, when that cannot be done.
bool writeWholeFile(const QString& path, const std::string& bytes);

}  // namespace velm
