#pragma once

#include "brondel/articles/article_section.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class VirtualFrame;
}

namespace brondel {
class SectionFrame;
}

namespace brondel {

// The article code configurator (panel 7, sidebar item ITMCONFIGART): the company's sub-codes of the
// article code (MG6F_DIMEART) in the frame FME_CONFIGARTICOLI with the grid GRD_CONFIGART, the navigator
// GNV_CONFIGART and the fields of GRB_CONFIGART; the checks on add and save, the renumbering after a
// delete, the delete of the whole configurator and the fields that follow the treatment.
//
// At most six sub-codes, each 2 to 25 characters long, 25 in all; at most one automatic counter
// (treatment 2 or 3), and the first sub-code is no relative counter (3). Progressives run 1, 2, ...
//
// Frame status: 0 browse, 1 editing a stored sub-code, 2 adding. A company without sub-codes opens in
// status 2 and stays in its initial definition until the section is built again: meanwhile rows can be
// deleted and stored lengths changed; afterwards neither (only the whole configurator can go, and only
// while no sub-code has values). "Nuovo" is off once the lengths add up to 25.
//
// Error convention: every procedure re-raises with its name.
class ArticleConfigurator : public ArticleSection {
public:
    static constexpr int MaxSubCodes = 6;
    static constexpr int MaxTotalLength = 25;  // the article code's length
    static constexpr int MinLength = 2;

    explicit ArticleConfigurator(FRMMG_BRONDEL& form);
    ~ArticleConfigurator() override;

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override;
    void show() override;

    void ConfigurazioneVirtualFrameConfigArt();
    void INITGRID_CONFIGART();
    void MostraItemConfigArt();
    void GRD_CONFIGART_DataFormatEXT(QVariant& value, const QString& field);

    // Recomputes the next progressive (the highest stored) and the length total; at 25 characters no
    // sub-code can be started.
    void MaxProgr();
    // Whether a sub-code other than the current row is an automatic counter.
    bool EsisteContatore();
    // The length of a sub-code; 0 when the company has none of that progressive.
    qint16 MaxSizeValoreArticolo(const QVariant& progressive);

    // Frame notifications.
    void FME_CONFIGARTICOLI_BeforeAddNew(bool& cancel);
    void FME_CONFIGARTICOLI_AfterAddNew(bool success);
    void FME_CONFIGARTICOLI_ChangeStatus(qint16 newStatus, qint32 reason);
    void FME_CONFIGARTICOLI_BeforeUpdate(bool& cancel);
    void FME_CONFIGARTICOLI_AfterUpdate(bool success);
    void FME_CONFIGARTICOLI_AfterDelete(bool success);
    void FME_CONFIGARTICOLI_AfterUndo(bool success);

    // Commands and field reactions.
    void GNV_CONFIGART_AfterButtonClick(bool success, const QString& caption);
    void CMD_ELIMINACONFART_Click();
    void TXT_SIZECONFART_AfterItem(bool& cancel);
    void TXT_SIZECONFART_Change();
    void TXT_ULTPROG_AfterItem(bool& cancel);
    void CBO_TRATTAMENTO_ChangeRow();
    void CBO_TRATTAMENTO_KeyDown(int& keyCode, int shift);
    void CBO_INDALLIN_KeyDown(int& keyCode, int shift);

    // Form state of the section.
    qint16 ProssimoProgressivo = 0;  // the next progressive
    qint16 TotaleLunghezze = 0;      // the stored lengths added up
    bool DefinizioneIniziale = false;

private:
    void connectControls();
    void connectFrame(host::VirtualFrame& frame);
    // FME_CONFIGARTICOLI, and its rows (the recordset it was built on).
    std::shared_ptr<host::VirtualFrame> frame() const;
    std::shared_ptr<ado::Recordset> rows() const;
    // TXT_ULTPROG sized for a sub-code of the length typed.
    void sizeLastNumber();
    // Enter on the last field of a row: "Nuovo" while adding (the row is saved first), else "Conferma".
    void confirmByEnter(int& keyCode, int shift);
    // A save refused: the warning, Cancel and the focus on the field at fault.
    void refuse(bool& cancel, const QString& message, const char* focus);

    SectionFrame& frame_;
};

}  // namespace brondel
