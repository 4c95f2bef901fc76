#pragma once

#include "brondel/mandatory/mandatory_variants.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class Edit;
class Grid;
struct DecodeRequest;
struct GridRow;
struct LookupRequest;
}  // namespace host

namespace brondel {

// Mandatory variants per document (panel 10, sidebar item ITMOBBDOC): one row per document of the company
// and one check column per variant in the grid GRD_OBBDOC over the working table #MG5JJDOC; a ticked cell
// is a mandatory variant. A click writes at once: unticking stores the exception row, ticking deletes it;
// a column's select-all box does the same for every document listed, then the section reloads.
//
// A select-all box is ticked when the columns are defined exactly when every row of its column is ticked
// (so with no document at all); unticking one cell clears it, without running the select-all handler
// (SettingHeaderCheck is raised meanwhile). TXT_CODDOC finds a document (lookup, decode, Enter): the grid
// moves to it, or stays where it is when the list does not hold it.
//
// Every procedure re-raises with its name, except the key-down handler of TXT_CODDOC.
class MandatoryByDocument : public MandatoryVariants {
public:
    explicit MandatoryByDocument(FRMMG_BRONDEL& form);

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void show() override;
    void releaseRecordsets() override;

    void MostraItemObbDoc();
    void Load_RstObbDoc(bool initGrid);
    void INITGRID_OBBDOC();
    // Whether every document has the variant of that column mandatory; kept in SpuntaColonne(index).
    void DefaultSpuntaColonne(const QString& code, int index, bool& result);

    void GRD_OBBDOC_SelectionBoxClick(const host::GridRow& row, const QString& column, const QVariant& value);
    void GRD_OBBDOC_SelectAllClickEXT(const QString& column, int state);
    void TXT_CODDOC_StartLookup(host::LookupRequest& request);
    void TXT_CODDOC_StartDecode(host::DecodeRequest& request);
    void TXT_CODDOC_KeyDown(int& keyCode, int shift);
    void BTN_RICERCADOC_Click();

    std::shared_ptr<ado::Recordset> RstObbDoc;
    QList<QVariant> SpuntaColonne;
    bool SettingHeaderCheck = false;

private:
    // The select-all pass over every listed document, all or nothing.
    void writeColumn(const QString& column, int state);
    std::shared_ptr<host::Grid> grid() const;
    std::shared_ptr<host::Edit> documentField() const;
    void setMousePointer(int pointer) const;
};

}  // namespace brondel
