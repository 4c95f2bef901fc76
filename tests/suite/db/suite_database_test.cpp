#include "suite/db/suite_database.h"
#include "suite/db/suite_file.h"

#include "automation/error.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using suite::db::SuiteFile;

class SuiteDatabaseTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("suite.db")); }

    QTemporaryDir dir_;
};

// Every table the console reads or writes, and the masters its lookups decode.
const QStringList kTables = {
    "CG18_DITTE",     "CG44_CLIFOR",   "CM15_CONFGCOMM",    "DO11_DOCTESTATA", "DO30_DOCCORPO",  "FW50_MODMENU",
    "MG36_DOCUMENTI", "MG3G_DOCDITTA", "MG47_PARMAGLINGUE", "MG50_PARMAGAZ",   "MG52_LINGUE",    "MG5E_OPZIONI",
    "MG5F_DIMECONF",  "MG5G_RAGGVAR",  "MG5H_COMPRAGVAR",   "MG5I_OPZLINGUA",  "MG5J_DOCPRGVAR", "MG5L_LETVARIANTI",
    "MG5S_VARCLIFOR", "MG66_ARTICOLI", "MG6B_GESVARART",    "MG6E_SUBCODART",  "MG6F_DIMEART",   "MG6I_SUBCODARTLING",
    "MG87_ARTDESC",   "PD95_DISBA",    "PD96_LEGAMIDISBA",
};

// The console's own tables and the column that holds their company.
const std::vector<std::pair<QString, QString>> kOwnedTables = {
    {"MG5F_DIMECONF", "MG5F_DITTA_CG18"},    {"MG5E_OPZIONI", "MG5E_DITTA_CG18"},
    {"MG5I_OPZLINGUA", "MG5I_DITTA_CG18"},   {"MG5S_VARCLIFOR", "MG5S_DITTA_CG18"},
    {"MG5G_RAGGVAR", "MG5G_DITTA_CG18"},     {"MG5H_COMPRAGVAR", "MG5H_DITTA_CG18"},
    {"MG5L_LETVARIANTI", "MG5L_DITTA_CG18"}, {"MG6F_DIMEART", "MG6F_DITTA_CG18"},
    {"MG6E_SUBCODART", "MG6E_DITTA_CG18"},   {"MG6I_SUBCODARTLING", "MG6I_DITTA_CG18"},
    {"MG5J_DOCPRGVAR", "MG5J_DITTA_CG18"},   {"MG50_PARMAGAZ", "MG50_DITTA_CG18"},
};

TEST_F(SuiteDatabaseTest, InitCreatesEveryTableEmpty) {
    suite::db::createSuiteDatabase(path(), false);

    SuiteFile file(path(), SuiteFile::Mode::Open);
    QStringList tables;
    for (const suite::db::TableRows& table : file.tableRows())
        tables << table.table;
    EXPECT_EQ(tables, kTables);
}

// What the host needs to open a new installation: its language, the menu with the console, and a company
// set up for variants; the console's own tables stay empty.
TEST_F(SuiteDatabaseTest, InitWithoutDemoGivesReferenceDataAndAFirstCompany) {
    suite::db::createSuiteDatabase(path(), false, false, QStringLiteral("L'Abito S.r.l."));

    SuiteFile file(path(), SuiteFile::Mode::Open);
    const std::vector<std::pair<const char*, qint64>> counts = {
        {"SELECT COUNT(*) FROM MG52_LINGUE WHERE MG52_CODLINGUA = 'ITA'", 1},
        {"SELECT COUNT(*) FROM FW50_MODMENU WHERE FW50_NOME = 'MGUO_BRONDEL'", 1},
        {"SELECT COUNT(*) FROM CG18_DITTE WHERE CG18_CODDITTA = 1 AND CG18_RAGSOC = 'L''Abito S.r.l.'", 1},
        {"SELECT COUNT(*) FROM CG18_DITTE", 1},
        {"SELECT COUNT(*) FROM MG47_PARMAGLINGUE WHERE MG47_DITTA_CG18 = 1 AND MG47_CODLINGUA_MG52 = 'ITA'", 1},
        {"SELECT COUNT(*) FROM MG50_PARMAGAZ WHERE MG50_DITTA_CG18 = 1 AND MG50_FLGVARIANTI = 1", 1},
        {"SELECT COUNT(*) FROM MG36_DOCUMENTI WHERE MG36_CODDOCUM NOT IN "
         "(SELECT MG3G_CODDOCUM_MG36 FROM MG3G_DOCDITTA WHERE MG3G_DITTA_CG18 = 1)",
         0},
        {"SELECT COUNT(*) FROM MG5F_DIMECONF", 0},
    };
    for (const auto& [sql, expected] : counts)
        EXPECT_EQ(file.scalar(QString::fromUtf8(sql)), expected) << sql;
}

