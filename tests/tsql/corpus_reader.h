#pragma once

#include <QString>

#include <ostream>
#include <string>
#include <vector>

// One statement of a corpus case and what running it must give.
struct CorpusStatement {
    enum class Expect { Rows, RowsInAnyOrder, Affected, Error, Count, Ok };

    QString text;  // T-SQL, lines joined by CR LF
    Expect expect = Expect::Ok;
    std::vector<QString> columns;
    std::vector<std::vector<QString>> rows;  // cells as written: NULL, 12, 1.5, 'text', *
    std::vector<QString> origins;            // TABLE.COLUMN or -
    long long number = 0;                    // Affected, Count: the number; Error: the error number
    QString description;                     // Error
    QString odbcDeviation;                   // why the outcome differs over the SQLite ODBC driver, or empty
    int line = 0;
};

struct CorpusCase {
    std::string name;
    QString file;
    int line = 0;
    QString setup;  // native SQLite run first
    std::vector<CorpusStatement> statements;
};

// Names a case in test output.
void PrintTo(const CorpusCase& c, std::ostream* out);

// Reads the corpus files (format in corpus/README.md) of a folder.
class CorpusReader {
public:
    static std::vector<CorpusCase> readFolder(const QString& folder);
    static std::vector<CorpusCase> read(const QString& path);
    // A cell as written in a rows line split into cells.
    static std::vector<QString> cells(const QString& line);
};
