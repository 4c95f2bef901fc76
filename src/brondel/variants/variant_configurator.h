#pragma once

#include "brondel/console/console_section.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class Check;
class Combo;
class Edit;
class Panel;
class VirtualFrame;
struct DecodeRequest;
struct LookupRequest;
}  // namespace host

namespace brondel {

class FRMMG_BRONDEL;
class SectionFrame;

// The variant configurator (panel 0, sidebar item ITMCONFIGVAR): the company's variant dimensions
// (MG5F_DIMECONF) in the frame FME_CONFIGVARIANTI with the grid GRD_CONFIGVAR, the navigator GNV_CONFIGVAR
// and the edit controls of the group box GRB_CONFIGVAR; the checks around every add, save and delete; the
// delete of the whole configurator, the reserved dimension and the reactions of the fields.
//
// Frame status: 0 browse, 1 editing an existing row, 2 adding. TXT_SIZE is enabled exactly in status 2,
// when the new row gets the code after the highest one; a company without dimensions opens in status 2.
//
// The reaction guard is raised by every delete attempt and undo and lowered by AfterDelete and AfterUndo:
// meanwhile the reactions of CBO_NATURA, CBO_INDDESCR, CHK_FLGVARAUTO and CHK_FLGDEFAULT do nothing
// (CBO_GESTGRIGLIA always reacts). A refused delete leaves it raised until the next delete or undo. Once
// a delete or an undo is over, the fields are switched on and off as the row shown asks, nothing emptied.
//
// Error conventions: FME_CONFIGVARIANTI_AfterUpdate, FME_CONFIGVARIANTI_ChangeStatus and
// ControlloValiditaEliminazione ask the form's error box; every other procedure re-raises with its name.
//
// Other sections reach its look-ups through FRMMG_BRONDEL::section<VariantConfigurator>(), and the code/rank
// conversions through VariantCode.
class VariantConfigurator : public ConsoleSection {
public:
    // The sum of the sizes of a company's dimensions may not pass it: the option string's length.
    static constexpr int MaxTotalSize = 20;

    explicit VariantConfigurator(FRMMG_BRONDEL& form);
    ~VariantConfigurator() override;

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override;
    // PfmtProg's notifications, then ConfigurazioneVirtualFrame.
    void configure() override;
    void show() override;

    // Frame and grid set-up, display.
    void ConfigurazioneVirtualFrame();
    void INITGRID_CONFIGVAR();
    void MostraItemLottiParametriGenerali();
    void GRD_CONFIGVAR_DataFormatEXT(QVariant& value, const QString& field);
    void PfmtProg_Format(QVariant& value);
    void PfmtProg_UnFormat(QVariant& value);

    // Look-ups over the company's dimensions.
    // The rank of the highest code, 0 when there is none.
    qint16 NuovoProgressivo();
    // The stored sizes added up: the row being edited counts with its stored size, a new row not at all.
    qint16 SumSize();
    // Where the dimension's value starts in the option string, over the frame's rows; for a code the rows
    // do not hold, the sizes of every row added up.
    qint16 Posizione(const QVariant& code);
    // The size of a dimension that is not reserved for configuration; 0 for a reserved or unknown code.
    qint16 MaxSizeValore(const QString& code);
    // "rank - description" of a code, the rank alone when the company has no such dimension.
    QString Decode_CODICEVAR_MG5F(QString& code);
    // Whether options (a parenthesised list of quoted codes, statement text) may leave a grouping (the code
    // of its variant dimension, its code): false, after saying where they are in use, when articles of that
    // variant and grouping use one in documents or bills of materials. True while no variant or grouping is
    // given (empty).
    bool ControlloValiditaEliminazione(const QString& variant, const QString& grouping, const QString& optionList);

    // Frame notifications.
    void FME_CONFIGVARIANTI_BeforeAddNew(bool& cancel);
    void FME_CONFIGVARIANTI_AfterAddNew(bool success);
    void FME_CONFIGVARIANTI_ChangeStatus(qint16 newStatus, qint32 reason);
    void FME_CONFIGVARIANTI_BeforeUpdate(bool& cancel);
    void FME_CONFIGVARIANTI_AfterUpdate(bool success);
    void FME_CONFIGVARIANTI_BeforeDelete(bool& cancel);
    void FME_CONFIGVARIANTI_AfterDelete(bool success);
    void FME_CONFIGVARIANTI_BeforeUndo(bool& cancel);
    void FME_CONFIGVARIANTI_AfterUndo(bool success);
    // Whether the frame's rows (as edited) hold two or more rows of a grid level (1: first level; 2: any
    // second-level kind).
    bool EsisteSubvariante_liv(int level);
    // False when the frame's rows hold a second-level row and no first-level one.
    bool EsisteSubvariante_gerarchia();

    // Commands and field reactions.
    void CmdDel_Click();
    void CHK_INDPROGCONFIG_AfterItem(bool& cancel);
    void CBO_NATURA_ChangeRow();
    void CBO_INDDESCR_ChangeRow();
    void CBO_GESTGRIGLIA_ChangeRow();
    void CHK_FLGVARAUTO_Click();
    void CHK_FLGDEFAULT_Click();
    void TXT_VALDEFAULT_StartLookup(host::LookupRequest& request);
    void TXT_VALDEFAULT_StartDecode(host::DecodeRequest& request);

    // The reaction guard.
    bool ReazioniSospese = false;

private:
    void connectControls();
    void connectFrame(host::VirtualFrame& frame);

    std::shared_ptr<host::VirtualFrame> frame() const;
    // The frame's rows.
    std::shared_ptr<ado::Recordset> rows() const;
    // The field reactions; clear: empty (or, for the automatic variant, reset in the row) the fields that
    // are switched off, as when the user picks a value.
    void followNature(bool clear) const;
    void followDescriptionMode(bool clear) const;
    void followAutomaticVariant(bool clear) const;
    void followDefaultFlag(bool clear) const;
    // The fields switched on and off as the row shown asks, nothing emptied: after a delete or an undo,
    // whose row change the reactions sat out.
    void followRow() const;
    // Writes a value into the current row's column of a check and shows it in the check.
    void resetFlag(const char* check, const QVariant& value) const;

    std::shared_ptr<host::Edit> edit(const char* name) const;
    std::shared_ptr<host::Combo> combo(const char* name) const;
    std::shared_ptr<host::Check> check(const char* name) const;

    SectionFrame& frame_;  // FME_CONFIGVARIANTI
};

}  // namespace brondel
