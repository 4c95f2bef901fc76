#include "brondel/articles/article_subcodes.h"

#include "brondel/articles/article_configurator.h"
#include "brondel/articles/article_statements.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/object_required.h"
#include "brondel/console/sidebar_section.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <utility>

namespace brondel {

namespace button = host::navigator_button;

namespace {

constexpr int LabelWidth = 3000;  // "Codifica del subcodice articolo"
constexpr int CodeWidth = 2400;
constexpr int FieldWidth = 4200;

const QString typeColumn = QStringLiteral("MG6E_PROGR_MG6F");

host::ControlDesign design(const QString& name, host::ControlKind kind, const host::Geometry& geometry,
                           std::shared_ptr<host::Control> parent, const QString& caption = QString()) {
    host::ControlDesign result = FRMMG_BRONDEL::design(name, kind, geometry, std::move(parent));
    result.caption = caption;
    return result;
}

QString tooLong(qint16 maximum) {
    return QStringLiteral("Il numero massimo di carattere consentito per la codifica subcodice è ") +
           QString::number(maximum) + QStringLiteral("  , inserimento impossibile!");
}

const QString apostropheRefused = QStringLiteral("La codifica subcodice non può contenere il carattere (').");

}  // namespace

ArticleSubCodes::ArticleSubCodes(FRMMG_BRONDEL& form, ArticleConfigurator& configurator)
    : ArticleSection(form), configurator_(configurator) {}

ArticleSubCodes::~ArticleSubCodes() = default;

std::shared_ptr<host::VirtualFrame> ArticleSubCodes::frame() const { return required(form_.FME_SUBCODART); }

std::shared_ptr<ado::Recordset> ArticleSubCodes::rows() const { return required(frame()->recordset()); }

QString ArticleSubCodes::type() const { return text(control<host::Combo>("CBO_PROGRSUBCODART")->currentCode()); }

void ArticleSubCodes::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, 3, 1, LabelWidth, FieldWidth);
    const auto box = form_.createControl<host::GroupBox>(
        design("GRB_SUBCODART", ControlKind::GroupBox, layout.fieldBox(), panel, "Subcodice articolo"));
    const auto label = [&](const char* name, int row, const QString& caption) {
        form_.createControl<host::Label>(design(name, ControlKind::Label, layout.label(row), box, caption));
    };

    form_.createControl<host::Combo>(
        design("CBO_PROGRSUBCODART", ControlKind::Combo, layout.field(0), box, "Selezione tipo subcodice"));
    label("LBL_PROGRSUBCODART", 0, QStringLiteral("Selezione tipo subcodice"));

    host::Geometry code = layout.field(1);
    code.width = CodeWidth;
    host::ControlDesign codeField =
        design("TXT_SUBCODICE", ControlKind::Edit, code, box, "Codifica del subcodice articolo");
    codeField.maxLength = 25;
    codeField.boundColumn = QStringLiteral("MG6E_SUBCODICE");
    codeField.mandatory = true;
    form_.createControl<host::Edit>(codeField);
    label("LBL_SUBCODICE", 1, QStringLiteral("Codifica del subcodice articolo"));

    host::ControlDesign description =
        design("TXT_DESCRSUBCODART", ControlKind::Edit, layout.field(2), box, "Descrizione");
    description.maxLength = 36;
    description.boundColumn = QStringLiteral("MG6E_DESCR");
    form_.createControl<host::Edit>(description);
    label("LBL_DESCRSUBCODART", 2, QStringLiteral("Descrizione"));

    form_.createControl<host::Grid>(design("GRD_SUBCODART", ControlKind::Grid, layout.grid(), panel));
    form_.createControl<host::GridNavigator>(
        design("GNV_SUBCODART", ControlKind::GridNavigator, layout.navigator(), panel));
    connectControls();
}

void ArticleSubCodes::connectControls() {
    connect(control<host::Grid>("GRD_SUBCODART")->DataFormatEXT, this, &ArticleSubCodes::GRD_SUBCODART_DataFormatEXT);
    connect(control<host::Combo>("CBO_PROGRSUBCODART")->ChangeRow, this, &ArticleSubCodes::CBO_PROGRSUBCODART_ChangeRow);
    connect(control<host::Edit>("TXT_SUBCODICE")->AfterItem, this, &ArticleSubCodes::TXT_SUBCODICE_AfterItem);
    connect(control<host::Edit>("TXT_DESCRSUBCODART")->KeyDown, this, &ArticleSubCodes::TXT_DESCRSUBCODART_KeyDown);
    connect(control<host::GridNavigator>("GNV_SUBCODART")->AfterButtonClick, this,
            &ArticleSubCodes::GNV_SUBCODART_AfterButtonClick);
}