TEST_F(SuiteDatabaseTest, DemoFillsEveryOwnedTableOfCompanyOne) {
    suite::db::createSuiteDatabase(path(), true);

    SuiteFile file(path(), SuiteFile::Mode::Open);
    for (const auto& [table, company] : kOwnedTables) {
        EXPECT_GT(file.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = 1").arg(table, company)), 0)
            << table.toStdString();
    }
}

TEST_F(SuiteDatabaseTest, DemoGivesCompanyTwoItsOwnFewRows) {
    suite::db::createSuiteDatabase(path(), true);

    SuiteFile file(path(), SuiteFile::Mode::Open);
    EXPECT_EQ(file.scalar("SELECT COUNT(*) FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 2"), 2);
    EXPECT_EQ(file.scalar("SELECT COUNT(*) FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 2"), 5);
    EXPECT_EQ(file.scalar("SELECT COUNT(*) FROM MG50_PARMAGAZ WHERE MG50_DITTA_CG18 = 2"), 1);
}

TEST_F(SuiteDatabaseTest, DemoDimensionsFitTheOptionStringWithOneReserved) {
    suite::db::createSuiteDatabase(path(), true);

    SuiteFile file(path(), SuiteFile::Mode::Open);
    EXPECT_LT(file.scalar("SELECT SUM(MG5F_SIZE) FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1"), 20);
    EXPECT_EQ(file.scalar("SELECT COUNT(*) FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 AND MG5F_INDPROGCONFIG = 1"),
              1);
    EXPECT_LE(file.scalar("SELECT SUM(MG6F_SIZE) FROM MG6F_DIMEART WHERE MG6F_DITTA_CG18 = 1"), 25);
}

// The statements of the console's in-use checks, in SQLite words, over the demo of company 1.
TEST_F(SuiteDatabaseTest, DemoGivesEveryInUseCheckSomethingToFind) {
    suite::db::createSuiteDatabase(path(), true);
    SuiteFile file(path(), SuiteFile::Mode::Open);
    const QString grouping = QStringLiteral(
        "FROM MG6B_GESVARART ARTS %1 WHERE ARTS.MG6B_DITTA_CG18 = 1 AND ARTS.MG6B_FLGGESTVAR = 1 "
        "AND ARTS.MG6B_CODICEVAR_MG5F = 'A0' AND ARTS.MG6B_CODRAGGVAR_MG5G = 'CLASSICI' "
        "AND substr(ifnull(%2, ''), 1, 3) IN ('BIA', 'NER', 'GRI')");
    const QStringList checks = {
        // a dimension whose position article descriptions use: A4 starts at 14
        "SELECT COUNT(*) FROM MG87_ARTDESC WHERE MG87_DITTA_CG18 = 1 AND trim(substr(MG87_OPZIONE_MG5E, 14)) <> ''",
        // a configuration that uses the reserved dimension A5 (16, 4 characters) as its progressive
        "SELECT COUNT(*) FROM CM15_CONFGCOMM WHERE CM15_DITTA_CG18 = 1 "
        "AND trim(substr(ifnull(CM15_OPZIONE_MG5E, ''), 16, 4)) <> ''",
        "SELECT COUNT(*) " + grouping.arg("JOIN DO30_DOCCORPO ON DO30_DITTA_CG18 = 1 "
                                          "AND DO30_CODART_MG66 = ARTS.MG6B_CODART_MG66 "
                                          "JOIN DO11_DOCTESTATA ON DO11_DITTA_CG18 = 1 "
                                          "AND DO11_NUMREG_CO99 = DO30_NUMREG_CO99",
                                          "DO30_OPZIONE_MG5E"),
        "SELECT COUNT(*) " + grouping.arg("JOIN PD95_DISBA ON PD95_DITTA_CG18 = 1 "
                                          "AND PD95_CODART_MG66 = ARTS.MG6B_CODART_MG66",
                                          "PD95_OPZIONE"),
        "SELECT COUNT(*) " +
            grouping.arg("JOIN PD96_LEGAMIDISBA ON PD96_COMPON = ARTS.MG6B_CODART_MG66", "PD96_OPZIONE"),
    };
    for (const QString& check : checks)
        EXPECT_GT(file.scalar(check), 0) << check.toStdString();
}

TEST_F(SuiteDatabaseTest, ForeignKeyRefusesAnOptionOfNoDimension) {
    suite::db::createSuiteDatabase(path(), false);

    SuiteFile file(path(), SuiteFile::Mode::Open);
    try {
        file.execute(
            "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE) "
            "VALUES (1, 'A0', 'X')");
        FAIL() << "the orphan option was stored";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), automation::errors::IntegrityViolation);
        EXPECT_EQ(error.description(), "FOREIGN KEY constraint failed");
    }
}

