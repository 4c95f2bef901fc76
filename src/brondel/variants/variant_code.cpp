#include "brondel/variants/variant_code.h"

#include "automation/variant.h"

namespace brondel {

namespace {

QString codeOf(int rank) {
    const QChar letter = rank <= 10 ? QLatin1Char('A') : QLatin1Char('B');
    return QString(letter) + QString::number((rank - 1) % 10);
}

}  // namespace

QString VariantCode::CodiceToProgressivo(const QVariant& code) {
    const QString text = automation::cstr(code);
    if (text.isEmpty())
        return QStringLiteral("0");
    for (int rank = 1; rank <= MaxRank; ++rank) {
        if (text == codeOf(rank))
            return QString::number(rank);
    }
    return QString();
}

QString VariantCode::ProgressivoToCodice(const QVariant& rank) {
    if (automation::isEmpty(rank) || automation::isNull(rank))
        return QString();
    bool numeric = false;
    const double value = automation::cstr(rank).trimmed().toDouble(&numeric);
    if (!numeric)
        return QString();
    for (int candidate = 1; candidate <= MaxRank; ++candidate) {
        if (value == candidate)
            return codeOf(candidate);
    }
    return QString();
}

}  // namespace brondel
