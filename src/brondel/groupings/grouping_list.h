#pragma once

#include "brondel/console/console_section.h"
#include "brondel/console/section_frame.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class Panel;
class VirtualFrame;
struct DecodeRequest;
struct LookupRequest;
}  // namespace host

namespace brondel {

// The groupings of a variant (panel 1, sidebar item ITMRAGGRUP): the rows of MG5G_RAGGVAR of the variant
// typed by its rank in TXT_PROGRAGGR, in the frame FME_RAGGRUPPAMENTI with the grid GRD_RAGGRUP, the
// navigator GNV_RAGGRUP and the fields TXT_CODRAGGR and TXT_DESRAGGR.
//
// States: until TXT_PROGRAGGR decodes a variant not reserved for configuration, the grouping fields are
// disabled and empty, there is no frame and the grid is empty. A decoded variant (re)builds the frame: in
// browse on its groupings, or adding when it has none. A new grouping is saved as soon as its code is
// confirmed. A delete removes the grouping only (its composition rows stay).
//
// Error conventions: FME_RAGGRUPPAMENTI_BeforeAddNew, FME_RAGGRUPPAMENTI_AfterAddNew and the navigator's
// AfterButtonClick ignore errors; every other procedure re-raises with its name.
class GroupingList : public ConsoleSection {
public:
    explicit GroupingList(FRMMG_BRONDEL& form);
    ~GroupingList() override;

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override;
    void show() override;
    void releaseRecordsets() override;

    void ConfigurazioneVirtualFrameRaggrup();
    void INITGRID_RAGGRUP();
    void MostraItemRaggruppamenti();

    void FME_RAGGRUPPAMENTI_BeforeAddNew(bool& cancel);
    void FME_RAGGRUPPAMENTI_AfterAddNew(bool success);
    void FME_RAGGRUPPAMENTI_BeforeUpdate(bool& cancel);
    void FME_RAGGRUPPAMENTI_AfterUpdate(bool success);
    void FME_RAGGRUPPAMENTI_BeforeDelete(bool& cancel);
    void FME_RAGGRUPPAMENTI_AfterDelete(bool success);
    void GNV_RAGGRUP_AfterButtonClick(bool success, const QString& caption);
    void GRD_RAGGRUP_DataFormatEXT(QVariant& value, const QString& field);
    void TXT_PROGRAGGR_StartDecode(host::DecodeRequest& request);
    void TXT_PROGRAGGR_StartLookup(host::LookupRequest& request);
    void TXT_PROGRAGGR_Validate(bool& cancel);
    void TXT_PROGRAGGR_AfterItem(bool& cancel);
    void TXT_CODRAGGR_AfterItem(bool& cancel);
    void TXT_DESRAGGR_KeyDown(int& keyCode, int shift);

private:
    void connectControls();
    void connectFrame(host::VirtualFrame& frame);
    // The variant code of the rank in TXT_PROGRAGGR.
    QString variantCode() const;
    bool isAdding() const;

    // FME_RAGGRUPPAMENTI: nothing until a variant is decoded.
    SectionFrame& frame_;
};

}  // namespace brondel
