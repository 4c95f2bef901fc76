#include "brondel/articles/article_section.h"

#include "brondel/console/object_required.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/function_library.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/translator.h"

namespace brondel {

void ArticleSection::focus(const std::shared_ptr<host::Control>& control) {
    if (control && control->canTakeFocus())
        control->setFocus();
}

QString ArticleSection::company() const { return automation::cstr(form_.CompanyCode); }

std::shared_ptr<host::HostFactory> ArticleSection::factory() const {
    return required(required(required(form_.HostInterface)->clsGlobal())->factory());
}

std::shared_ptr<host::FunctionLibrary> ArticleSection::library() const {
    return required(factory()->functionLibrary());
}

QString ArticleSection::text(const QVariant& value) const { return library()->toText(value); }

QVariant ArticleSection::number(const QVariant& value) const { return library()->toNumber(value); }

std::shared_ptr<ado::Recordset> ArticleSection::execute(const QString& statement) const {
    return required(form_.ConsoleConnection)->execute(statement);
}

bool ArticleSection::hasRow(const std::shared_ptr<ado::Recordset>& result) {
    return result && result->isOpen() && !result->isBof() && !result->isEof();
}

void ArticleSection::allOrNothing(const std::function<void()>& statements) const {
    const std::shared_ptr<ado::Connection> connection = required(form_.ConsoleConnection);
    connection->beginTrans();
    try {
        statements();
    } catch (...) {
        try {
            connection->rollbackTrans();
        } catch (const automation::Error&) {
            // The statement's own failure is the one to report.
        }
        throw;
    }
    connection->commitTrans();
}

QString ArticleSection::formCaption() const { return form_.window()->caption(); }

QString ArticleSection::translate(const QString& text) const {
    return required(required(required(form_.HostInterface)->clsGlobal())->translator())->translate(text);
}

qint32 ArticleSection::showMessage(const QString& text, qint32 style, const QString& title) const {
    return required(form_.MessageService)->showMessage(text, style, title, true, 0);
}

}  // namespace brondel
