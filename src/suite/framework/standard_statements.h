#pragma once

#include <QString>
#include <QStringList>

// The pieces of the suite's standard lookup and decode statements (SQL Server text), shared by both
// services so that a lookup and the decode of the same table read the same rows.
namespace suite::statements {

// "SELECT" columns "FROM" from "WHERE" conditions joined by AND, then "ORDER BY" orderBy when given; one
// piece per line (CR LF), the WHERE conditions last before ORDER BY.
QString select(const QStringList& columns, const QString& from, const QStringList& conditions,
               const QString& orderBy = QString());
// The names a statement's rows give its columns: a column's alias ("... AS NAME") or the column itself.
QStringList fieldNames(const QStringList& columns);
// text between apostrophes, its own apostrophes doubled.
QString quoted(const QString& text);
// column = 'code', the code's apostrophes doubled.
QString equalsText(const QString& column, const QString& code);
// column = number, unquoted.
QString equalsNumber(const QString& column, const QVariant& number);

// A dimension's rank from its code: "A0".."A9" are 1..10, "B0".."B9" 11..20.
inline const QString VariantRank = QStringLiteral(
    "(ASCII(LEFT(MG5F_CODICEVAR, 1)) - 65) * 10 + CAST(RIGHT(MG5F_CODICEVAR, 1) AS INT) + 1 AS PROGRESSIVO");

inline const QString Variants = QStringLiteral("MG5F_DIMECONF WITH (NOLOCK)");
inline const QString Groupings = QStringLiteral("MG5G_RAGGVAR WITH (NOLOCK)");
inline const QString Documents = QStringLiteral(
    "MG3G_DOCDITTA WITH (NOLOCK)\r\n    INNER JOIN MG36_DOCUMENTI WITH (NOLOCK) ON MG36_CODDOCUM = MG3G_CODDOCUM_MG36");
inline const QString CustomersSuppliers = QStringLiteral("CG44_CLIFOR WITH (NOLOCK)");

}  // namespace suite::statements
