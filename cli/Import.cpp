#include "cli/Import.h"

#include "legacy/Conversion.h"
#include "engine/UserError.h"

#include <QString>

#include <algorithm>
#include <ostream>

namespace velm {
namespace {

constexpr const char* kUsage = R"(Usage: velmorantes-import OLD.mdb NEW.mdb --family GASES|LIQUIDOS

Converts an Access database file of an earlier VELMORANTES (GASES.mdb or LIQUIDOS.mdb, Jet
format) into a new database file of this program's format, and prints what it took over
and what it left out.

  OLD.mdb                   the Access file: only read, never written.
  NEW.mdb                   the new file, which must not exist yet. Naming OLD.mdb again
                            converts it in place: the original is then kept beside the new
                            file as OLD.access.mdb (OLD.access-2.mdb ... if that is taken).
  --family GASES|LIQUIDOS   the family of the file's tables.
  --help                    print this help and stop.
  --version                 print the version and stop.

A table is taken over when it has every column of its family: TEMP DEN CP MIU UN K ALFA PR
and, for liquids, BETA, each a number (letter case and column order do not matter; other
columns are ignored). Its title is kept exactly and every value is stored as the nearest
single-precision number. Left out, and reported: any other table, a liquid table without
BETA, a damaged table, and a row lacking a value (the rest of its table is taken over). A
table without rows is taken over without rows. Each built-in fluid the old file has no
table for gets the program's own table, after the imported ones. The new file is written
aside and appears only when complete.

The program itself offers the same conversion when it finds an Access file in place of
GASES.mdb or LIQUIDOS.mdb.

Exit status: 0 every table and row taken over; 1 some left out (see the report); 2 a usage
error, or a file that could not be read or written (nothing is written then).
)";

struct UsageError {
    std::string problem;
};

struct Arguments {
    std::string old, target;
    std::optional<Family> family;
};

Arguments parse(const std::vector<std::string>& args) {
    Arguments a;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string family;
        if (arg == "--family") {
            if (i + 1 == args.size()) throw UsageError{"--family needs a value"};
            family = args[++i];
        } else if (arg.rfind("--family=", 0) == 0) {
            family = arg.substr(9);
        } else if (arg.rfind("--", 0) == 0) {
            throw UsageError{"unknown argument '" + arg + "'"};
        } else {
            files.push_back(arg);
            continue;
        }
        if (a.family) throw UsageError{"--family given twice"};
        a.family = familyNamed(family);
        if (!a.family) throw UsageError{"--family must be GASES or LIQUIDOS"};
    }
    if (files.size() != 2) throw UsageError{"give the old file and the new file"};
    if (!a.family) throw UsageError{"--family is required"};
    a.old = files[0];
    a.target = files[1];
    return a;
}

}  // namespace

int runImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    try {
        for (const std::string& arg : args)
            if (arg == "--help" || arg == "-h") {
                out << kUsage;
                return 0;
            }
        if (std::find(args.begin(), args.end(), "--version") != args.end()) {
            out << "velmorantes-import " VELM_VERSION "\n";
            return 0;
        }
        a = parse(args);
    } catch (const UsageError& e) {
        err << "velmorantes-import: " << e.problem << "\n\n" << kUsage;
        return 2;
    }
    try {
        const legacy::ConversionReport report =
            legacy::convertFile(QString::fromLocal8Bit(a.old), QString::fromLocal8Bit(a.target), *a.family);
        for (const std::string& line : report.lines()) out << line << '\n';
        return report.complete() ? 0 : 1;
    } catch (const UserError& e) {
        err << e.what() << '\n';
        return 2;
    }
}

}  // namespace velm
