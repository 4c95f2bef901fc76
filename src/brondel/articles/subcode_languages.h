#pragma once

#include "brondel/articles/article_section.h"
#include "brondel/console/working_table.h"

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

// The sub-code descriptions by language (panel 9, sidebar item ITMDESLINART): every value of every
// sub-code of the company (MG6E_SUBCODART) in every language the company uses but Italian, in the
// editable grid GRD_LINGUASUBART over a working table of the server that each showing refills; every
// edit writes the whole working table back to MG6I_SUBCODARTLING (an empty description deletes its row).
//
// The working table "##LINGUASUBCODART_" + the host library's unique suffix is created on first use and
// lives as long as the console's connection.
//
// Error convention: every procedure re-raises with its name; the save runs inside GRD_LINGUASUBART_OnEdited.
class SubCodeLanguages : public ArticleSection {
public:
    explicit SubCodeLanguages(FRMMG_BRONDEL& form);
    ~SubCodeLanguages() override;

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override;
    void show() override;
    void releaseRecordsets() override;

    void MostraItemLinguaSubArt();
    // The working table's name, the table created on first use.
    QString TabellaLinguaSubCodArt();
    void LoadDescrizioniLingua_MG6I();
    void INITGRID_LINGUASUBART();
    void GRD_LINGUASUBART_DataFormatEXT(QVariant& value, const QString& field);
    void GRD_LINGUASUBART_OnEdited(const host::GridRow& row);
    // Writes every row of the working table back, all of them or none.
    void SalvaDescrizioniLingua_MG6I();
    void Insert_MG6I_SUBCODARTLING(const QString& type, const QString& value, const QString& language,
                                   const QString& description);
    void Update_MG6I_SUBCODARTLING(const QString& type, const QString& value, const QString& language,
                                   const QString& description);

    std::shared_ptr<ado::Recordset> RstLinguaSubArt;

private:
    // The working table: one per console instance, named on first use.
    WorkingTable table_;
    // The language, type and value of a working row, as the statements take them.
    struct RowKey {
        QString type;
        QString value;
        QString language;
    };
    RowKey key(const ado::Recordset& row) const;
};

}  // namespace brondel
