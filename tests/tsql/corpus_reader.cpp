#include "corpus_reader.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& path, int line, const QString& what) {
    throw std::runtime_error(QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(what).toStdString());
}

std::string testName(const QString& name, const QString& file) {
    QString n = QFileInfo(file).baseName() + QLatin1Char('_') + name;
    n.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
    return n.toStdString();
}

bool isKeywordLine(const QString& line) {
    static const QRegularExpression keyword(
        QStringLiteral("^(case:|setup:|sql:|rows:|rows in any order:|affected:|count:|error:|ok$|odbc:)"));
    return keyword.match(line.trimmed()).hasMatch();
}

}  // namespace

void PrintTo(const CorpusCase& c, std::ostream* out) { *out << c.name; }

std::vector<QString> CorpusReader::cells(const QString& line) {
    std::vector<QString> out;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\'')
            quoted = !quoted;
        if (c == u'|' && !quoted) {
            out.push_back(cell.trimmed());
            cell.clear();
            continue;
        }
        cell += c;
    }
    out.push_back(cell.trimmed());
    return out;
}

std::vector<CorpusCase> CorpusReader::readFolder(const QString& folder) {
    std::vector<CorpusCase> all;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        for (CorpusCase& c : read(QDir(folder).filePath(file)))
            all.push_back(std::move(c));
    }
    return all;
}

std::vector<CorpusCase> CorpusReader::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, 0, QStringLiteral("cannot be read"));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    std::vector<CorpusCase> cases;
    enum class Block { None, Setup, Sql, Rows } block = Block::None;
    QStringList text;
    auto current = [&](int n) -> CorpusCase& {
        if (cases.empty())
            fail(path, n, QStringLiteral("statement before the first case"));
        return cases.back();
    };
    auto flushText = [&](int n) {
        if (block == Block::Setup)
            current(n).setup = text.join(QLatin1Char('\n'));
        if (block == Block::Sql) {
            CorpusStatement s;
            s.text = text.join(QStringLiteral("\r\n")).replace(QStringLiteral("{CR}"), QStringLiteral("\r"));
            s.line = n;
            current(n).statements.push_back(std::move(s));
        }
        text.clear();
    };
    for (int i = 0; i < lines.size(); ++i) {
        const int n = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('|')) && (block == Block::Setup || block == Block::Sql)) {
            text << line.mid(1);
            continue;
        }
        if (block == Block::Setup || block == Block::Sql) {
            flushText(n);
            if (block == Block::Sql)
                block = Block::None;
        }
        if (block == Block::Rows) {
            CorpusStatement& s = current(n).statements.back();
            if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
                block = Block::None;
            } else if (line.startsWith(QStringLiteral("origin:"))) {
                s.origins = cells(line.mid(7));
                block = Block::None;
                continue;
            } else if (!isKeywordLine(line)) {
                if (s.columns.empty()) {
                    s.columns = cells(line);
                    for (QString& name : s.columns) {
                        if (name == QStringLiteral("(No column name)"))
                            name.clear();
                    }
                } else {
                    s.rows.push_back(cells(line));
                    if (s.rows.back().size() != s.columns.size())
                        fail(path, n, QStringLiteral("wrong cell count"));
                }
                continue;
            } else {
                block = Block::None;
            }
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        auto statement = [&]() -> CorpusStatement& {
            if (current(n).statements.empty())
                fail(path, n, QStringLiteral("expectation without a statement"));
            return current(n).statements.back();
        };
        auto value = [&](const QString& key) { return trimmed.mid(key.size()).trimmed(); };
        if (trimmed.startsWith(QStringLiteral("case:"))) {
            CorpusCase c;
            c.file = path;
            c.line = n;
            c.name = testName(value(QStringLiteral("case:")), path);
            cases.push_back(std::move(c));
        } else if (trimmed == QStringLiteral("setup:")) {
            block = Block::Setup;
        } else if (trimmed == QStringLiteral("sql:")) {
            block = Block::Sql;
        } else if (trimmed == QStringLiteral("rows:") || trimmed == QStringLiteral("rows in any order:")) {
            statement().expect = trimmed == QStringLiteral("rows:") ? CorpusStatement::Expect::Rows
                                                                    : CorpusStatement::Expect::RowsInAnyOrder;
            block = Block::Rows;
        } else if (trimmed.startsWith(QStringLiteral("affected:"))) {
            statement().expect = CorpusStatement::Expect::Affected;
            statement().number = value(QStringLiteral("affected:")).toLongLong();
        } else if (trimmed.startsWith(QStringLiteral("count:"))) {
            statement().expect = CorpusStatement::Expect::Count;
            statement().number = value(QStringLiteral("count:")).toLongLong();
        } else if (trimmed.startsWith(QStringLiteral("error:"))) {
            const QString rest = value(QStringLiteral("error:"));
            const qsizetype space = rest.indexOf(QLatin1Char(' '));
            statement().expect = CorpusStatement::Expect::Error;
            statement().number = rest.left(space).toLongLong();
            statement().description = rest.mid(space + 1);
        } else if (trimmed == QStringLiteral("ok")) {
            statement().expect = CorpusStatement::Expect::Ok;
        } else if (trimmed.startsWith(QStringLiteral("odbc:"))) {
            statement().odbcDeviation = value(QStringLiteral("odbc:"));
            if (statement().odbcDeviation.isEmpty())
                fail(path, n, QStringLiteral("odbc: without a reason"));
        } else {
            fail(path, n, QStringLiteral("unknown line: ") + trimmed);
        }
    }
    if (block == Block::Setup || block == Block::Sql)
        flushText(static_cast<int>(lines.size()));
    return cases;
}
