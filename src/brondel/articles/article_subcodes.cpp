#include "brondel/articles/article_subcodes.h"

#include "brondel/articles/article_configurator.h"
#include "brondel/articles/article_statements.h"
#include "brondel/console/field_box.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"

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

// Both columns sort and search.
const GridColumn gridColumns[] = {{"MG6E_SUBCODICE", "Codifica", 2175}, {"MG6E_DESCR", "Descrizione", 7800}};

QString tooLong(qint16 maximum) {
    return QStringLiteral("Il numero massimo di carattere consentito per la codifica subcodice è ") +
           QString::number(maximum) + QStringLiteral("  , inserimento impossibile!");
}

const QString apostropheRefused = QStringLiteral("La codifica subcodice non può contenere il carattere (').");

}  // namespace

ArticleSubCodes::ArticleSubCodes(FRMMG_BRONDEL& form)
    : ArticleSection(form, 8), frame_(addFrame("DTS_Subcodici_Articoli")) {}

ArticleSubCodes::~ArticleSubCodes() = default;

std::shared_ptr<host::VirtualFrame> ArticleSubCodes::frame() const { return frame_.required(); }

std::shared_ptr<ado::Recordset> ArticleSubCodes::rows() const { return required(frame()->recordset()); }

QString ArticleSubCodes::type() const { return text(control<host::Combo>("CBO_PROGRSUBCODART")->currentCode()); }

void ArticleSubCodes::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, 3, 1, LabelWidth, FieldWidth);
    const auto box = form().createControl<host::GroupBox>(
        designWithCaption(QStringLiteral("GRB_SUBCODART"), ControlKind::GroupBox, layout.fieldBox(), panel,
                          QStringLiteral("Subcodice articolo")));
    const auto label = [&](const QString& control, int row) {
        form().createControl<host::Label>(designWithCaption(labelName(control), ControlKind::Label, layout.label(row),
                                                            box, form().control(control)->caption()));
    };

    const QString types = QStringLiteral("CBO_PROGRSUBCODART");
    form().createControl<host::Combo>(
        designWithCaption(types, ControlKind::Combo, layout.field(0), box, QStringLiteral("Selezione tipo subcodice")));
    label(types, 0);

    host::Geometry codeField = layout.field(1);
    codeField.width = CodeWidth;
    host::ControlDesign code = designWithCaption(QStringLiteral("TXT_SUBCODICE"), ControlKind::Edit, codeField, box,
                                                 QStringLiteral("Codifica del subcodice articolo"));
    code.maxLength = 25;
    code.boundColumn = QStringLiteral("MG6E_SUBCODICE");
    code.mandatory = true;
    form().createControl<host::Edit>(code);
    label(code.name, 1);

    host::ControlDesign description = designWithCaption(QStringLiteral("TXT_DESCRSUBCODART"), ControlKind::Edit,
                                                        layout.field(2), box, QStringLiteral("Descrizione"));
    description.maxLength = 36;
    description.boundColumn = QStringLiteral("MG6E_DESCR");
    form().createControl<host::Edit>(description);
    label(description.name, 2);

    form().createControl<host::Grid>(
        FRMMG_BRONDEL::design(QStringLiteral("GRD_SUBCODART"), ControlKind::Grid, layout.grid(), panel));
    form().createControl<host::GridNavigator>(
        FRMMG_BRONDEL::design(QStringLiteral("GNV_SUBCODART"), ControlKind::GridNavigator, layout.navigator(), panel));
    connectControls();
}

void ArticleSubCodes::connectControls() {
    connect(control<host::Grid>("GRD_SUBCODART")->DataFormatEXT, &ArticleSubCodes::GRD_SUBCODART_DataFormatEXT);
    connect(control<host::Combo>("CBO_PROGRSUBCODART")->ChangeRow, &ArticleSubCodes::CBO_PROGRSUBCODART_ChangeRow);
    connect(control<host::Edit>("TXT_SUBCODICE")->AfterItem, &ArticleSubCodes::TXT_SUBCODICE_AfterItem);
    connect(control<host::Edit>("TXT_DESCRSUBCODART")->KeyDown, &ArticleSubCodes::TXT_DESCRSUBCODART_KeyDown);
    connect(control<host::GridNavigator>("GNV_SUBCODART")->AfterButtonClick,
            &ArticleSubCodes::GNV_SUBCODART_AfterButtonClick);
}

void ArticleSubCodes::connectFrame(host::VirtualFrame& frame) {
    connect(frame.BeforeAddNew, &ArticleSubCodes::FME_SUBCODART_BeforeAddNew);
    connect(frame.AfterAddNew, &ArticleSubCodes::FME_SUBCODART_AfterAddNew);
    connect(frame.BeforeUpdate, &ArticleSubCodes::FME_SUBCODART_BeforeUpdate);
    connect(frame.AfterUpdate, &ArticleSubCodes::FME_SUBCODART_AfterUpdate);
}

void ArticleSubCodes::initGrids() { INITGRID_SUBCODICI(); }

void ArticleSubCodes::show() { MostraItemSubCodArt(); }

void ArticleSubCodes::MostraItemSubCodArt() {
    automation::reraise("MostraItemSubCodArt", [this] {
        showPanel();
        Carica_CBO_PROGRSUBCOD();
    });
}

