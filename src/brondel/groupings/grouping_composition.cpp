// GroupingComposition: the section's controls, the variant selector, the grouping field, the two grids and
// the red options.
#include "brondel/groupings/grouping_composition.h"

#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/groupings/grouping_statements.h"
#include "brondel/host/clsmg_brondel.h"
#include "brondel/variants/variant_code.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/sql_quote.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/image_list.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/lookup_window.h"
#include "brondel/console/host_components/menu_button.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/screen.h"
#include "brondel/console/host_components/tree_view.h"

namespace brondel {

namespace {

const QString optionColumn = QStringLiteral("MG5E_OPZIONE");
const QString editableMessage =
    QStringLiteral("\"") + QStringLiteral("Descrizioni nel raggruppamento") + QStringLiteral("\" editabile in griglia");
const QString noGroupingsMessage = QStringLiteral("L'elemento di variante selezionato non permette raggruppamenti");
constexpr qint32 red = 255;

// The controls a variant with the groupings flag enables, and one without disables.
const std::initializer_list<const char*> commands = {"TXT_RAGGRUPP", "BTN_CERCASX", "BTN_ADD",    "BTN_ADDALL",
                                                     "BTN_CERCADX",  "BTN_DEL",     "BTN_DELALL", "BTN_SU",
                                                     "BTN_GIU",      "BTN_VIEW"};

// The command strip between the grids, top to bottom.
struct CommandDesign {
    const char* name;
    const char* caption;
};
const CommandDesign commandButtons[] = {
    {"BTN_CERCASX", "Cerca"}, {"BTN_ADD", ">"}, {"BTN_ADDALL", ">>"}, {"BTN_DEL", "<"},       {"BTN_DELALL", "<<"},
    {"BTN_CERCADX", "Cerca"}, {"BTN_SU", "Su"}, {"BTN_GIU", "Giù"},   {"BTN_VIEW", "Albero"},
};

const GridColumn optionColumns[] = {
    {"MG5E_OPZIONE", "Cod. opzione", 1170, true},
    {"MG5E_DESCR", "Descrizione", 2655, true},
    {"MG5E_DITTA_CG18", "ditta", 100, false},
    {"MG5E_CODICEVAR_MG5F", "config", 100, false},
};

const GridColumn compositionColumns[] = {
    {"MG5H_SEQOPZIONE", "Seq.", 480, true},       {"MG5H_OPZIONE_MG5E", "Cod. opzione", 1170, true},
    {"MG5E_DESCR", "Descr. opzione", 1320, true}, {"MG5H_DESCR", "Descr. nel raggruppamento", 2625, true},
    {"MG5H_DITTA_CG18", "ditta", 100, false},     {"MG5H_CODICEVAR_MG5F", "config", 100, false},
    {"MG5H_RAGGR_MG5G", "raggr", 100, false},
};

// The tree's images, from the widget toolkit's own pictures.
const struct {
    const char* key;
    const char* resource;
} treeImages[] = {
    {"close", ":/qt-project.org/styles/commonstyle/images/dirclosed-16.png"},
    {"open", ":/qt-project.org/styles/commonstyle/images/diropen-16.png"},
    {"comprag", ":/qt-project.org/styles/commonstyle/images/file-16.png"},
};

constexpr int LabelWidth = 2100;
constexpr int FieldWidth = 3000;
constexpr int CodeWidth = 2400;
constexpr int OptionsWidth = 3600;
constexpr int StripWidth = 900;
constexpr int CommandWidth = 780;
constexpr int RenumberWidth = 1500;

}  // namespace

GroupingComposition::GroupingComposition(FRMMG_BRONDEL& form) : ConsoleSection(form, 6) {}

GroupingComposition::~GroupingComposition() = default;

void GroupingComposition::setMousePointer(int pointer) const {
    required(factory()->screen())->setMousePointer(pointer);
}

QString GroupingComposition::optionKey(const QVariant& option) {
    QString text = automation::cstr(option);
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text.truncate(end);
    return text.toUpper();
}

std::shared_ptr<host::Grid> GroupingComposition::grid(const char* name) const {
    return control<host::Grid>(QString::fromLatin1(name));
}

QString GroupingComposition::variant() const {
    return VariantCode::ProgressivoToCodice(control("CBO_PROGR_RAGGR")->text());
}

QString GroupingComposition::grouping() const { return automation::cstr(control("TXT_RAGGRUPP")->text()); }

bool GroupingComposition::compositionShown() const { return control("GRD_RAGGR_MG5H")->isVisible(); }

bool GroupingComposition::hasRows(const std::shared_ptr<ado::Recordset>& rows) const {
    return rows && rows->isOpen() && rows->recordCount() > 0;
}

void GroupingComposition::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Top, 2, 1, LabelWidth, FieldWidth);
    const host::Geometry boxAt = layout.fieldBox();
    host::ControlDesign box = FRMMG_BRONDEL::design("GRB_RAGVAR", ControlKind::GroupBox, boxAt, panel, 0);
    box.caption = QStringLiteral("Selezione");
    const auto top = form().createControl<host::GroupBox>(box);

    const auto label = [&](const char* name, const char* caption, int row) {
        host::ControlDesign design = FRMMG_BRONDEL::design(name, ControlKind::Label, layout.label(row), top);
        design.caption = QString::fromLatin1(caption);
        form().createControl<host::Label>(design);
    };
    label("LBL_PROGR_RAGGR", "Elemento di variante", 0);
    host::ControlDesign selector = FRMMG_BRONDEL::design("CBO_PROGR_RAGGR", ControlKind::Combo, layout.field(0), top);
    selector.caption = QStringLiteral("Selezione posizione variante");
    selector.maxLength = 70;
    form().createControl<host::Combo>(selector);

    label("LBL_RAGGRUPP", "Raggruppamento", 1);
    host::Geometry codeAt = layout.field(1);
    codeAt.width = CodeWidth;
    host::ControlDesign code = FRMMG_BRONDEL::design("TXT_RAGGRUPP", ControlKind::Edit, codeAt, top);
    code.caption = QStringLiteral("Codice raggruppamento");
    code.maxLength = 25;
    code.upperCase = true;
    code.mandatory = true;
    form().createControl<host::Edit>(code);
    const int descriptionLeft = codeAt.left + CodeWidth + FormLayout::Margin;
    host::ControlDesign description = FRMMG_BRONDEL::design(
        "TXT_DESCRRAGGR", ControlKind::Edit,
        {descriptionLeft, codeAt.top, boxAt.width - descriptionLeft - 2 * FormLayout::Margin, codeAt.height}, top);
    description.caption = QStringLiteral("Descrizione variante");
    description.maxLength = 40;
    description.enabled = false;
    form().createControl<host::Edit>(description);

    const host::Geometry area = layout.grid();
    form().createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_RAGGR_MG5E", ControlKind::Grid,
                                                           {area.left, area.top, OptionsWidth, area.height}, panel));
    const host::Geometry stripAt{area.left + OptionsWidth + FormLayout::Margin, area.top, StripWidth, area.height};
    createCommands(form().createControl<host::GroupBox>(
        FRMMG_BRONDEL::design("GRB_RAGVAR", ControlKind::GroupBox, stripAt, panel, 1)));
    const int rightLeft = stripAt.left + StripWidth + FormLayout::Margin;
    const host::Geometry rightAt{rightLeft, area.top, area.width - rightLeft, area.height};
    form().createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_RAGGR_MG5H", ControlKind::Grid, rightAt, panel));
    host::ControlDesign tree = FRMMG_BRONDEL::design("TvDim", ControlKind::TreeView, rightAt, panel);
    tree.visible = false;
    const auto treeView = form().createControl<host::TreeView>(tree);
    host::ControlDesign images =
        FRMMG_BRONDEL::design("IML_TVDIM", ControlKind::ImageList, FormLayout::hidden(), panel);
    images.visible = false;
    const auto imageList = form().createControl<host::ImageList>(images);
    for (const auto& image : treeImages)
        imageList->addImage(QString::fromLatin1(image.key), QString::fromLatin1(image.resource));
    treeView->setImageList(imageList);

    const host::Geometry bottom = layout.navigator();
    host::ControlDesign renumber = FRMMG_BRONDEL::design(
        "CMD_RINUMERA", ControlKind::MenuButton,
        {bottom.left + bottom.width - RenumberWidth, bottom.top, RenumberWidth, bottom.height}, panel);
    renumber.caption = QStringLiteral("Rinumera");
    form().createControl<host::MenuButton>(renumber);
    host::ControlDesign message = FRMMG_BRONDEL::design(
        "LBL_RAGMES", ControlKind::Label,
        {area.left, bottom.top, bottom.left + bottom.width - RenumberWidth - FormLayout::Margin, bottom.height}, panel);
    form().createControl<host::Label>(message);

    connectControls();
}

