#pragma once
// The core's messages as the user reads them, in the interface's language: every refusal and
// warning of the engine and the convection layer, byte for byte as the program has always
// shown them (leading and trailing blanks, "¡" and "¿" belong to the texts). The Spanish
// texts are the translation's source texts (contexts "velm::msg", shared with the store's and
// the legacy reader's messages, and "velm::convection").

#include "engine/Message.h"

#include <string>
#include <vector>

namespace velm {

std::string messageText(const Message& m);

// The texts of several messages, each text once, in the order first given (two messages may
// read alike: a value shown to four digits).
std::vector<std::string> distinctTexts(const std::vector<Message>& messages);

}  // namespace velm
