#pragma once
// The engine's messages shown in the screens' message boxes.

#include "engine/CalcularTabla.h"
#include "i18n/MessageText.h"
#include "ui/toolkit/Platform.h"

namespace velm {

class MessageNotifier : public Notifier {
public:
    explicit MessageNotifier(MessageBoxes& boxes) : boxes_(boxes) {}
    void inform(const Message& m) override { boxes_.information(QString::fromStdString(messageText(m))); }

private:
    MessageBoxes& boxes_;
};

}  // namespace velm