void ArticleSubCodes::connectFrame(host::VirtualFrame& frame) {
    connect(frame.BeforeAddNew, this, &ArticleSubCodes::FME_SUBCODART_BeforeAddNew);
    connect(frame.AfterAddNew, this, &ArticleSubCodes::FME_SUBCODART_AfterAddNew);
    connect(frame.BeforeUpdate, this, &ArticleSubCodes::FME_SUBCODART_BeforeUpdate);
    connect(frame.AfterUpdate, this, &ArticleSubCodes::FME_SUBCODART_AfterUpdate);
}

void ArticleSubCodes::initGrids() { INITGRID_SUBCODICI(); }

void ArticleSubCodes::show() { MostraItemSubCodArt(); }

void ArticleSubCodes::releaseRecordsets() {
    if (RstSubCodArt && RstSubCodArt->isOpen())
        RstSubCodArt->close();
    RstSubCodArt.reset();
}

void ArticleSubCodes::releaseFrame() {
    const std::shared_ptr<host::VirtualFrame> old = std::exchange(form_.FME_SUBCODART, nullptr);
    if (!old)
        return;
    old->close();
    old->detach();
    const std::shared_ptr<host::Cinterface> host = form_.HostInterface;
    if (host && host->activeFrame() == old)
        host->setActiveFrame(nullptr);
    releaseRecordsets();
}

void ArticleSubCodes::MostraItemSubCodArt() {
    automation::reraise("MostraItemSubCodArt", [this] {
        form_.VisualizzaUI(QStringLiteral("ITMSUBCOD"), false);
        Carica_CBO_PROGRSUBCOD();
    });
}

void ArticleSubCodes::Carica_CBO_PROGRSUBCOD() {
    automation::reraise("Carica_CBO_PROGRSUBCOD", [this] {
        const std::shared_ptr<ado::Recordset> types = execute(ArticleStatements::codedTypes(company()));
        const auto combo = control<host::Combo>("CBO_PROGRSUBCODART");
        combo->clear();
        for (; hasRow(types); types->moveNext()) {
            combo->addItem(text(types->value(QStringLiteral("MG6F_DESCR"))),
                           automation::cint(number(types->value(QStringLiteral("MG6F_PROGR")))));
        }
        if (combo->count() > 0)
            combo->setCurrentIndex(0);
    });
}

QString ArticleSubCodes::Carica_CBO_PROGRSUBCOD(const QVariant& type) {
    return automation::reraise("Carica_CBO_PROGRSUBCOD", [&] {
        const std::shared_ptr<ado::Recordset> result =
            execute(ArticleStatements::typeDescription(company(), automation::cstr(number(type))));
        return hasRow(result) ? text(result->value(QStringLiteral("MG6F_DESCR"))) : QString();
    });
}

void ArticleSubCodes::ConfigurazioneVirtualFrameSubCodArt() {
    automation::reraise("ConfigurazioneVirtualFrameSubCodArt", [this] {
        const auto navigator = control<host::GridNavigator>("GNV_SUBCODART");
        navigator->setEnabled(false);
        releaseFrame();
        const QString statement = ArticleStatements::valueRows(company(), type());
        RstSubCodArt = required(factory()->recordsetFactory())->createRecordset();
        RstSubCodArt->open(statement, required(form_.ConsoleConnection));

        const std::shared_ptr<host::VirtualFrame> created = required(factory()->createVirtualFrame());
        form_.FME_SUBCODART = created;
        connectFrame(*created);
        const auto grid = control<host::Grid>("GRD_SUBCODART");
        created->initialize(form_.HostInterface, form_.ConsoleConnection, RstSubCodArt, QVariant(statement), QString(),
                            navigator, grid);
        created->addControl(control<host::DataControl>("TXT_SUBCODICE"));
        created->addControl(control<host::DataControl>("TXT_DESCRSUBCODART"));
        created->setKeyControl(control<host::DataControl>("TXT_SUBCODICE"));
        created->setEditingEnabled(true);
        grid->refresh();
        created->setStatus(hasRow(RstSubCodArt) ? host::frame_status::Browse : host::frame_status::Adding);
        navigator->setEnabled(true);
    });
}

void ArticleSubCodes::INITGRID_SUBCODICI() {
    automation::reraise("INITGRID_SUBCODICI", [this] {
        const auto grid = control<host::Grid>("GRD_SUBCODART");
        const std::shared_ptr<host::GridLayout> layout = required(factory()->createGridLayout());
        layout->initialize(form_.HostInterface, nullptr, QStringLiteral("MG6E_SUBCODICE"), 0);
        layout->addColumn(QStringLiteral("MG6E_SUBCODICE"), QStringLiteral("Codifica"), host::column_kind::Text, 2175, true);
        layout->addColumn(QStringLiteral("MG6E_DESCR"), QStringLiteral("Descrizione"), host::column_kind::Text, 7800, true);
        grid->setColumnLayout(layout);
        grid->endColumnDefinition();
        grid->setColumnSortable(QStringLiteral("MG6E_SUBCODICE"), true);
        grid->setColumnSortable(QStringLiteral("MG6E_DESCR"), true);
    });
}

