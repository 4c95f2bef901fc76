#pragma once

#include "brondel/console/console_section.h"
#include "brondel/console/working_table.h"
#include "brondel/options/variant_texts.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
struct DecodeRequest;
struct GridRow;
struct LookupRequest;
}  // namespace host

namespace brondel {

class OptionLanguages;

// The option descriptions by customer or supplier (panel 4, sidebar item ITMCLIFORVAR): the kind
// (CBO_CLIFOR, 0 customer, 1 supplier) and the code (TXT_CLIFOR) choose one party; every option of the
// company, with the description stored for it (MG5S_VARCLIFOR), is copied into the working table
// "##CLIFOR_" + the console's suffix and shown in the editable grid GRD_CLIFORVAR. Each cell edit writes
// the whole table back, all or nothing, and moves to the next row. While the code field is being worked on
// (its decode and reactions), grid edits are not saved.
class OptionCustomersSuppliers : public ConsoleSection {
public:
    // languages: the language section, which opening this one refills (as the suite does).
    OptionCustomersSuppliers(FRMMG_BRONDEL& form, OptionLanguages& languages);

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override { INITGRID_CLIFOR(); }
    void show() override { MostraItemCliForVar(); }
    void releaseRecordsets() override;

    void MostraItemCliForVar();
    void CBO_CLIFOR_ChangeRow();
    void TXT_CLIFOR_StartDecode(host::DecodeRequest& request);
    void TXT_CLIFOR_StartLookup(host::LookupRequest& request);
    void TXT_CLIFOR_ItemStarted();
    void TXT_CLIFOR_ItemFinished();
    void TXT_CLIFOR_AfterItem(bool& cancel);
    QString TabellaCliFor();
    void LoadDescrizioniCliFor_MG5S();
    void INITGRID_CLIFOR();
    void GRD_CLIFORVAR_OnEdited(const host::GridRow& row);
    void SalvaDescrizioniCliFor_MG5S();
    void Insert_MG5S_VARCLIFOR(const QString& code, const QString& option, const QString& description);
    void Update_MG5S_VARCLIFOR(const QString& code, const QString& option, const QString& description);
    void GRD_CLIFORVAR_DataFormatEXT(QVariant& value, const QString& field);

    // The working table's rows, as the grid shows and edits them.
    std::shared_ptr<ado::Recordset> RstCliFor;
    // The kind chosen in CBO_CLIFOR.
    qint16 TipoCliFor = 0;
    // True while TXT_CLIFOR is being worked on.
    bool CliForOccupato = false;

private:
    VariantTexts variantTexts_;
    // The kind and code of the party chosen, as statement text.
    QString kind() const;
    QString customerSupplier() const;

    OptionLanguages& languages_;
    WorkingTable table_;
};

}  // namespace brondel
