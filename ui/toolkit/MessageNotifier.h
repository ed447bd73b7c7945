#pragma once
// The engine's messages shown in the screens' message boxes.

#include "engine/CalcularTabla.h"
#include "ui/toolkit/Platform.h"

namespace velm {

class MessageNotifier : public Notifier {
public:
    explicit MessageNotifier(MessageBoxes& boxes) : boxes_(boxes) {}
    void inform(const std::string& text) override {
        boxes_.information(QString::fromStdString(text));
    }

private:
    MessageBoxes& boxes_;
};

}  // namespace velm
