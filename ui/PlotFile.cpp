#include "ui/PlotFile.h"

#include "engine/UserError.h"
#include "i18n/qt/Text.h"
#include "ui/toolkit/Platform.h"

#include <QFileInfo>

namespace velm {

FileOfKind fileOfKind(const QString& name, int chosen, const QStringList& suffixes) {
    const QString ending = QFileInfo(name).suffix();
    if (!ending.isEmpty())
        for (qsizetype k = 0; k < suffixes.size(); ++k)
            if (suffixes[k].compare(QLatin1Char('.') + ending, Qt::CaseInsensitive) == 0) return {name, int(k)};
    return {name + suffixes.value(chosen), chosen};
}

std::optional<FileOfKind> fileToWrite(Toolkit& tk, const ExportDialog::Choice& choice, const QStringList& suffixes) {
    FileOfKind file = fileOfKind(choice.fileName, choice.kind, suffixes);
    // The question and the title of the results file's save, which asks the same.
    if (file.fileName != choice.fileName && QFileInfo::exists(file.fileName) &&
        !tk.platform.messages.question(
            translated("mdiGENERAL", QT_TRANSLATE_NOOP("mdiGENERAL", "ESTE ARCHIVO YA EXISTE ¿QUIERE SOBREESCRIBIRLO?")),
            translated("mdiGENERAL", QT_TRANSLATE_NOOP("mdiGENERAL", "GUARDAR "))))
        return std::nullopt;
    return file;
}

void savePlotAs(Toolkit& tk, QString& lastFile, const QStringList& kinds, const std::function<PlotData()>& plot,
                QSize size) {
    const std::optional<ExportDialog::Choice> choice = tk.platform.exportDialog.exportFile(lastFile, kinds);
    if (!choice) return;
    const std::optional<FileOfKind> file =
        fileToWrite(tk, *choice, {imageSuffix(ImageFormat::Png), imageSuffix(ImageFormat::Svg)});
    if (!file) return;
    lastFile = file->fileName;
    try {
        saveChart(plot(), lastFile, file->kind == 0 ? ImageFormat::Png : ImageFormat::Svg, size);
    } catch (const UserError& e) {
        tk.platform.messages.information(QString::fromUtf8(e.what()));
    }
}

}  // namespace velm
