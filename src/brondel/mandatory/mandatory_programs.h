#pragma once

#include "brondel/mandatory/mandatory_variants.h"

#include "brondel/console/host_components/menu_node.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace ado {
class Recordset;
}

namespace host {
class Grid;
class MenuTree;
struct GridRow;
}  // namespace host

namespace brondel {

// Mandatory variants per program (panel 11, sidebar item ITMOBBPRO): the host's menu tree TRV_MENU, with
// the programs that have a non-mandatory variant marked; choosing a program lists the company's variants
// in GRD_OBBPRO with "Obbligatorio" ticked unless the program has an exception. A toggle writes at once and
// refreshes the marks and the summary GRD_OBBPRORIEP ("Configurazioni attive"): every program with an
// exception, by its description, with 1 under its non-mandatory variants. The detail grid keeps its rows.
//
// A chosen node without a program name (a folder) leaves GRD_OBBPRO without rows.
//
// The named procedures re-raise with their name; the node handler has no error handling of its own.
class MandatoryByProgram : public MandatoryVariants {
public:
    explicit MandatoryByProgram(FRMMG_BRONDEL& form);

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void show() override;
    void releaseRecordsets() override;
    void releaseObjects() override;

    void MostraItemObbPro();
    void InitTreeProgrammi();
    void RefreshTRV_MENU();
    void TRV_MENU_NodeClick(const host::MenuNode& node);
    void Load_RstObbPro();
    void CreaRst_Prog();
    void INITGRID_OBBPRO();
    void Load_RstObbProRiep();
    void INITGRID_OBBPRORIEP();
    QString Decode_Programma(const QString& name);

    void GRD_OBBPRO_CheckEditToggleClick(const host::GridRow& row, const QString& field, const QString& value);
    void GRD_OBBPRORIEP_DataFormatEXT(QVariant& value, const QString& field);

    // The node last chosen in TRV_MENU.
    std::optional<host::MenuNode> SelectedNode;
    std::shared_ptr<ado::Recordset> RstObbPro;
    std::shared_ptr<ado::Recordset> RstObbProRiep;

private:
    std::shared_ptr<host::MenuTree> tree() const;
    std::shared_ptr<host::Grid> detail() const;
    std::shared_ptr<host::Grid> summary() const;
    QString selectedName() const;
};

}  // namespace brondel
