#include "app/StartOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using velm::StartOptions;
using Action = StartOptions::Action;

namespace {

const velm::StartPlace kPlace{"/home/ana/trabajo", "", "/home/ana"};

struct Case {
    const char* name;
    QStringList args;  // after the program's name
    QString xdgDataHome;
    Action action;
    QString folderOrText;  // Run: the folder; otherwise a part of the text
    bool create = false;
};

TEST(StartOptions, ArgumentsChooseTheFolderOrAreRefused) {
    const Case cases[] = {
        {"nothing: the starting folder", {}, "", Action::Run, "/home/ana/trabajo"},
        {"a relative folder", {"--db-dir", "tablas"}, "", Action::Run, "/home/ana/trabajo/tablas"},
        {"an absolute folder, inline", {"--db-dir=/srv/tablas"}, "", Action::Run, "/srv/tablas"},
        {"data home from XDG", {"--data-home"}, "/datos", Action::Run, "/datos/velmorantes", true},
        {"data home, XDG unset", {"--data-home"}, "", Action::Run, "/home/ana/.local/share/velmorantes", true},
        {"data home, XDG relative", {"--data-home"}, "datos", Action::Run, "/home/ana/.local/share/velmorantes", true},
        {"help wins", {"--db-dir", "x", "--help", "--nonsense"}, "", Action::Help, "--data-home"},
        {"version", {"--version"}, "", Action::Version, "velmorantes " VELM_VERSION "\n"},
        {"both folders", {"--db-dir", "x", "--data-home"}, "", Action::Refuse, "not both"},
        {"folder twice", {"--db-dir", "x", "--db-dir", "y"}, "", Action::Refuse, "twice"},
        {"empty folder", {"--db-dir", ""}, "", Action::Refuse, "needs a folder"},
        {"no folder after the option", {"--db-dir"}, "", Action::Refuse, "--db-dir"},
        {"unknown option", {"--nonsense"}, "", Action::Refuse, "nonsense"},
        {"Qt's own option", {"-platform", "offscreen"}, "", Action::Refuse, "Unknown option"},
        {"a stray argument", {"tablas"}, "", Action::Refuse, "'tablas'"},
    };
    for (const Case& c : cases) {
        velm::StartPlace place = kPlace;
        place.xdgDataHome = c.xdgDataHome;
        const StartOptions o = readStartOptions(QStringList{"velmorantes"} + c.args, place);
        EXPECT_EQ(o.action, c.action) << c.name << ": " << o.text.toStdString();
        if (c.action == Action::Run) {
            EXPECT_EQ(o.databaseFolder, c.folderOrText) << c.name;
            EXPECT_EQ(o.createFolder, c.create) << c.name;
        } else {
            EXPECT_TRUE(o.text.contains(c.folderOrText)) << c.name << ": " << o.text.toStdString();
        }
    }
}

TEST(StartOptions, FolderIsMadeOnlyForTheDataHome) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QFile file(tmp.filePath("archivo"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    struct Row {
        const char* name;
        QString folder;
        bool create;
        const char* problem;  // nullptr: usable
    } rows[] = {
        {"existing folder", tmp.path(), false, nullptr},
        {"missing, made with its parents", tmp.filePath("a/b/velmorantes"), true, nullptr},
        {"missing, not to be made", tmp.filePath("falta"), false, "NO EXISTE"},
        {"a file in the way", file.fileName(), true, "NO ES UNA CARPETA"},
        {"a file among the parents", tmp.filePath("archivo/velmorantes"), true, "NO SE PUEDE CREAR"},
    };
    for (const Row& r : rows) {
        const auto problem = velm::prepareDatabaseFolder({Action::Run, {}, r.folder, r.create});
        if (!r.problem) {
            EXPECT_FALSE(problem) << r.name << ": " << problem->toStdString();
            EXPECT_TRUE(QFileInfo(r.folder).isDir()) << r.name;
        } else {
            ASSERT_TRUE(problem) << r.name;
            EXPECT_TRUE(problem->contains(r.problem) && problem->contains(r.folder))
                << r.name << ": " << problem->toStdString();
        }
    }
    EXPECT_EQ(QFileInfo(tmp.filePath("a/b/velmorantes")).permissions().toInt() & 0x0077, 0)
        << "the folder made is the owner's only";
}

}  // namespace
