#pragma once

#include "brondel/console/console_section.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class VirtualFrame;
struct DecodeRequest;
struct LookupRequest;
}  // namespace host

namespace brondel {

// The options section (panel 2, sidebar item ITMOPZVAR): the options of one variant (MG5E_OPZIONI) in the
// frame FME_OPZIONI with the grid GRD_OPZIONI and the navigator GNV_OPZIONI. A variant is chosen by its
// position number in TXT_VAROPZ (variants reserved for configuration own no options); until a valid one
// is entered the option fields are disabled and the grid is empty.
//
// Frame status: 0 browse, 1 editing an option, 2 adding one (a variant without options opens in 2). A new
// option is written as soon as its value is confirmed; its description is then an edit of the saved row.
// Deleting an option deletes its descriptions by language, its grouping compositions and its
// descriptions by customer or supplier first, all in one transaction.
//
// Error conventions: TXT_DESOPZ_KeyDown asks the form's error box; FME_OPZIONI_BeforeAddNew,
// FME_OPZIONI_AfterAddNew, GNV_OPZIONI_AfterButtonClick and GRD_OPZIONI_KeyDown ignore errors; every
// other procedure re-raises with its name.
class OptionsSection : public ConsoleSection {
public:
    explicit OptionsSection(FRMMG_BRONDEL& form);

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override { INITGRID_OPZIONI(); }
    void show() override { MostraItemOpzioniVar(); }

    void MostraItemOpzioniVar();
    void ConfigurazioneVirtualFrameOpzioni();
    void INITGRID_OPZIONI();

    void FME_OPZIONI_BeforeAddNew(bool& cancel);
    void FME_OPZIONI_AfterAddNew(bool success);
    void FME_OPZIONI_BeforeUpdate(bool& cancel);
    void FME_OPZIONI_AfterUpdate(bool success);
    void FME_OPZIONI_BeforeDelete(bool& cancel);
    void FME_OPZIONI_AfterDelete(bool success);
    void FME_OPZIONI_ChangeStatus(qint16 newStatus, qint32 reason);
    void GNV_OPZIONI_AfterButtonClick(bool success, const QString& caption);
    void GRD_OPZIONI_DataFormatEXT(QVariant& value, const QString& field);
    void GRD_OPZIONI_KeyDown(int& keyCode, int shift);
    void TXT_VAROPZ_StartDecode(host::DecodeRequest& request);
    void TXT_VAROPZ_StartLookup(host::LookupRequest& request);
    void TXT_VAROPZ_AfterItem(bool& cancel);
    void TXT_OPZIONE_AfterItem(bool& cancel);
    void TXT_OPZIONE_StartLookup(host::LookupRequest& request);
    void TXT_DESOPZ_KeyDown(int& keyCode, int shift);

private:
    void connectControls();
    void connectFrame(host::VirtualFrame& frame);
    // The frame's rows.
    std::shared_ptr<ado::Recordset> rows() const;
    // The code of the variant whose position TXT_VAROPZ shows.
    QString variantCode() const;

    SectionFrame& frame_;  // FME_OPZIONI
};

}  // namespace brondel
