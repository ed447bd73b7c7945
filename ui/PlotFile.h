#pragma once
// Saving a screen's plot to a file the user chooses: the tables screen and the convection
// screen save theirs alike.

#include "plot/Chart.h"
#include "ui/toolkit/Toolkit.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace velm {

// The file's name with the ending of the kind chosen, unless it has one already.
QString withSuffix(const QString& name, const QString& suffix);

// Asks for a file in the export dialog, opened on `lastFile` and offering `kinds` (PNG, then
// SVG), and writes the plot `plot()` gives there at `size`; a file that cannot be written is
// said in a message box and left as it was. `lastFile` keeps the name chosen.
void savePlotAs(Toolkit& tk, QString& lastFile, const QStringList& kinds, const std::function<PlotData()>& plot,
                QSize size);

}  // namespace velm
