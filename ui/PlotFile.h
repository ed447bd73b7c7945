#pragma once
// Saving a screen's plot to a file the user chooses: the tables screen and the convection
// screen save theirs alike. The tables screen's table is named by the same rule.

#include "plot/Chart.h"
#include "ui/toolkit/Toolkit.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace velm {

// What a save writes: which file, and which of the kinds offered it holds.
struct FileOfKind {
    QString fileName;
    int kind = 0;
};

// The name typed decides the kind: an ending among `suffixes` (one per kind, ".csv", letter
// case ignored) gives that kind and the name as typed. Any other name, with no ending or with
// one the save cannot write ("x.jpg", "agua 2.5"), gets the ending of the kind chosen in the
// dialog ("x.jpg.png"), so that a file's name never belies what it holds.
FileOfKind fileOfKind(const QString& name, int chosen, const QStringList& suffixes);

// The same for the answer of the export dialog; when an ending was added and a file of that
// name exists (the dialog asked about the name typed, not this one), the user is asked
// whether to replace it: nullopt when not.
std::optional<FileOfKind> fileToWrite(Toolkit& tk, const ExportDialog::Choice& choice, const QStringList& suffixes);

// Asks for a file in the export dialog, opened on `lastFile` and offering `kinds` (PNG, then
// SVG), and writes the plot `plot()` gives there at `size`, as PNG or SVG by the rule above; a
// file that cannot be written is said in a message box and left as it was. `lastFile` keeps
// the name written.
void savePlotAs(Toolkit& tk, QString& lastFile, const QStringList& kinds, const std::function<PlotData()>& plot,
                QSize size);

}  // namespace velm
