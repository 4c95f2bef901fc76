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
    connection()->runAllOrNothing(statements);
}

}  // namespace brondel
