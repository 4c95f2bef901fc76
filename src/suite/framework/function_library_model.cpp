#include "suite/framework/function_library_model.h"

#include "automation/variant.h"

#include <QUuid>

#include <algorithm>

namespace suite {

QString FunctionLibraryModel::toText(const QVariant& value) const { return automation::cstr(value); }

bool FunctionLibraryModel::isNumber(const QVariant& value) {
    static constexpr int numberTypes[] = {QMetaType::Int,   QMetaType::UInt,     QMetaType::Long,
                                          QMetaType::ULong, QMetaType::LongLong, QMetaType::ULongLong,
                                          QMetaType::Short, QMetaType::UShort,   QMetaType::SChar,
                                          QMetaType::UChar, QMetaType::Double,   QMetaType::Float};
    return std::ranges::find(numberTypes, value.metaType().id()) != std::ranges::end(numberTypes);
}

QVariant FunctionLibraryModel::number(const QVariant& value) {
    if (isNumber(value))
        return value;
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    if (value.metaType().id() != QMetaType::QString)
        return 0;
    return numberFromText(value.toString().trimmed()).value_or(QVariant(0));
}

std::optional<QVariant> FunctionLibraryModel::numberFromText(const QString& text) {
    bool ok = false;
    const qint64 integer = text.toLongLong(&ok);
    if (ok)
        return QVariant(integer);
    const double real = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (ok)
        return QVariant(real);
    return std::nullopt;
}

void FunctionLibraryModel::lockRedraw(qint64 windowHandle) {
    if (windowHandle != 0)
        ++locks_;
    else if (lockedWindow_ != 0)
        ++unlocks_;
    lockedWindow_ = windowHandle;
}

QString FunctionLibraryModel::uniqueSuffix() { return QUuid::createUuid().toString(QUuid::Id128).toUpper(); }

}  // namespace suite
