#pragma once

#include "variants_fixture.h"

#include "suite/framework/button_model.h"
#include "suite/framework/menu_button_model.h"
#include "suite/framework/tree_view_model.h"

namespace console_test {

// The console on the groupings (ITMRAGGRUP) or the grouping composition (ITMRAGVAR) of company 1 of the
// demo database, driven through gestures.
class GroupingsTest : public VariantsTest {
protected:
    void TearDown() override;

    // A fresh demo database with the rows of setup, the console shown on the section of the item key.
    void openSection(const char* itemKey, const QStringList& setup = {});

    // Groupings: the frame (nothing while no variant is decoded), the variant typed by rank and confirmed.
    std::shared_ptr<host::VirtualFrame> groupingFrame() const { return sectionFrame("DTS_Raggruppamenti").frame(); }
    void enterVariant(const QString& rank) const;
    std::shared_ptr<suite::GridNavigatorModel> groupingNavigator() const {
        return model<suite::GridNavigatorModel>("GNV_RAGGRUP");
    }

    // Composition: the variant chosen in the selector by rank, then the grouping typed and confirmed.
    void openGrouping(const QString& rank, const QString& grouping) const;
    std::shared_ptr<suite::GridModel> options() const { return model<suite::GridModel>("GRD_RAGGR_MG5E"); }
    std::shared_ptr<suite::GridModel> composition() const { return model<suite::GridModel>("GRD_RAGGR_MG5H"); }
    std::shared_ptr<suite::TreeViewModel> tree() const { return model<suite::TreeViewModel>("TvDim"); }
    void click(const char* button) const { model<suite::ButtonModel>(QString::fromLatin1(button))->click(); }
    // Makes the option the current row of a grid (its column field).
    void selectOption(const std::shared_ptr<suite::GridModel>& grid, const QString& option) const;

    // A grouping's rows of company 1 as "OPTION:seq" in sequence order (then option).
    QStringList members(const QString& variant, const QString& grouping) const;
    // The left grid's options drawn in red.
    QStringList redOptions() const;
    // The statements the console sent since the mark.
    QStringList sentSince(qsizetype mark) const { return statements_.mid(mark); }
};

}  // namespace console_test
