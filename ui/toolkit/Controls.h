#pragma once
// Making the controls of a screen: each carries its object name, by which handlers and
// tests find it, and the look of its kind.

#include "correlation/Family.h"
#include "ui/toolkit/QtPlatform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <type_traits>

namespace velm {

template <class W>
W* control(QWidget* parent, const char* objectName, const QString& caption = QString()) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromUtf8(objectName));
    if constexpr (std::is_base_of_v<QLineEdit, W> || std::is_base_of_v<QComboBox, W>)
        w->setFont(boxFont());  // numbers and names in a plain face
    else if constexpr (std::is_base_of_v<QLabel, W> || std::is_base_of_v<QPushButton, W>)
        w->setText(caption);
    return w;
}

// The title chosen in a list of fluids: the picked entry's title (the list may show more
// than the title), or what the user typed.
inline QString chosenTitle(const QComboBox* combo) {
    const int at = combo->currentIndex();
    if (at >= 0 && combo->itemText(at) == combo->currentText() && combo->itemData(at).isValid())
        return combo->itemData(at).toString();
    return combo->currentText();
}

// A family as the screens show it, in the interface's language ("LIQUIDS"); its own name
// ("LIQUIDOS") is what is typed, stored and saved.
QString shownFamilyName(Family family);

// A list of the families, each shown in the interface's language with its own name as the
// item's data; and the family chosen in such a list.
void listFamilies(QComboBox* combo);
Family chosenFamily(const QComboBox* combo);

}  // namespace velm