void GroupingComposition::createCommands(const std::shared_ptr<host::Control>& strip) {
    int top = FormLayout::BoxHeader;
    for (const CommandDesign& command : commandButtons) {
        host::ControlDesign button = FRMMG_BRONDEL::design(
            command.name, host::ControlKind::Button,
            {(StripWidth - CommandWidth) / 2, top, CommandWidth, FormLayout::ButtonHeight}, strip);
        button.caption = QString::fromUtf8(command.caption);
        form().createControl<host::Button>(button);
        top += FormLayout::ButtonHeight + FormLayout::Margin;
    }
}

void GroupingComposition::connectControls() {
    const auto button = [this](const char* name) { return control<host::Button>(QString::fromLatin1(name)); };
    const auto code = control<host::Edit>("TXT_RAGGRUPP");
    connect(control<host::Combo>("CBO_PROGR_RAGGR")->ChangeRow, &GroupingComposition::CBO_PROGR_RAGGR_ChangeRow);
    connect(code->StartDecode, &GroupingComposition::TXT_RAGGRUPP_StartDecode);
    connect(code->StartLookup, &GroupingComposition::TXT_RAGGRUPP_StartLookup);
    connect(code->AfterItem, &GroupingComposition::TXT_RAGGRUPP_AfterItem);
    connect(grid("GRD_RAGGR_MG5E")->CustomDrawCell, &GroupingComposition::GRD_RAGGR_MG5E_CustomDrawCell);
    connect(grid("GRD_RAGGR_MG5H")->OnEdited, &GroupingComposition::GRD_RAGGR_MG5H_OnEdited);
    connect(button("BTN_ADD")->Click, &GroupingComposition::BTN_ADD_Click);
    connect(button("BTN_ADDALL")->Click, &GroupingComposition::BTN_ADDALL_Click);
    connect(button("BTN_DEL")->Click, &GroupingComposition::BTN_DEL_Click);
    connect(button("BTN_DELALL")->Click, &GroupingComposition::BTN_DELALL_Click);
    connect(button("BTN_SU")->Click, &GroupingComposition::BTN_SU_Click);
    connect(button("BTN_GIU")->Click, &GroupingComposition::BTN_GIU_Click);
    connect(button("BTN_CERCASX")->Click, &GroupingComposition::BTN_CERCASX_Click);
    connect(button("BTN_CERCADX")->Click, &GroupingComposition::BTN_CERCADX_Click);
    connect(button("BTN_VIEW")->Click, &GroupingComposition::BTN_VIEW_Click);
    connect(control<host::MenuButton>("CMD_RINUMERA")->MenuItemClick, &GroupingComposition::CMD_RINUMERA_MenuItemClick);
}

