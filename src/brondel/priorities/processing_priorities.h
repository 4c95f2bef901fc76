#pragma once

#include "brondel/console/console_section.h"

#include <QString>
#include <QVariant>
#include <array>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class Combo;
class Grid;
class GridNavigator;
class Panel;
class VirtualFrame;
struct GridRow;
}  // namespace host

namespace brondel {

class FRMMG_BRONDEL;
class SectionFrame;

// The processing priorities (panel 5, sidebar item ITMPRIELA): for the element indicator chosen in
// CBO_INDELEMENTO, the ordered reading steps of MG5L_LETVARIANTI in the frame FME_PRIORLETT with the grid
// GRD_PRIORLETT (one tick column per configured variant, captioned with its description) and the navigator
// GNV_PRIORLETT; CMD_SU and CMD_GIU exchange the variants of the selected step and its neighbour, CMD_DEFAULT
// rebuilds every element's default list through CLSMG_PRIORLETT.
//
// Priorities of a list stay consecutive from 1: a new step comes last, a delete renumbers the steps after
// it, a move keeps every step's priority and exchanges the ticked variants. With exactly one configured
// variant the section says so and builds no frame; the navigator and CMD_DEFAULT are then unavailable.
//
// Error conventions: CMD_SU_Click and CMD_GIU_Click ignore errors; GNV_PRIORLETT_AfterButtonClick hands
// them to the message service's error report; every other procedure re-raises with its name.
class ProcessingPriorities : public ConsoleSection {
public:
    static constexpr int MaxVariants = 10;

    explicit ProcessingPriorities(FRMMG_BRONDEL& form);
    ~ProcessingPriorities() override;

    void createControls(const std::shared_ptr<host::Panel>& panel) override;
    void initGrids() override;
    void show() override;
    void releaseRecordsets() override;

    void MostraItemPriEla();
    void CBO_INDELEMENTO_ChangeRow();
    // Reads the configured variants, captions and sizes the grid's variant columns; false, after saying
    // why, when exactly one variant is configured.
    bool ConfiguraPgmOK();
    // The width of each of count variant columns (count > 0).
    qint16 ResizePriorLett(qint16 count) const;
    void ConfigurazioneVirtualFramePriorLett();
    void INITGRID_PRIORLETT();

    void FME_PRIORLETT_AfterAddNew(bool success);
    void FME_PRIORLETT_BeforeUpdate(bool& cancel);
    void FME_PRIORLETT_AfterUpdate(bool success);
    void FME_PRIORLETT_AfterDelete(bool success);
    void CMD_SU_Click();
    void CMD_GIU_Click();
    void CMD_DEFAULT_Click();
    void GRD_PRIORLETT_SelectionBoxClick(const host::GridRow& row, const QString& field, const QVariant& before);
    void GRD_PRIORLETT_BeforeEdit(const QString& field, bool& cancel);
    void GNV_PRIORLETT_AfterButtonClick(bool success, const QString& caption);

    // The configured variants, as the last ConfiguraPgmOK read them (closed once their reader is gone).
    std::shared_ptr<ado::Recordset> RstVarianti;

private:
    using StepFlags = std::array<QVariant, MaxVariants>;

    void connectControls();
    void connectFrame(host::VirtualFrame& frame);
    // The steps of the element shown: the frame's rows.
    std::shared_ptr<ado::Recordset> steps() const;
    // Exchanges the variants of the selected step and the one before (-1) or after (+1) it.
    void moveStep(int direction);
    StepFlags flags() const;
    void setFlags(const StepFlags& flags) const;

    std::shared_ptr<host::Grid> grid() const;
    std::shared_ptr<host::GridNavigator> navigator() const;
    std::shared_ptr<host::Combo> elementCombo() const;

    SectionFrame& frame_;  // FME_PRIORLETT
};

}  // namespace brondel
