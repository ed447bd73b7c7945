#pragma once
// Reading a Qt Linguist translation file: each (context, source text) with its translation.

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace velm::testing {

struct Entry {
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};
using Catalogue = std::map<std::pair<QString, QString>, Entry>;  // (context, source)

inline Catalogue readTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Catalogue catalogue;
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        else if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            catalogue[{context, source}] = {xml.readElementText(), type};
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return catalogue;
}

}  // namespace velm::testing