void ArticleSubCodes::GRD_SUBCODART_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_SUBCODART_DataFormatEXT", [&] {
        if (field == typeColumn && !text(value).isEmpty())
            value = Carica_CBO_PROGRSUBCOD(value);
    });
}

void ArticleSubCodes::CBO_PROGRSUBCODART_ChangeRow() {
    automation::reraise("CBO_PROGRSUBCODART_ChangeRow", [this] {
        ConfigurazioneVirtualFrameSubCodArt();
        required(form_.HostInterface)->setActiveFrame(form_.FME_SUBCODART);
        focus(control<host::Grid>("GRD_SUBCODART"));
    });
}

void ArticleSubCodes::FME_SUBCODART_BeforeAddNew(bool&) {
    automation::reraise("FME_SUBCODART_BeforeAddNew", [this] {
        const auto combo = control<host::Combo>("CBO_PROGRSUBCODART");
        combo->setSavedValue(text(combo->currentCode()));
    });
}

void ArticleSubCodes::FME_SUBCODART_AfterAddNew(bool success) {
    automation::reraise("FME_SUBCODART_AfterAddNew", [&] {
        if (!success)
            return;
        rows()->setValue(QStringLiteral("MG6E_DITTA_CG18"), form_.CompanyCode);
        rows()->setValue(typeColumn, control<host::Combo>("CBO_PROGRSUBCODART")->currentCode());
        form_.AggiornaStatoAbilitazioneVociSidebar();
    });
}

void ArticleSubCodes::FME_SUBCODART_BeforeUpdate(bool& cancel) {
    automation::reraise("FME_SUBCODART_BeforeUpdate", [&] {
        const qint16 maximum = configurator_.MaxSizeValoreArticolo(type());
        const qsizetype length = control<host::Edit>("TXT_SUBCODICE")->text().trimmed().size();
        if (length > maximum) {
            showMessage(tooLong(maximum), host::message_style::Exclamation, formCaption());
            cancel = true;
            focus(control<host::Edit>("TXT_SUBCODICE"));
            return;
        }
        if (cancel)
            return;
        rows()->setValue(QStringLiteral("MG6E_DITTA_CG18"), form_.CompanyCode);
        // A stored value keeps its type.
        if (frame()->status() == host::frame_status::Adding)
            rows()->setValue(typeColumn, control<host::Combo>("CBO_PROGRSUBCODART")->currentCode());
    });
}

void ArticleSubCodes::FME_SUBCODART_AfterUpdate(bool success) {
    automation::reraise("FME_SUBCODART_AfterUpdate", [&] {
        if (success)
            form_.AggiornaStatoAbilitazioneVociSidebar();
    });
}

void ArticleSubCodes::TXT_SUBCODICE_AfterItem(bool& cancel) {
    automation::reraise("TXT_SUBCODICE_AfterItem", [&] {
        const auto code = control<host::Edit>("TXT_SUBCODICE");
        const bool adding = frame()->status() == host::frame_status::Adding;
        if (adding && code->text().contains(QLatin1Char('\''))) {
            showMessage(apostropheRefused, host::message_style::Exclamation, formCaption());
            cancel = true;
            focus(code);
            return;
        }
        code->setText(code->text().toUpper());
        if (adding && !type().isEmpty() && !code->text().isEmpty() && !frame()->checkKey())
            cancel = true;
    });
}

void ArticleSubCodes::TXT_DESCRSUBCODART_KeyDown(int& keyCode, int shift) {
    automation::reraise("TXT_DESCRSUBCODART_KeyDown", [&] {
        if (keyCode != host::key::Return || (shift & host::key::ShiftMask) != 0)
            return;
        keyCode = 0;
        const auto navigator = control<host::GridNavigator>("GNV_SUBCODART");
        if (frame()->status() == host::frame_status::Adding) {
            navigator->pressButton(button::New);
        } else if (navigator->isButtonAvailable(button::Save)) {
            navigator->pressButton(button::Save);
            focus(control<host::Grid>("GRD_SUBCODART"));
        }
    });
}

void ArticleSubCodes::GNV_SUBCODART_AfterButtonClick(bool success, const QString& caption) {
    automation::reraise("GNV_SUBCODART_AfterButtonClick", [&] {
        if (!success)
            return;
        if (caption == button::New)
            focus(control<host::Edit>("TXT_SUBCODICE"));
        else if (caption == button::Save)
            focus(control<host::Grid>("GRD_SUBCODART"));
    });
}

}  // namespace brondel