// Deletes as the console sends them: refused where rows still depend on the row, cascading only to the
// mandatory-variant exceptions of a dimension.
TEST_F(SuiteDatabaseTest, DeletesOfRowsOthersDependOn) {
    struct Case {
        const char* statements;
        bool refused;
        const char* remaining;  // a count that must be 0 afterwards
    };
    const Case cases[] = {
        {"DELETE FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 AND MG5F_CODICEVAR = 'A0'", true, nullptr},
        {"DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = 'BIA'",
         true, nullptr},
        {"DELETE FROM MG5I_OPZLINGUA "
         "WHERE MG5I_DITTA_CG18 = 1 AND MG5I_CODICEVAR_MG5F = 'A0' AND MG5I_OPZIONE_MG5E = 'BIA';"
         "DELETE FROM MG5H_COMPRAGVAR "
         "WHERE MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = 'A0' AND MG5H_OPZIONE_MG5E = 'BIA';"
         "DELETE FROM MG5S_VARCLIFOR "
         "WHERE MG5S_DITTA_CG18 = 1 AND MG5S_CODICEVAR_MG5F = 'A0' AND MG5S_OPZIONE_MG5E = 'BIA';"
         "DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = 'BIA'",
         false, "SELECT COUNT(*) FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_OPZIONE = 'BIA'"},
        {"DELETE FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = 1 AND MG5G_CODRAGGVAR = 'ESTATE'", true, nullptr},
        {"DELETE FROM MG6F_DIMEART WHERE MG6F_DITTA_CG18 = 1", true, nullptr},
        {"DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A3';"
         "DELETE FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 AND MG5F_CODICEVAR = 'A3'",
         false, "SELECT COUNT(*) FROM MG5J_DOCPRGVAR WHERE MG5J_DITTA_CG18 = 1 AND MG5J_CODICEVAR_MG5F = 'A3'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statements);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("suite.db"));
        suite::db::createSuiteDatabase(path, true);
        SuiteFile file(path, SuiteFile::Mode::Open);
        try {
            file.execute(QString::fromUtf8(c.statements));
            EXPECT_FALSE(c.refused);
        } catch (const automation::Error& error) {
            EXPECT_TRUE(c.refused) << error.what();
            EXPECT_EQ(error.number(), automation::errors::IntegrityViolation);
        }
        if (c.remaining) {
            EXPECT_EQ(file.scalar(QString::fromUtf8(c.remaining)), 0);
        }
    }
}

TEST_F(SuiteDatabaseTest, TextColumnsIgnoreCaseAndTrailingBlanks) {
    suite::db::createSuiteDatabase(path(), true);

    SuiteFile file(path(), SuiteFile::Mode::Open);
    EXPECT_EQ(file.scalar("SELECT COUNT(*) FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_OPZIONE = 'bia '"), 1);
    try {
        file.execute(
            "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE) "
            "VALUES (1, 'a0', 'Bia  ')");
        FAIL() << "a second BIA was stored";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), automation::errors::IntegrityViolation);
        EXPECT_TRUE(error.description().startsWith("UNIQUE constraint failed")) << error.what();
    }
}

TEST_F(SuiteDatabaseTest, NewFileIsInWalMode) {
    suite::db::createSuiteDatabase(path(), false);

    SuiteFile file(path(), SuiteFile::Mode::Open);
    EXPECT_EQ(file.execute("PRAGMA journal_mode").resultSets.back().rows.front().front().toString(), "wal");
}

TEST_F(SuiteDatabaseTest, FailureLeavesNoFile) {
    const QString missingFolder = dir_.filePath(QStringLiteral("missing/suite.db"));

    try {
        suite::db::createSuiteDatabase(missingFolder, true);
        FAIL() << "a file was created in a missing folder";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), automation::errors::ProviderError);
        EXPECT_EQ(error.source(), "createSuiteDatabase:\r\nSQLite");
        EXPECT_EQ(error.description(), "unable to open database file: " + missingFolder);
    }
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
}

TEST_F(SuiteDatabaseTest, RefusesAnExistingFileWithoutOverwrite) {
    suite::db::createSuiteDatabase(path(), true);

    try {
        suite::db::createSuiteDatabase(path(), false);
        FAIL() << "the file was replaced";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), suite::db::FileAlreadyExists);
        EXPECT_EQ(error.description(), QStringLiteral("The file %1 already exists.").arg(path()));
    }
    SuiteFile file(path(), SuiteFile::Mode::Open);
    EXPECT_GT(file.scalar("SELECT COUNT(*) FROM MG5F_DIMECONF"), 0);
}

TEST_F(SuiteDatabaseTest, OverwriteReplacesAnExistingFile) {
    suite::db::createSuiteDatabase(path(), true);

    suite::db::createSuiteDatabase(path(), false, true);

    SuiteFile file(path(), SuiteFile::Mode::Open);
    EXPECT_EQ(file.scalar("SELECT COUNT(*) FROM MG5F_DIMECONF"), 0);
}

}  // namespace
