#include "ui/AccessConversion.h"

#include "legacy/Conversion.h"
#include "legacy/LegacyMessages.h"
#include "engine/UserError.h"

#include <QDir>
#include <QStringList>

namespace velm {
namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

struct Busy {
    BusyPointer& pointer;
    explicit Busy(BusyPointer& p) : pointer(p) { pointer.setBusy(true); }
    ~Busy() { pointer.setBusy(false); }
};

}  // namespace

bool offerAccessConversion(Toolkit& tk, const QString& path, Family family) {
    const QString question = QString::fromStdString(
        msg::offerConversion(shown(path).toStdString(), shown(legacy::keptName(path)).toStdString()));
    if (!tk.platform.messages.question(
            question, QString::fromStdString(msg::tr(msg::kConvertTitle))))
        return false;
    QStringList report;
    try {
        const Busy busy(tk.platform.busy);
        for (const std::string& line : legacy::convertInPlace(path, family).lines())
            report << QString::fromStdString(line);
    } catch (const UserError& e) {
        tk.platform.messages.information(QString::fromUtf8(e.what()));
        return false;
    }
    tk.platform.messages.information(report.join(QLatin1Char('\n')));
    return true;
}

}  // namespace velm
