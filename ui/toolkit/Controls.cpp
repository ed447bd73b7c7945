#include "ui/toolkit/Controls.h"

#include "i18n/qt/Text.h"

namespace velm {

QString shownFamilyName(Family family) {
    return family == Family::Gases ? translated("velm::families", QT_TRANSLATE_NOOP("velm::families", "GASES"))
                                   : translated("velm::families", QT_TRANSLATE_NOOP("velm::families", "LIQUIDOS"));
}

void listFamilies(QComboBox* combo) {
    for (const Family f : kFamilies) combo->addItem(shownFamilyName(f), qs(familyName(f)));
}

Family chosenFamily(const QComboBox* combo) {
    return familyNamed(combo->currentData().toString().toStdString()).value_or(Family::Gases);
}

}  // namespace velm