void GroupingComposition::initGrids() {
    INITGRID_RAGGR_MG5E();
    INITGRID_RAGGR_MG5H();
}

void GroupingComposition::show() { MostraItemRagVar(); }

void GroupingComposition::releaseRecordsets() {
    for (std::shared_ptr<ado::Recordset>* rows : {&RstRaggr_MG5H, &RstRaggr_MG5E}) {
        if (*rows && (*rows)->isOpen())
            (*rows)->close();
        rows->reset();
    }
}

void GroupingComposition::releaseObjects() {
    Pobj_LookUp_Add.reset();
    Pobj_LookUp_Rem.reset();
    highlighted.clear();
    highlightedKeys_.clear();
}

void GroupingComposition::MostraItemRagVar() {
    automation::reraise("MostraItemRagVar", [this] {
        showPanel();
        Carica_CBO_PROGR_RAGGR();
        const auto selector = control<host::Combo>("CBO_PROGR_RAGGR");
        if (selector->isEnabled() && selector->count() > 0) {
            selector->resetSelection();
            selector->setCurrentIndex(0);
        }
        control("TvDim")->setVisible(false);
        grid("GRD_RAGGR_MG5H")->setVisible(true);
        if (RstRaggr_MG5H) {
            RstRaggr_MG5H.reset();
            grid("GRD_RAGGR_MG5H")->setDataSource(nullptr);
        }
        const std::shared_ptr<CLSMG_BRONDEL> console = form().consoleObject();
        if (host()->isCalled() && console &&
            automation::cstr(FRMMG_BRONDEL::ValoreODefault(console->tipoChiamataConsole(), QString())) ==
                QLatin1String("VAR.RagVar") &&
            !automation::cstr(console->codiceVariante()).isEmpty() &&
            !automation::cstr(console->codiceRaggruppamento()).isEmpty()) {
            const auto code = control<host::Edit>("TXT_RAGGRUPP");
            if (selector->isEnabled() && code->isEnabled()) {
                selector->setText(VariantCode::CodiceToProgressivo(console->codiceVariante()));
                code->setText(automation::cstr(console->codiceRaggruppamento()));
                // The code was not typed: its decode runs here, as leaving the field would run it.
                host::DecodeRequest request;
                TXT_RAGGRUPP_StartDecode(request);
                const std::shared_ptr<ado::Recordset> found = execute(request.statement);
                groupingFound_ = hasCurrentRow(found);
                if (request.fields.size() > 1 && request.fields[1].target)
                    request.fields[1].target->setText(
                        groupingFound_ ? automation::cstr(found->value(request.fields[1].column)) : QString());
                bool cancel = false;
                openGrouping(cancel);
            }
        }
        form().AggiornaStatoNavigatore();
    });
}

