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
struct GridRow;
}

namespace brondel {

// The option descriptions by language (panel 3, sidebar item ITMLINGUAVAR): every option of the company
// in every language the company uses besides ITA, copied with its stored description (MG5I_OPZLINGUA)
// into the working table "##LINGUA_" + the console's suffix and shown in the editable grid GRD_LINGUA.
// Each opening refills the table; each cell edit writes the whole table back (empty descriptions deleted,
// stored ones updated, new ones inserted), all or nothing.
class OptionLanguages : public ConsoleSection {
public:
    explicit OptionLanguages(FRMMG_BRONDEL& form);

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override { INITGRID_LINGUA(); }
    void show() override { MostraItemLinguaVar(); }
    void releaseRecordsets() override;

    void MostraItemLinguaVar();
    QString TabellaLingua();
    void LoadDescrizioniLingua_MG5I();
    void INITGRID_LINGUA();
    void GRD_LINGUA_OnEdited(const host::GridRow& row);
    void SalvaDescrizioniLingua_MG5I();
    void Insert_MG5I_OPZLINGUA(const QString& code, const QString& option, const QString& language,
                               const QString& description);
    void Update_MG5I_OPZLINGUA(const QString& code, const QString& option, const QString& language,
                               const QString& description);
    void GRD_LINGUA_DataFormatEXT(QVariant& value, const QString& field);

    // The working table's rows, as the grid shows and edits them.
    std::shared_ptr<ado::Recordset> RstLingua;

private:
    VariantTexts variantTexts_;
    WorkingTable table_;
};

}  // namespace brondel
