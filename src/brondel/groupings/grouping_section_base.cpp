#include "brondel/groupings/grouping_section_base.h"

#include "brondel/console/object_required.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/screen.h"
#include "brondel/console/host_components/translator.h"

namespace brondel {

QString GroupingSectionBase::company() const { return automation::cstr(form_.CompanyCode); }

std::shared_ptr<host::HostFactory> GroupingSectionBase::factory() const {
    return required(required(required(form_.HostInterface)->clsGlobal())->factory());
}

std::shared_ptr<ado::Recordset> GroupingSectionBase::execute(const QString& statement) const {
    return required(form_.ConsoleConnection)->execute(statement);
}

bool GroupingSectionBase::hasRow(const std::shared_ptr<ado::Recordset>& result) {
    return result && result->isOpen() && !result->isBof() && !result->isEof();
}

QString GroupingSectionBase::translate(const QString& text) const {
    return required(required(required(form_.HostInterface)->clsGlobal())->translator())->translate(text);
}

qint32 GroupingSectionBase::showMessage(const QString& text, qint32 style) const {
    return required(form_.MessageService)->showMessage(text, style, form_.window()->caption(), true, 0);
}

void GroupingSectionBase::setEnabled(std::initializer_list<const char*> names, bool enabled) const {
    for (const char* name : names)
        form_.control(QString::fromLatin1(name))->setEnabled(enabled);
}

void GroupingSectionBase::focusIfPossible(const char* name) const {
    const std::shared_ptr<host::Control> control = form_.control(QString::fromLatin1(name));
    if (control->canTakeFocus())
        control->setFocus();
}

void GroupingSectionBase::setMousePointer(int pointer) const { required(factory()->screen())->setMousePointer(pointer); }

}  // namespace brondel
