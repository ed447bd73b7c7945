#include "store/ShippedTables.h"

#include "engine/UserError.h"
#include "store/Database.h"
#include "store/FluidStore.h"
#include "store/StoreMessages.h"

#include <QFile>
#include <QList>

namespace velm::store {

std::vector<std::vector<double>> shippedTable(bool gas, std::string_view name) {
    const QString qname = QString::fromUtf8(name.data(), qsizetype(name.size()));
    QFile file(QStringLiteral(":/shipped/%1/%2.csv").arg(gas ? "gases" : "liquids", qname));
    const auto unreadable = [&] { return UserError(msg::shippedTableUnreadable(name)); };
    if (!file.open(QIODevice::ReadOnly)) throw unreadable();

    QStringList heading;
    for (const char* c : tableColumns(gas)) heading << QLatin1String(c);
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    if (lines.isEmpty() || lines.front().trimmed() != heading.join(',').toLatin1())
        throw unreadable();

    std::vector<std::vector<double>> rows;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].trimmed().split(',');
        if (fields.size() != heading.size()) throw unreadable();
        std::vector<double> row;
        for (const QByteArray& field : fields) {
            bool ok = false;
            const std::optional<double> v = storedValue(field.toDouble(&ok));
            if (!ok || !v) throw unreadable();
            row.push_back(*v);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace velm::store
