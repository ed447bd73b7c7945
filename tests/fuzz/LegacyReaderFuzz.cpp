// An old Access file read from any bytes, two ways chosen by the first byte: the bytes are a
// file the guarded reader opens (in its child process), or the stream a child sends back,
// checked by the parent. Every failure must be a message (a UserError), never a crash or
// another exception; the file is never changed and nothing is left beside it; a stream read
// once reads the same when written again; and a conversion plan holds only finite singles.
#include "engine/UserError.h"
#include "legacy/AccessReader.h"
#include "legacy/Conversion.h"
#include "store/FluidStore.h"
#include "tests/fuzz/FileInput.h"

#include <QByteArray>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

using namespace velm;
using velm::fuzz::check;

namespace {

// What a conversion would take over: every value a finite single, for either family.
void checkPlans(const legacy::AccessDatabase& db) {
    for (const bool gas : {true, false}) {
        legacy::ConversionPlan plan;
        try {
            plan = legacy::planConversion(db, gas);
        } catch (const UserError&) {
            continue;
        }
        for (const store::NewTable& table : plan.tables)
            for (const std::vector<double>& row : table.rows)
                for (const double v : row)
                    check(storedValue(v) == v, "a value taken over is a finite single",
                          table.title.toStdString());
    }
}

void readStream(std::string_view bytes) {
    legacy::AccessDatabase db;
    try {
        db = legacy::decodeDatabase(bytes, "GASES.mdb");
    } catch (const UserError&) {
        return;
    }
    const std::string again = legacy::encodeDatabase(db);
    check(legacy::encodeDatabase(legacy::decodeDatabase(again, "GASES.mdb")) == again,
          "a stream read once reads the same when written again");
    checkPlans(db);
}

void readFile(const QByteArray& bytes) {
    const std::optional<QString> path = velm::fuzz::FileInput::write(bytes);
    if (!path) return;
    try {
        checkPlans(legacy::readAccessFile(path->toStdString(), std::chrono::seconds(5)));
    } catch (const UserError&) {
    }
    velm::fuzz::FileInput::checkLeftAsItWas(*path, bytes);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    velm::fuzz::FileInput::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const char* rest = reinterpret_cast<const char*>(data + 1);
    if (data[0] & 1) readStream(std::string_view(rest, size - 1));
    else readFile(QByteArray(rest, qsizetype(size - 1)));
    return 0;
}
