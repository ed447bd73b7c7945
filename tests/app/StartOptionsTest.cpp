#include "app/StartOptions.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using velm::StartOptions;
using Action = StartOptions::Action;

TEST(StartOptions, ArgumentsChooseTheFolderOrAreRefused) {
    struct Case {
        const char* name;
        QStringList args;  // after the program's name
        QString xdgDataHome;
        Action action;
        QString folderOrText;  // Run: the folder; otherwise a part of the text
        bool create = false;
    };
    const Case cases[] = {
        {"nothing: the starting folder", {}, "", Action::Run, "/home/ana/trabajo"},
        {"a relative folder", {"--db-dir", "tablas"}, "", Action::Run, "/home/ana/trabajo/tablas"},
        {"an absolute folder, inline", {"--db-dir=/srv/tablas"}, "", Action::Run, "/srv/tablas"},
        {"data home from XDG", {"--data-home"}, "/datos", Action::Run, "/datos/velmorantes", true},
        {"data home, XDG unset", {"--data-home"}, "", Action::Run, "/home/ana/.local/share/velmorantes", true},
        {"data home, XDG relative", {"--data-home"}, "datos", Action::Run, "/home/ana/.local/share/velmorantes", true},
        {"help wins", {"--db-dir", "x", "--help", "--nonsense"}, "", Action::Help, "--data-home"},
        {"version", {"--version"}, "", Action::Version, "velmorantes " VELM_VERSION "\n"},
        {"both folders", {"--db-dir", "x", "--data-home"}, "", Action::Refuse, "NO LAS DOS"},
        {"folder twice", {"--db-dir", "x", "--db-dir", "y"}, "", Action::Refuse, "DOS VECES"},
        {"empty folder", {"--db-dir", ""}, "", Action::Refuse, "NECESITA UNA CARPETA"},
        {"Qt's own option", {"-platform", "offscreen"}, "", Action::Refuse, "Unknown option"},
        {"a stray argument", {"tablas"}, "", Action::Refuse, "'tablas'"},
        {"a language", {"--language", "en", "--db-dir=/srv/tablas"}, "", Action::Run, "/srv/tablas"},
        {"a language not offered", {"--language=fr"}, "", Action::Refuse, "--language DEBE SER es O en (SE DIO 'fr')"},
    };
    for (const Case& c : cases) {
        const StartOptions o = velm::readStartOptions(QStringList{"velmorantes"} + c.args,
                                                      {"/home/ana/trabajo", c.xdgDataHome, "/home/ana"});
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
    QFile file(tmp.filePath("archivo"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
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
        const std::optional<QString> problem = velm::prepareDatabaseFolder({Action::Run, {}, r.folder, r.create});
        ASSERT_EQ(problem.has_value(), r.problem != nullptr) << r.name;
        if (problem) {
            EXPECT_TRUE(problem->contains(r.problem) && problem->contains(r.folder)) << problem->toStdString();
        } else {
            EXPECT_TRUE(QFileInfo(r.folder).isDir()) << r.name;
        }
    }
    EXPECT_EQ(QFileInfo(tmp.filePath("a/b/velmorantes")).permissions().toInt() & 0x0077, 0)
        << "the folder made is the owner's only";
}
