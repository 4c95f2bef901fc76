#include "brondel/console/field_box.h"

#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"

#include "brondel/console/host_components/check.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/label.h"

namespace brondel {

namespace {

constexpr int Indent = 300;  // a check that depends on the one above

template <class Design>
const Design& find(std::span<const Design> designs, const char* name) {
    for (const Design& design : designs) {
        if (qstrcmp(design.name, name) == 0)
            return design;
    }
    throw automation::Error::fromNumber(automation::errors::ItemNotFound, QString::fromLatin1(name));
}

}  // namespace

host::ControlDesign designWithCaption(const QString& name, host::ControlKind kind, const host::Geometry& geometry,
                                      std::shared_ptr<host::Control> parent, const QString& caption) {
    host::ControlDesign result = FRMMG_BRONDEL::design(name, kind, geometry, std::move(parent));
    result.caption = caption;
    return result;
}

QString labelName(const QString& control) { return QStringLiteral("LBL_") + control.mid(control.indexOf('_') + 1); }

void createFieldRows(FRMMG_BRONDEL& form, const std::shared_ptr<host::Control>& box, const FormLayout& layout,
                     const FieldBoxDesign& design) {
    using host::ControlKind;
    const auto createEdit = [&](const char* name, host::Geometry field) {
        const EditDesign& edit = find(design.edits, name);
        field.width = edit.width;
        host::ControlDesign control =
            designWithCaption(edit.name, ControlKind::Edit, field, box, QString::fromUtf8(edit.caption));
        control.maxLength = edit.maxLength;
        control.boundColumn = edit.column;
        control.numeric = edit.numeric;
        control.upperCase = edit.upperCase;
        control.mandatory = edit.mandatory;
        control.enabled = edit.enabled;
        control.defaultValue = edit.defaultValue;
        form.createControl<host::Edit>(control);
        return edit;
    };
    const auto createCheck = [&](const char* name, const host::Geometry& at) {
        const CheckDesign& check = find(design.checks, name);
        host::ControlDesign control =
            designWithCaption(check.name, ControlKind::Check, at, box, QString::fromUtf8(check.caption));
        control.boundColumn = check.column;
        control.defaultValue = check.defaultValue;
        control.enabled = check.enabled;
        form.createControl<host::Check>(control);
    };

    for (int row = 0; row < int(design.rows.size()); ++row) {
        const FieldRow& line = design.rows[row];
        const host::Geometry label = layout.label(row);
        const host::Geometry field = layout.field(row);
        host::Geometry across = label;
        across.width = field.left + field.width - label.left;
        QString caption;
        switch (line.kind) {
        case FieldRow::Kind::Edit: caption = QString::fromUtf8(createEdit(line.control, field).caption); break;
        case FieldRow::Kind::Combo:
            caption = form.createCodedCombo(QString::fromLatin1(line.control), box, field)->caption();
            break;
        case FieldRow::Kind::Check: createCheck(line.control, across); continue;
        case FieldRow::Kind::DependentCheck:
            across.left += Indent;
            across.width -= Indent;
            createCheck(line.control, across);
            continue;
        case FieldRow::Kind::CheckedValue: {
            createCheck(line.control, label);
            const EditDesign& value = createEdit(line.beside, field);
            if (line.description) {
                const int left = field.left + value.width + FormLayout::Margin;
                form.createControl<host::Label>(designWithCaption(
                    QString::fromLatin1(line.description), ControlKind::Label,
                    {left, field.top, field.left + field.width - left, field.height}, box, QString()));
            }
            continue;
        }
        }
        form.createControl<host::Label>(designWithCaption(labelName(QString::fromLatin1(line.control)),
                                                          ControlKind::Label, label, box,
                                                          line.label ? QString::fromUtf8(line.label) : caption));
    }
}

}  // namespace brondel
