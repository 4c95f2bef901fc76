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

// The article sub-codes (panel 8, sidebar item ITMSUBCOD): the values of one coded sub-code (a sub-code
// of treatment 1, chosen in CBO_PROGRSUBCODART) in MG6E_SUBCODART, in the frame FME_SUBCODART with the
// grid GRD_SUBCODART, the navigator GNV_SUBCODART and the fields TXT_SUBCODICE and TXT_DESCRSUBCODART.
//
// The frame lives for one type: choosing another rebuilds it. A value's code is upper case, holds no
// apostrophe and is at most as long as its sub-code; a type without values opens adding its first one.
// A stored value keeps its type.
//
// Error convention: every procedure re-raises with its name.
class ArticleSubCodes : public ArticleSection {
public:
    explicit ArticleSubCodes(FRMMG_BRONDEL& form);
    ~ArticleSubCodes() override;

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override;
    void show() override;

    void MostraItemSubCodArt();
    // Fills the type combo with the coded sub-codes and chooses the first, which builds the frame.
    void Carica_CBO_PROGRSUBCOD();
    // The description of a sub-code type; empty when the company has no such sub-code.
    QString Carica_CBO_PROGRSUBCOD(const QVariant& type);
    void ConfigurazioneVirtualFrameSubCodArt();
    void INITGRID_SUBCODICI();
    void GRD_SUBCODART_DataFormatEXT(QVariant& value, const QString& field);
    void CBO_PROGRSUBCODART_ChangeRow();

    // Frame notifications.
    void FME_SUBCODART_BeforeAddNew(bool& cancel);
    void FME_SUBCODART_AfterAddNew(bool success);
    void FME_SUBCODART_BeforeUpdate(bool& cancel);
    void FME_SUBCODART_AfterUpdate(bool success);

    void TXT_SUBCODICE_AfterItem(bool& cancel);
    void TXT_DESCRSUBCODART_KeyDown(int& keyCode, int shift);
    void GNV_SUBCODART_AfterButtonClick(bool success, const QString& caption);

private:
    void connectControls();
    void connectFrame(host::VirtualFrame& frame);
    // FME_SUBCODART and its rows.
    std::shared_ptr<host::VirtualFrame> frame() const;
    std::shared_ptr<ado::Recordset> rows() const;
    // The type chosen in CBO_PROGRSUBCODART, as text.
    QString type() const;

    SectionFrame& frame_;
};

}  // namespace brondel
