#include "brondel/console/console_section.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/recordset_release.h"
#include "brondel/console/section_frame.h"
#include "brondel/console/sidebar_section.h"
#include "brondel/console/working_table.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/function_library.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/translator.h"
#include "brondel/console/host_components/virtual_frame.h"

namespace brondel {

ConsoleSection::ConsoleSection(FRMMG_BRONDEL& form, int panel) : form_(form), panel_(panel) {}

ConsoleSection::~ConsoleSection() = default;

SectionFrame& ConsoleSection::addFrame(const char* scriptName) {
    frames_.push_back(std::make_unique<SectionFrame>(QString::fromUtf8(scriptName)));
    return *frames_.back();
}

QVariant ConsoleSection::companyCode() const { return form_.companyCode(); }

QString ConsoleSection::company() const { return automation::cstr(form_.companyCode()); }

std::shared_ptr<ado::Connection> ConsoleSection::connection() const { return required(form_.connection()); }

QString ConsoleSection::connectionString() const { return form_.connectionString(); }

std::shared_ptr<host::Cinterface> ConsoleSection::host() const { return required(form_.attachedHost()); }

std::shared_ptr<host::HostFactory> ConsoleSection::factory() const {
    return required(required(host()->clsGlobal())->factory());
}

const automation::ErrorBox& ConsoleSection::errorBox() const { return form_.errorBox(); }

std::shared_ptr<host::MessageService> ConsoleSection::messageService() const {
    return required(form_.messageService());
}

std::shared_ptr<host::LookupService> ConsoleSection::lookupService() const { return required(form_.lookupService()); }

std::shared_ptr<host::DecodeService> ConsoleSection::decodeService() const { return required(form_.decodeService()); }

std::shared_ptr<host::LookupService> ConsoleSection::customerSupplierLookupService() const {
    return required(form_.customerSupplierLookupService());
}

std::shared_ptr<host::DecodeService> ConsoleSection::customerSupplierDecodeService() const {
    return required(form_.customerSupplierDecodeService());
}

bool ConsoleSection::isLeaving() const { return form_.isSwitchingSection() || form_.isUnloading(); }

QString ConsoleSection::translate(const QString& text) const {
    return required(required(host()->clsGlobal())->translator())->translate(text);
}

QString ConsoleSection::formCaption() const { return form_.window()->caption(); }

qint32 ConsoleSection::showMessage(const QString& text, qint32 style, const QString& title) const {
    return messageService()->showMessage(text, style, title, true, 0);
}

void ConsoleSection::refuse(bool& cancel, const QString& text, const QString& title, const QString& focus) const {
    showMessage(text, host::message_style::Exclamation, title);
    cancel = true;
    focusIfEnabled(focus);
}

std::shared_ptr<ado::Recordset> ConsoleSection::execute(const QString& statement) const {
    return connection()->execute(statement, nullptr, ado::TextKind::Statement);
}

std::shared_ptr<ado::Recordset> ConsoleSection::executeBatch(const QString& batch) const {
    return connection()->execute(batch);
}

bool ConsoleSection::returnsRow(const QString& statement) const {
    const std::shared_ptr<ado::Recordset> result = execute(statement);
    const bool row = hasCurrentRow(result);
    if (result && result->isOpen())
        result->close();
    return row;
}

QVariant ConsoleSection::firstValue(const QString& statement, const QString& field, const QVariant& none) const {
    const std::shared_ptr<ado::Recordset> result = execute(statement);
    return hasCurrentRow(result) ? result->value(field) : none;
}

bool ConsoleSection::hasCurrentRow(const std::shared_ptr<ado::Recordset>& rows) {
    return rows && rows->isOpen() && !rows->isBof() && !rows->isEof();
}

std::shared_ptr<host::Control> ConsoleSection::anyControl(const QString& name, int index) const {
    return form_.control(name, index);
}

bool ConsoleSection::hasControl(const QString& name, int index) const { return form_.hasControl(name, index); }

void ConsoleSection::setEnabled(std::initializer_list<const char*> names, bool enabled) const {
    for (const char* name : names)
        control(QString::fromLatin1(name))->setEnabled(enabled);
}

void ConsoleSection::clearText(std::initializer_list<const char*> names) const {
    for (const char* name : names)
        control(QString::fromLatin1(name))->setText(QString());
}

void ConsoleSection::focusIfEnabled(const QString& name) const {
    const std::shared_ptr<host::Control> target = control(name);
    if (target->canTakeFocus())
        target->setFocus();
}

void ConsoleSection::showPanel() const {
    form_.VisualizzaUI(QString::fromLatin1(sidebarSections().at(panel_).itemKey), false);
}

void ConsoleSection::activate(const SectionFrame& frame) const { host()->setActiveFrame(frame.frame()); }

void ConsoleSection::refreshSidebar() const { form_.AggiornaStatoAbilitazioneVociSidebar(); }

QString ConsoleSection::workingTableName(WorkingTable& table) const {
    return table.name(*required(factory()->functionLibrary()), *connection());
}

void ConsoleSection::reloadWorkingRows(std::shared_ptr<ado::Recordset>& rows, const QString& grid,
                                       std::initializer_list<QString> statements, const QString& rowsStatement) const {
    const auto shown = control<host::Grid>(grid);
    shown->setDataSource(nullptr);
    for (const QString& statement : statements)
        execute(statement);
    closeAndRelease(rows);
    rows = required(factory()->recordsetFactory())->createRecordset();
    rows->open(rowsStatement, connection());
    shown->setDataSource(rows);
    shown->refresh();
}

void ConsoleSection::defineGridColumns(const QString& grid, const QString& keyField,
                                       std::span<const GridColumn> columns) const {
    const auto target = control<host::Grid>(grid);
    const std::shared_ptr<host::GridLayout> layout = required(factory()->createGridLayout());
    layout->initialize(form_.attachedHost(), nullptr, keyField, 0);
    for (const GridColumn& column : columns)
        layout->addColumn(QString::fromLatin1(column.field), QString::fromUtf8(column.caption), column.kind,
                          column.width, column.visible);
    target->setColumnLayout(layout);
    target->endColumnDefinition();
}

std::weak_ptr<const void> ConsoleSection::formLifetime() const { return form_.weak_from_this(); }

}  // namespace brondel
