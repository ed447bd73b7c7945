// The three programs in each language: the locale or --language chooses the language of
// their help and messages, never the bytes of what they compute.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    QByteArray out, err;
    int status = -1;
};

// `program` with `args` under LANG=`lang` (LC_ALL, LC_MESSAGES and LANGUAGE unset), in `dir`.
Outcome run(const char* program, const QStringList& args, const QString& lang, const QString& dir) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) env.remove(QString::fromLatin1(v));
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir);
    p.start(QString::fromUtf8(program), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program;
    return {p.readAllStandardOutput(), p.readAllStandardError(), p.exitCode()};
}

TEST(Programs, HelpInEachLanguage) {
    QTemporaryDir dir;
    const struct {
        const char* program;
        QStringList args;
        QString lang;
        const char* starts;
    } cases[] = {
        {VELM_CALC, {"--help"}, "C.UTF-8", "Modo de empleo: velmorantes-calc "},
        {VELM_CALC, {"--help"}, "en_US.UTF-8", "Usage: velmorantes-calc "},
        {VELM_CALC, {"--language", "en", "--help"}, "es_ES.UTF-8", "Usage: velmorantes-calc "},
        {VELM_CALC, {"--help", "--language=es"}, "en_US.UTF-8", "Modo de empleo: velmorantes-calc "},
        {VELM_IMPORT, {"--help"}, "POSIX", "Modo de empleo: velmorantes-import "},
        {VELM_IMPORT, {"--help", "--language", "en"}, "C", "Usage: velmorantes-import "},
        {VELM_APP, {"--help"}, "es_ES.UTF-8", "Modo de empleo: velmorantes "},
        {VELM_APP, {"--help"}, "de_DE.UTF-8", "Usage: velmorantes "},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.program, c.args, c.lang, dir.path());
        EXPECT_EQ(r.status, 0) << c.program << " " << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.startsWith(c.starts)) << c.program << " under " << c.lang.toStdString() << ":\n"
                                                << r.out.left(200).toStdString();
    }
}

TEST(Programs, MessagesInEachLanguage) {
    QTemporaryDir dir;
    const QStringList outside{"--family", "LIQUIDOS", "--fluid", "AGUA", "--temp", "200"};
    const struct {
        const char* program;
        QStringList args;
        QString lang;
        int status;
        QByteArray err;
    } cases[] = {
        {VELM_CALC, {"--family", "PLASMA"}, "en_US.UTF-8", 2, "velmorantes-calc: --family must be GASES or LIQUIDOS\n"},
        {VELM_CALC, {"--family", "PLASMA"}, "C", 2, "velmorantes-calc: --family DEBE SER GASES O LIQUIDOS\n"},
        {VELM_CALC, {"--language", "fr"}, "C", 2, "velmorantes-calc: --language DEBE SER es O en (SE DIO 'fr')\n"},
        {VELM_CALC, {"--language", "fr"}, "en_US.UTF-8", 2, "velmorantes-calc: --language must be es or en (not 'fr')\n"},
        {VELM_CALC, outside + QStringList{"--language", "en"}, "C", 0,
         "THIS TEMPERATURE LIES OUTSIDE THE RANGE OF THE EQUATION OF AGUA  ( 273K <= T <= 573K ) ,   IT WILL BE "
         "EXTRAPOLATED (NOT RECOMMENDED)\n"},
        {VELM_IMPORT, {"a.mdb"}, "en_US.UTF-8", 2, "velmorantes-import: give the old file and the new file\n"},
        {VELM_APP, {"--nonsense-arg"}, "en_US.UTF-8", 2, "velmorantes: Unknown option 'nonsense-arg'.\nTry 'velmorantes --help'.\n"},
        {VELM_APP, {"--nonsense-arg"}, "es_ES.UTF-8", 2, "velmorantes: Opción desconocida «nonsense-arg».\nPruebe 'velmorantes --help'.\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.program, c.args, c.lang, dir.path());
        EXPECT_EQ(r.status, c.status) << c.program << " " << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(c.err)) << c.args.join(' ').toStdString() << " under " << c.lang.toStdString()
                                             << ":\n" << r.err.left(300).toStdString();
    }
}

// What is computed and saved is data: the same bytes in either language.
TEST(Programs, ResultsAndExportsAreTheSameInEnglish) {
    QTemporaryDir dir;
    const QStringList sweep{"--family", "GASES", "--fluid", "AIRE", "--sweep", "50:400:50", "--pressure", "101.3"};
    for (const QStringList& extra : {QStringList{}, QStringList{"--format", "csv"}, QStringList{"--format", "tsv"},
                                     QStringList{"--format", "results", "--units", "INGLES"}}) {
        const Outcome spanish = run(VELM_CALC, sweep + extra, "C.UTF-8", dir.path());
        const Outcome english = run(VELM_CALC, sweep + extra + QStringList{"--language", "en"}, "C.UTF-8", dir.path());
        const Outcome locale = run(VELM_CALC, sweep + extra, "en_US.UTF-8", dir.path());
        EXPECT_FALSE(spanish.out.isEmpty());
        EXPECT_EQ(english.out, spanish.out) << extra.join(' ').toStdString();
        EXPECT_EQ(locale.out, spanish.out) << extra.join(' ').toStdString();
    }
    // The English name of the English units is taken for theirs.
    const Outcome ingles = run(VELM_CALC, sweep + QStringList{"--units", "INGLES"}, "C.UTF-8", dir.path());
    const Outcome english = run(VELM_CALC, sweep + QStringList{"--units", "ENGLISH"}, "en_US.UTF-8", dir.path());
    EXPECT_EQ(english.status, 0);
    EXPECT_EQ(english.out, ingles.out);
}

}  // namespace
