#pragma once

#include "brondel/console/console_section.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class Grid;
class LookupWindow;
class Panel;
struct DecodeRequest;
struct GridRow;
struct LookupRequest;
}  // namespace host

namespace brondel {

// The composition of a grouping (panel 6, sidebar item ITMRAGVAR): which options of a variant belong to
// one of its groupings (MG5H_COMPRAGVAR), and in which order. The variant is chosen in CBO_PROGR_RAGGR
// and the grouping in TXT_RAGGRUPP; GRD_RAGGR_MG5E lists the variant's options (those of the grouping in
// red), GRD_RAGGR_MG5H the grouping's options by sequence, with their description in the grouping
// editable. The commands, the two search lists and the tree view TvDim act on them.
//
// States: no variant chosen; a variant whose groupings flag is off (commands and TXT_RAGGRUPP disabled,
// the message line says so); a variant that admits groupings (commands enabled, right grid empty); a
// grouping open (right grid loaded). While TvDim is shown instead of the right grid the commands and the
// search lists do nothing.
//
// Sequences: the commands keep a grouping at 1..N; a removal through the composition search list of
// several rows at once keeps their gaps. A move exchanges the sequences of the row and of its neighbour
// in the grid, so that it moves after a gap too. Every command that writes more than one statement does
// it all or nothing.
//
// Error conventions: the menu of CMD_RINUMERA ignores errors; every other procedure re-raises with its
// name.
class GroupingComposition : public ConsoleSection {
public:
    explicit GroupingComposition(FRMMG_BRONDEL& form);
    ~GroupingComposition() override;

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override;
    void show() override;
    void releaseRecordsets() override;
    void releaseObjects() override;

    // Section, selector, grouping field and grids.
    void MostraItemRagVar();
    void Carica_CBO_PROGR_RAGGR();
    void CBO_PROGR_RAGGR_ChangeRow();
    // True or False when the variant is found, Empty otherwise.
    QVariant IsVarianteDiRaggruppamento(const QString& code);
    void TXT_RAGGRUPP_StartDecode(host::DecodeRequest& request);
    void TXT_RAGGRUPP_StartLookup(host::LookupRequest& request);
    void TXT_RAGGRUPP_AfterItem(bool& cancel);
    void INITGRID_RAGGR_MG5E();
    void INITGRID_RAGGR_MG5H();
    void LOADGRID_RAGGR_MG5E();
    void LOADGRID_RAGGR_MG5H();
    void EvidenziaRigheInMG5H();
    void GRD_RAGGR_MG5E_CustomDrawCell(const host::GridRow& row, const QString& field, qint32& colour);

    // Commands.
    bool EsisteAssociazioneMG5H();
    qint16 MaxSequenzaMG5H();
    void Insert_MG5H_COMPRAGVAR();
    void Delete_MG5H_COMPRAGVAR();
    void DeleteALL_MG5H_COMPRAGVAR();
    void Riordina_MG5H();
    void MuoviRecord(const QString& direction);
    void RinumeraRaggruppamenti(const QString& mode);
    void BTN_ADD_Click();
    void BTN_ADDALL_Click();
    void BTN_DEL_Click();
    void BTN_DELALL_Click();
    void BTN_SU_Click();
    void BTN_GIU_Click();
    void CMD_RINUMERA_MenuItemClick(const QString& key, const QString& caption);
    void GRD_RAGGR_MG5H_OnEdited(const host::GridRow& row);

    // Search lists.
    void BTN_CERCASX_Click();
    void BTN_CERCADX_Click();
    void Pobj_LookUp_Add_OnReturnRecordSet(const QString& statement);
    void Pobj_LookUp_Add_OnSelection(const QString& identifier, std::shared_ptr<ado::Recordset> row);
    void Pobj_LookUp_Rem_OnReturnRecordSet(const QString& statement);
    void Pobj_LookUp_Rem_OnSelection(const QString& identifier, std::shared_ptr<ado::Recordset> row);
    // position 0: at the end.
    void AggiungiComp(const QString& variant, const QString& grouping, const QString& option, int position = 0);
    void EliminaComp(const QString& variant, const QString& grouping, int seq, const QString& option, bool keepGap);

    // Tree view.
    void BTN_VIEW_Click();
    void CaricaTvDim();
    static QString ChiaveNodoVariante(const QString& variant);
    static QString ChiaveNodoRaggruppamento(const QString& variant, const QString& grouping);
    static QString ChiaveNodoOpzione(const QString& variant, const QString& grouping, int seq, const QString& option);

    std::shared_ptr<ado::Recordset> RstRaggr_MG5H;
    std::shared_ptr<ado::Recordset> RstRaggr_MG5E;
    // The options of the variant that are in the grouping, in the left grid's order.
    QStringList highlighted;
    std::shared_ptr<host::LookupWindow> Pobj_LookUp_Add;
    std::shared_ptr<host::LookupWindow> Pobj_LookUp_Rem;

private:
    void createCommands(const std::shared_ptr<host::Control>& strip);
    void connectControls();
    std::shared_ptr<host::Grid> grid(const char* name) const;
    QString variant() const;
    QString grouping() const;
    bool compositionShown() const;
    bool hasRows(const std::shared_ptr<ado::Recordset>& rows) const;
    // Opens a statement as the grids' recordsets are opened (client cursor, optimistic lock).
    std::shared_ptr<ado::Recordset> openRows(const QString& statement) const;
    // Rebinds the left grid so that its rows are drawn with the highlight list rebuilt.
    void redrawOptions();
    // Runs work in a transaction of the console connection: all of it is written, or none.
    void allOrNothing(const std::function<void()>& work);
    // The same under the hourglass, which goes back to the default pointer whatever happens.
    void allOrNothingUnderHourglass(const std::function<void()>& work);
    // Runs a search list's statement and, when it picked rows, the action on each of them under the
    // hourglass, all of them or none.
    void forEachPicked(const QString& statement, const std::function<void(const ado::Recordset&)>& action);
    // An option code as the database compares it: right-trimmed, in upper case.
    static QString optionKey(const QVariant& option);
    // Opens the search list over the variant's options (add) or over the grouping's (remove).
    void openSearchList(bool options);
    // Loads the grouping in TXT_RAGGRUPP when its decode found it, empties the right grid otherwise.
    void openGrouping(bool& cancel);
    // Whether the commands have a grouping to act on; when not, TXT_RAGGRUPP gets the focus.
    bool groupingReady();
    // The right grid's current row as a composition row: its option (the row where a move or removal
    // starts), kept across a reload.
    void selectOption(const QString& option);

    // Whether the last confirmation of TXT_RAGGRUPP found its grouping.
    bool groupingFound_ = false;
    // The mouse pointer over the host's windows.
    void setMousePointer(int pointer) const;

    // The highlight list's options as optionKey gives them, for drawing.
    QSet<QString> highlightedKeys_;
};

}  // namespace brondel
