#pragma once

#include "brondel/console/console_section.h"

#include <QString>
#include <QVariant>
#include <functional>

namespace brondel {

// What the article sections (configurator, sub-code values, their descriptions by language) share beyond
// every section's: the host's text and number conversions, and statements run all or nothing.
class ArticleSection : public ConsoleSection {
protected:
    using ConsoleSection::ConsoleSection;

    // The host's text and number conversions (Null and Empty give "" and 0; text that is no number, 0).
    QString text(const QVariant& value) const;
    QVariant number(const QVariant& value) const;
    // Runs statements on the console connection all or nothing: a failure rolls back what ran before it
    // and reaches the caller.
    void allOrNothing(const std::function<void()>& statements) const;
};

}  // namespace brondel
