#include "brondel/articles/article_section.h"

#include "ado/connection.h"
#include "automation/error.h"
#include "brondel/console/host_components/function_library.h"
#include "brondel/console/host_components/host_factory.h"

namespace brondel {

QString ArticleSection::text(const QVariant& value) const {
    return required(factory()->functionLibrary())->toText(value);
}

QVariant ArticleSection::number(const QVariant& value) const {
    return required(factory()->functionLibrary())->toNumber(value);
}

void ArticleSection::allOrNothing(const std::function<void()>& statements) const {
    const std::shared_ptr<ado::Connection> console = connection();
    console->beginTrans();
    try {
        statements();
    } catch (...) {
        try {
            console->rollbackTrans();
        } catch (const automation::Error&) {
            // The statement's own failure is the one to report.
        }
        throw;
    }
    console->commitTrans();
}

}  // namespace brondel
