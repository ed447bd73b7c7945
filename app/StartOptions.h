#pragma once
// The program's command line, and the folder of its database files that follows from it:
// the folder it was started in (as a terminal user expects), a folder named with --db-dir,
// or, with --data-home (what the applications menu uses), the user's data folder.

#include <QString>
#include <QStringList>

#include <optional>

namespace velm {

// What the choice depends on besides the arguments; main() fills it from the process.
struct StartPlace {
    QString currentDir;   // the folder the program was started in
    QString xdgDataHome;  // $XDG_DATA_HOME as set; empty when unset
    QString home;         // the user's home folder
};

struct StartOptions {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    // Help: the usage text; Version: the version line; Refuse: what is wrong, in one line.
    QString text;
    // Run: the absolute folder of GASES.mdb and LIQUIDOS.mdb.
    QString databaseFolder;
    // Run: the folder is made when missing (only the user's data folder is).
    bool createFolder = false;
};

// `arguments` are the program's arguments, its name first. Qt's own options (-platform ...)
// are not taken: a value given to --db-dir must never be read by Qt as one of them.
StartOptions readStartOptions(const QStringList& arguments, const StartPlace& place);

// $XDG_DATA_HOME/velmorantes; a relative or empty XDG_DATA_HOME counts as unset, which
// means ~/.local/share.
QString userDataFolder(const StartPlace& place);

// Makes sure the folder can hold the database files, creating it (owner only) when the
// options ask for that. nullopt when it can; otherwise the message for the user.
std::optional<QString> prepareDatabaseFolder(const StartOptions& options);

}  // namespace velm
