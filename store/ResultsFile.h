#pragma once
// Writing the results file so that a failure never leaves a partial line: an append that
// fails is cut back to the old length, a replacement is written aside and renamed over the
// old file only when complete.

#include <QString>

#include <string>

namespace velm {

// A file that does not exist or is empty gets the heading line.
bool resultsFileIsEmpty(const QString& path);

// Appends `bytes` (whole lines), creating the file when missing. Throws UserError, with the
// file left as it was, when it cannot be written.
void appendToResultsFile(const QString& path, const std::string& bytes);

// Replaces the whole file with `bytes`. Throws UserError, with the old file as it was.
void replaceResultsFile(const QString& path, const std::string& bytes);

// Writes `bytes` aside and renames them into place over any old file; false, with the old
// file as it was, when that cannot be done.
bool writeWholeFile(const QString& path, const std::string& bytes);

}  // namespace velm