void GroupingComposition::Carica_CBO_PROGR_RAGGR() {
    automation::reraise("Carica_CBO_PROGR_RAGGR", [this] {
        const auto selector = control<host::Combo>("CBO_PROGR_RAGGR");
        selector->clear();
        const std::shared_ptr<ado::Recordset> rows = execute(GroupingStatements::selectorVariants(company()));
        for (; hasCurrentRow(rows); rows->moveNext()) {
            selector->addItem(automation::cstr(rows->value(QStringLiteral("MG5F_DESCR_VAR"))),
                              VariantCode::CodiceToProgressivo(rows->value(QStringLiteral("MG5F_CODICEVAR"))));
        }
    });
}

void GroupingComposition::CBO_PROGR_RAGGR_ChangeRow() {
    automation::reraise("CBO_PROGR_RAGGR_ChangeRow", [this] {
        control("TXT_RAGGRUPP")->setText(QString());
        // A description beside an emptied code would name a grouping no longer chosen.
        control("TXT_DESCRRAGGR")->setText(QString());
        control("LBL_RAGMES")->setCaption(QString());
        groupingFound_ = false;
        LOADGRID_RAGGR_MG5E();
        const QVariant flag = IsVarianteDiRaggruppamento(variant());
        const bool admitsGroupings = !automation::isEmpty(flag) && automation::cbool(flag);
        if (admitsGroupings) {
            control("LBL_RAGMES")->setCaption(translate(editableMessage));
        } else {
            if (RstRaggr_MG5H) {
                RstRaggr_MG5H.reset();
                grid("GRD_RAGGR_MG5H")->setDataSource(nullptr);
            }
            control("LBL_RAGMES")->setCaption(translate(noGroupingsMessage));
        }
        setEnabled(commands, admitsGroupings);
        grid("GRD_RAGGR_MG5H")->setDataSource(nullptr);
        control<host::TreeView>("TvDim")->clear();
        redrawOptions();
    });
}

QVariant GroupingComposition::IsVarianteDiRaggruppamento(const QString& code) {
    return automation::reraise("IsVarianteDiRaggruppamento", [&] {
        const std::shared_ptr<ado::Recordset> rows = execute(GroupingStatements::variant(company(), code));
        if (!hasCurrentRow(rows))
            return QVariant();
        return QVariant(automation::cbool(rows->value(QStringLiteral("MG5F_FLGRAGGR"))));
    });
}

void GroupingComposition::TXT_RAGGRUPP_StartDecode(host::DecodeRequest& request) {
    automation::reraise("TXT_RAGGRUPP_StartDecode", [&] {
        request = decodeService()->groupingDecode(variant(), automation::sqlEscaped(grouping()));
        if (request.fields.size() > 1)
            request.fields[1].target = control("TXT_DESCRRAGGR");
        request.connectionString = connectionString();
    });
}

void GroupingComposition::TXT_RAGGRUPP_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_RAGGRUPP_StartLookup", [&] {
        request = lookupService()->groupingLookup(variant(), QVariant());
        request.connectionString = connectionString();
        control<host::Edit>("TXT_RAGGRUPP")->setLookupKey(request.layoutKey);
    });
}

void GroupingComposition::TXT_RAGGRUPP_AfterItem(bool& cancel) {
    automation::reraise("TXT_RAGGRUPP_AfterItem", [&] {
        groupingFound_ = control<host::Edit>("TXT_RAGGRUPP")->decodeFound();
        openGrouping(cancel);
    });
}

