#include "ado/filter_expression.h"

#include "ado/error.h"
#include "ado/value_comparison.h"
#include "automation/error.h"
#include "automation/variant.h"
#include "tsql/text_comparison.h"

#include <QDateTime>

namespace ado {

namespace {

enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, Like, And, Or };

const QString Source = QStringLiteral("ADODB.Recordset");

[[noreturn]] void malformed(const QString& text) {
    const automation::Error base = adoError(automation::errors::ArgumentsWrongType, Source);
    throw automation::Error(base.number(), base.source(),
                            base.description() + QStringLiteral(" (Filter \"%1\")").arg(text));
}

// A date as the database gives it (ISO text) or as a pound-sign literal writes it (month first).
QDateTime readDate(const QString& text) {
    static const char* const Formats[] = {"yyyy-MM-dd HH:mm:ss.zzz",
                                          "yyyy-MM-dd HH:mm:ss",
                                          "yyyy-MM-ddTHH:mm:ss",
                                          "yyyy-MM-dd HH:mm",
                                          "yyyy-MM-dd",
                                          "M/d/yyyy H:mm:ss",
                                          "M/d/yyyy H:mm",
                                          "M/d/yyyy"};
    const QString trimmed = text.trimmed();
    for (const char* format : Formats) {
        const QDateTime date = QDateTime::fromString(trimmed, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return QDateTime();
}

int compareDates(const QVariant& field, const QDateTime& literal) {
    const QDateTime value = field.metaType().id() == QMetaType::QDateTime ? field.toDateTime()
                            : field.metaType().id() == QMetaType::QDate   ? field.toDate().startOfDay()
                                                                          : readDate(field.toString());
    if (!value.isValid())
        return tsql::compareText(field.toString(), literal.toString(Qt::ISODate));
    return value < literal ? -1 : (literal < value ? 1 : 0);
}

// A literal number converts to the number a text field holds, and a field's number to text for a text literal.
int compareWithLiteral(const QVariant& field, const QVariant& literal) {
    if (literal.metaType().id() == QMetaType::QDateTime)
        return compareDates(field, literal.toDateTime());
    const bool fieldText = field.metaType().id() == QMetaType::QString;
    const bool literalText = literal.metaType().id() == QMetaType::QString;
    if (fieldText == literalText)
        return compareValues(field, literal);
    bool ok = false;
    const double number = (fieldText ? field : literal).toString().trimmed().toDouble(&ok);
    if (!ok)
        return tsql::compareText(field.toString(), literal.toString());
    return fieldText ? compareValues(QVariant(number), literal) : compareValues(field, QVariant(number));
}

}  // namespace

struct FilterExpression::Node {
    Op op;
    int field = -1;
    QVariant value;  // Null for "= Null"
    std::shared_ptr<const Node> left, right;

    bool matches(const FieldValue& fieldValue) const {
        if (op == Op::And)
            return left->matches(fieldValue) && right->matches(fieldValue);
        if (op == Op::Or)
            return left->matches(fieldValue) || right->matches(fieldValue);
        const QVariant v = fieldValue(field);
        const bool fieldNull = automation::isNull(v) || automation::isEmpty(v);
        if (automation::isNull(value)) {
            if (op == Op::Equal)
                return fieldNull;
            if (op == Op::NotEqual)
                return !fieldNull;
            return false;
        }
        if (fieldNull)
            return false;
        if (op == Op::Like)
            return matchesLike(v.toString(), value.toString());
        const int c = compareWithLiteral(v, value);
        switch (op) {
        case Op::Equal: return c == 0;
        case Op::NotEqual: return c != 0;
        case Op::Less: return c < 0;
        case Op::Greater: return c > 0;
        case Op::LessEqual: return c <= 0;
        case Op::GreaterEqual: return c >= 0;
        default: return false;
        }
    }
};

namespace {

using NodePtr = std::shared_ptr<const FilterExpression::Node>;

class Parser {
public:
    Parser(const QString& text, const std::function<int(const QString&)>& fieldIndex)
        : text_(text), fieldIndex_(fieldIndex) {}

    NodePtr parse() {
        NodePtr node = disjunction();
        skipBlanks();
        if (at_ < text_.size())
            malformed(text_);
        return node;
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && text_.at(at_).isSpace())
            ++at_;
    }

    // A keyword followed by a blank, a parenthesis or a quote.
    bool keyword(const char* word) {
        skipBlanks();
        const QLatin1String w(word);
        if (QStringView(text_).mid(at_, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype end = at_ + w.size();
        if (end < text_.size()) {
            const QChar next = text_.at(end);
            if (next.isLetterOrNumber() || next == QLatin1Char('_'))
                return false;
        }
        at_ = end;
        return true;
    }

    NodePtr joined(Op op, NodePtr left, NodePtr right) {
        auto node = std::make_shared<FilterExpression::Node>();
        node->op = op;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    NodePtr disjunction() {
        NodePtr node = conjunction();
        while (keyword("OR"))
            node = joined(Op::Or, node, conjunction());
        return node;
    }

    NodePtr conjunction() {
        NodePtr node = primary();
        while (keyword("AND"))
            node = joined(Op::And, node, primary());
        return node;
    }

    NodePtr primary() {
        skipBlanks();
        if (at_ < text_.size() && text_.at(at_) == QLatin1Char('(')) {
            ++at_;
            NodePtr node = disjunction();
            skipBlanks();
            if (at_ >= text_.size() || text_.at(at_) != QLatin1Char(')'))
                malformed(text_);
            ++at_;
            return node;
        }
        return comparison();
    }

    NodePtr comparison() {
        auto node = std::make_shared<FilterExpression::Node>();
        const QString name = fieldName();
        node->field = fieldIndex_(name);
        if (node->field < 0) {
            const automation::Error base = adoError(automation::errors::ItemNotFound, Source);
            throw automation::Error(base.number(), base.source(),
                                    base.description() + QStringLiteral(" (Filter field \"%1\")").arg(name));
        }
        node->op = comparisonOperator();
        node->value = literal();
        return node;
    }

    QString fieldName() {
        skipBlanks();
        if (at_ < text_.size() && text_.at(at_) == QLatin1Char('[')) {
            const qsizetype close = text_.indexOf(QLatin1Char(']'), at_ + 1);
            if (close < 0)
                malformed(text_);
            const QString name = text_.mid(at_ + 1, close - at_ - 1).trimmed();
            at_ = close + 1;
            return name;
        }
        const qsizetype start = at_;
        while (at_ < text_.size() && (text_.at(at_).isLetterOrNumber() || text_.at(at_) == QLatin1Char('_') ||
                                      text_.at(at_) == QLatin1Char('#') || text_.at(at_) == QLatin1Char('$'))) {
            ++at_;
        }
        if (at_ == start)
            malformed(text_);
        return text_.mid(start, at_ - start);
    }

    Op comparisonOperator() {
        skipBlanks();
        if (keyword("LIKE"))
            return Op::Like;
        const QStringView rest = QStringView(text_).mid(at_);
        struct Symbol {
            const char* text;
            Op op;
        };
        static constexpr Symbol Symbols[] = {{"<>", Op::NotEqual}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual},
                                             {"=", Op::Equal},     {"<", Op::Less},       {">", Op::Greater}};
        for (const Symbol& s : Symbols) {
            const QLatin1String symbol(s.text);
            if (rest.startsWith(symbol)) {
                at_ += symbol.size();
                return s.op;
            }
        }
        malformed(text_);
    }

    QVariant literal() {
        skipBlanks();
        if (at_ >= text_.size())
            malformed(text_);
        const QChar first = text_.at(at_);
        if (first == QLatin1Char('\'') || first == QLatin1Char('"')) {
            QString value;
            ++at_;
            for (;;) {
                if (at_ >= text_.size())
                    malformed(text_);
                const QChar c = text_.at(at_++);
                if (c == first) {
                    if (at_ < text_.size() && text_.at(at_) == first) {
                        value += first;
                        ++at_;
                        continue;
                    }
                    return QVariant(value);
                }
                value += c;
            }
        }
        if (keyword("NULL"))
            return automation::null();
        if (first == QLatin1Char('#'))
            return date();
        qsizetype start = at_;
        if (first == QLatin1Char('-') || first == QLatin1Char('+'))
            ++at_;
        // Currency: $50.00 is the number 50.
        const bool currency = at_ < text_.size() && text_.at(at_) == QLatin1Char('$');
        if (currency)
            ++at_;
        const qsizetype digits = at_;
        while (at_ < text_.size() && (text_.at(at_).isDigit() || text_.at(at_) == QLatin1Char('.')))
            ++at_;
        bool scientific = false;
        if (at_ > digits && at_ < text_.size() &&
            (text_.at(at_) == QLatin1Char('E') || text_.at(at_) == QLatin1Char('e'))) {
            scientific = true;
            ++at_;
            if (at_ < text_.size() && (text_.at(at_) == QLatin1Char('-') || text_.at(at_) == QLatin1Char('+')))
                ++at_;
            while (at_ < text_.size() && text_.at(at_).isDigit())
                ++at_;
        }
        bool ok = false;
        QString number = text_.mid(start, at_ - start);
        if (currency)
            number.remove(QLatin1Char('$'));
        if (currency || scientific || number.contains(QLatin1Char('.'))) {
            const double d = number.toDouble(&ok);
            if (ok)
                return QVariant(d);
        } else {
            const qint64 n = number.toLongLong(&ok);
            if (ok)
                return QVariant(n);
        }
        malformed(text_);
    }

    // #date#, the date also in quotes: #'1/31/2000'#.
    QVariant date() {
        const qsizetype close = text_.indexOf(QLatin1Char('#'), at_ + 1);
        if (close < 0)
            malformed(text_);
        QString inside = text_.mid(at_ + 1, close - at_ - 1).trimmed();
        if (inside.size() >= 2 && (inside.front() == QLatin1Char('\'') || inside.front() == QLatin1Char('"')) &&
            inside.back() == inside.front()) {
            inside = inside.mid(1, inside.size() - 2);
        }
        const QDateTime value = readDate(inside);
        if (!value.isValid())
            malformed(text_);
        at_ = close + 1;
        return QVariant(value);
    }

    const QString& text_;
    const std::function<int(const QString&)>& fieldIndex_;
    qsizetype at_ = 0;
};

}  // namespace

FilterExpression FilterExpression::parse(const QString& text, const std::function<int(const QString&)>& fieldIndex) {
    FilterExpression expression;
    expression.root_ = Parser(text, fieldIndex).parse();
    return expression;
}

bool FilterExpression::matches(const FieldValue& field) const { return root_->matches(field); }

}  // namespace ado
