#include "ui/PlotFile.h"

#include "engine/UserError.h"
#include "ui/toolkit/Platform.h"

#include <QFileInfo>

namespace velm {

QString withSuffix(const QString& name, const QString& suffix) {
    return QFileInfo(name).suffix().isEmpty() ? name + suffix : name;
}

void savePlotAs(Toolkit& tk, QString& lastFile, const QStringList& kinds, const std::function<PlotData()>& plot,
                QSize size) {
    const std::optional<ExportDialog::Choice> choice = tk.platform.exportDialog.exportFile(lastFile, kinds);
    if (!choice) return;
    const ImageFormat format = choice->kind == 0 ? ImageFormat::Png : ImageFormat::Svg;
    lastFile = withSuffix(choice->fileName, imageSuffix(format));
    try {
        saveChart(plot(), lastFile, format, size);
    } catch (const UserError& e) {
        tk.platform.messages.information(QString::fromUtf8(e.what()));
    }
}

}  // namespace velm
