#pragma once

#include "brondel/console/host_components/translator.h"

#include <QHash>
#include <QString>

namespace suite {

// The translator of the user's language: a table of Italian texts and their translations. With an empty
// table (Italian users) every text comes back as it is.
class TranslatorModel : public host::Translator {
public:
    QString translate(const QString& text) const override { return table_.value(text, text); }

    void addTranslation(const QString& text, const QString& translation) { table_.insert(text, translation); }

private:
    QHash<QString, QString> table_;
};

}  // namespace suite
