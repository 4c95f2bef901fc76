#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

namespace brondel {

class FRMMG_BRONDEL;

// The variant column of a description grid as the grid shows it (the variant configurator's decode of
// each code), decoded once per load: the grid asks for every row it lays out.
class VariantTexts {
public:
    explicit VariantTexts(FRMMG_BRONDEL& form) : form_(form) {}

    // A new load: every code is decoded again.
    void clear() { texts_.clear(); }
    // DataFormatEXT: the variant column's code becomes its text; other columns are left as they are.
    void format(QVariant& value, const QString& field);

private:
    FRMMG_BRONDEL& form_;
    QHash<QString, QString> texts_;
};

}  // namespace brondel
