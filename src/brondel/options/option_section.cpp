#include "brondel/options/option_section.h"

#include "brondel/console/object_required.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/translator.h"

namespace brondel {

bool OptionSection::hasRow(const std::shared_ptr<ado::Recordset>& result) {
    return result && result->isOpen() && !result->isBof() && !result->isEof();
}

QString OptionSection::company() const { return automation::cstr(form_.CompanyCode); }

std::shared_ptr<host::HostFactory> OptionSection::factory() const {
    return required(required(required(form_.HostInterface)->clsGlobal())->factory());
}

std::shared_ptr<ado::Recordset> OptionSection::execute(const QString& statement) const {
    return required(form_.ConsoleConnection)->execute(statement);
}

QString OptionSection::translate(const QString& text) const {
    return required(required(required(form_.HostInterface)->clsGlobal())->translator())->translate(text);
}

qint32 OptionSection::showMessage(const QString& text, qint32 style) const {
    return required(form_.MessageService)->showMessage(text, style, form_.window()->caption(), true, 0);
}

}  // namespace brondel