void GroupingComposition::openGrouping(bool&) {
    grid("GRD_RAGGR_MG5H")->setDataSource(nullptr);
    if (groupingFound_ && !grouping().isEmpty()) {
        LOADGRID_RAGGR_MG5H();
    } else if (RstRaggr_MG5H) {
        // No grouping open: nothing is red and the commands have no composition to act on.
        RstRaggr_MG5H.reset();
        redrawOptions();
    }
    grid("GRD_RAGGR_MG5E")->refresh();
}

void GroupingComposition::INITGRID_RAGGR_MG5E() {
    automation::reraise("INITGRID_RAGGR_MG5E", [this] {
        defineGridColumns("GRD_RAGGR_MG5E", optionColumn, optionColumns);
        const auto options = grid("GRD_RAGGR_MG5E");
        options->setLayoutKind(3);
        options->applyLayout();
    });
}

void GroupingComposition::INITGRID_RAGGR_MG5H() {
    automation::reraise("INITGRID_RAGGR_MG5H", [this] {
        defineGridColumns("GRD_RAGGR_MG5H", QStringLiteral("MG5H_SEQOPZIONE"), compositionColumns);
        const auto composition = grid("GRD_RAGGR_MG5H");
        required(composition->columnLayout())->setAllowsEditing(true);
        composition->setLayoutKind(3);
        composition->applyLayout();
        composition->setEditable(true);
        composition->setColumnEditable(QStringLiteral("MG5H_DESCR"), 1);
    });
}

std::shared_ptr<ado::Recordset> GroupingComposition::openRows(const QString& statement) const {
    const std::shared_ptr<ado::Recordset> rows = required(factory()->recordsetFactory())->createRecordset();
    rows->setCursorLocation(ado::CursorLocation::Client);
    rows->setCursorType(ado::CursorType::Dynamic);
    rows->setLockType(ado::LockType::Optimistic);
    rows->open(statement, connection());
    return rows;
}

void GroupingComposition::LOADGRID_RAGGR_MG5E() {
    automation::reraise("LOADGRID_RAGGR_MG5E", [this] {
        RstRaggr_MG5E = openRows(GroupingStatements::variantOptions(company(), variant()));
        grid("GRD_RAGGR_MG5E")->setDataSource(hasRows(RstRaggr_MG5E) ? RstRaggr_MG5E : nullptr);
    });
}

void GroupingComposition::LOADGRID_RAGGR_MG5H() {
    automation::reraise("LOADGRID_RAGGR_MG5H", [this] {
        RstRaggr_MG5H = openRows(GroupingStatements::composition(company(), variant(), grouping()));
        grid("GRD_RAGGR_MG5H")->setDataSource(hasRows(RstRaggr_MG5H) ? RstRaggr_MG5H : nullptr);
        redrawOptions();
    });
}

void GroupingComposition::redrawOptions() {
    const auto options = grid("GRD_RAGGR_MG5E");
    options->setDataSource(nullptr);
    EvidenziaRigheInMG5H();
    if (hasRows(RstRaggr_MG5E))
        options->setDataSource(RstRaggr_MG5E);
}

void GroupingComposition::EvidenziaRigheInMG5H() {
    automation::reraise("EvidenziaRigheInMG5H", [this] {
        highlighted.clear();
        highlightedKeys_.clear();
        if (!hasRows(RstRaggr_MG5H) || !hasRows(RstRaggr_MG5E))
            return;
        // One pass over each recordset: the grouping's options as a set, then the variant's in order.
        QSet<QString> inGrouping;
        const std::shared_ptr<ado::Recordset> composition = RstRaggr_MG5H->clone();
        for (composition->moveFirst(); !composition->isEof(); composition->moveNext())
            inGrouping.insert(optionKey(composition->value(QStringLiteral("MG5H_OPZIONE_MG5E"))));
        for (RstRaggr_MG5E->moveFirst(); !RstRaggr_MG5E->isEof(); RstRaggr_MG5E->moveNext()) {
            const QVariant option = RstRaggr_MG5E->value(optionColumn);
            const QString key = optionKey(option);
            if (inGrouping.contains(key)) {
                highlighted << automation::cstr(option);
                highlightedKeys_.insert(key);
            }
        }
        RstRaggr_MG5E->moveFirst();
    });
}

void GroupingComposition::GRD_RAGGR_MG5E_CustomDrawCell(const host::GridRow& row, const QString&, qint32& colour) {
    if (!hasRows(RstRaggr_MG5H))
        return;
    if (highlightedKeys_.contains(optionKey(row.value(optionColumn))))
        colour = red;
}

}  // namespace brondel