void ArticleSubCodes::Carica_CBO_PROGRSUBCOD() {
    automation::reraise("Carica_CBO_PROGRSUBCOD", [this] {
        const std::shared_ptr<ado::Recordset> types = execute(ArticleStatements::codedTypes(company()));
        const auto combo = control<host::Combo>("CBO_PROGRSUBCODART");
        combo->clear();
        for (; hasCurrentRow(types); types->moveNext()) {
            combo->addItem(text(types->value(QStringLiteral("MG6F_DESCR"))),
                           automation::cint(number(types->value(QStringLiteral("MG6F_PROGR")))));
        }
        if (combo->count() > 0)
            combo->setCurrentIndex(0);
    });
}

QString ArticleSubCodes::Carica_CBO_PROGRSUBCOD(const QVariant& type) {
    return automation::reraise("Carica_CBO_PROGRSUBCOD", [&] {
        return text(firstValue(ArticleStatements::typeDescription(company(), automation::cstr(number(type))),
                               QStringLiteral("MG6F_DESCR")));
    });
}

void ArticleSubCodes::ConfigurazioneVirtualFrameSubCodArt() {
    automation::reraise("ConfigurazioneVirtualFrameSubCodArt", [this] {
        const auto navigator = control<host::GridNavigator>("GNV_SUBCODART");
        navigator->setEnabled(false);
        const FrameDesign design{ArticleStatements::valueRows(company(), type()),
                                 QStringLiteral("GRD_SUBCODART"),
                                 QStringLiteral("GNV_SUBCODART"),
                                 {{QStringLiteral("TXT_SUBCODICE")}, {QStringLiteral("TXT_DESCRSUBCODART")}},
                                 QStringLiteral("TXT_SUBCODICE")};
        frame_.build(form(), design, [this](host::VirtualFrame& created) { connectFrame(created); });
        control<host::Grid>("GRD_SUBCODART")->refresh();
        frame()->setStatus(hasCurrentRow(frame_.recordset()) ? host::frame_status::Browse : host::frame_status::Adding);
        navigator->setEnabled(true);
    });
}

void ArticleSubCodes::INITGRID_SUBCODICI() {
    automation::reraise("INITGRID_SUBCODICI", [this] {
        defineGridColumns(QStringLiteral("GRD_SUBCODART"), QStringLiteral("MG6E_SUBCODICE"), gridColumns);
        const auto grid = control<host::Grid>("GRD_SUBCODART");
        for (const GridColumn& column : gridColumns)
            grid->setColumnSortable(QString::fromLatin1(column.field), true);
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
        activate(frame_);
        focusIfEnabled(QStringLiteral("GRD_SUBCODART"));
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
        rows()->setValue(QStringLiteral("MG6E_DITTA_CG18"), companyCode());
        rows()->setValue(typeColumn, control<host::Combo>("CBO_PROGRSUBCODART")->currentCode());
        refreshSidebar();
    });
}

void ArticleSubCodes::FME_SUBCODART_BeforeUpdate(bool& cancel) {
    automation::reraise("FME_SUBCODART_BeforeUpdate", [&] {
        const qint16 maximum = form().section<ArticleConfigurator>().MaxSizeValoreArticolo(type());
        const qsizetype length = control<host::Edit>("TXT_SUBCODICE")->text().trimmed().size();
        if (length > maximum) {
            showMessage(tooLong(maximum), host::message_style::Exclamation, formCaption());
            cancel = true;
            focusIfEnabled(QStringLiteral("TXT_SUBCODICE"));
            return;
        }
        if (cancel)
            return;
        rows()->setValue(QStringLiteral("MG6E_DITTA_CG18"), companyCode());
        // A stored value keeps its type.
        if (frame()->status() == host::frame_status::Adding)
            rows()->setValue(typeColumn, control<host::Combo>("CBO_PROGRSUBCODART")->currentCode());
    });
}

void ArticleSubCodes::FME_SUBCODART_AfterUpdate(bool success) {
    automation::reraise("FME_SUBCODART_AfterUpdate", [&] {
        if (success)
            refreshSidebar();
    });
}

void ArticleSubCodes::TXT_SUBCODICE_AfterItem(bool& cancel) {
    automation::reraise("TXT_SUBCODICE_AfterItem", [&] {
        const auto code = control<host::Edit>("TXT_SUBCODICE");
        const bool adding = frame()->status() == host::frame_status::Adding;
        if (adding && code->text().contains(QLatin1Char('\''))) {
            showMessage(apostropheRefused, host::message_style::Exclamation, formCaption());
            cancel = true;
            focusIfEnabled(code->name());
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
            focusIfEnabled(QStringLiteral("GRD_SUBCODART"));
        }
    });
}

void ArticleSubCodes::GNV_SUBCODART_AfterButtonClick(bool success, const QString& caption) {
    automation::reraise("GNV_SUBCODART_AfterButtonClick", [&] {
        if (!success)
            return;
        if (caption == button::New)
            focusIfEnabled(QStringLiteral("TXT_SUBCODICE"));
        else if (caption == button::Save)
            focusIfEnabled(QStringLiteral("GRD_SUBCODART"));
    });
}

}  // namespace brondel
