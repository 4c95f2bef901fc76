#pragma once

#include "console_fixture.h"

#include "suite/framework/check_model.h"
#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/scripted_messages.h"

#include "brondel/console/host_components/virtual_frame.h"

#include <QStringList>

namespace console_test {

// An insert of a dimension of company 1 with its size and grid level.
QString dimension(const char* code, int size, int gridLevel = 0);

// The console on the variant configurator of company 1, driven through its controls' gestures.
class VariantsTest : public ConsoleTest {
protected:
    // A row left in edit is dropped ("Annulla") before the console closes.
    void TearDown() override;

    // A fresh database (the demo one, or an empty one with the rows of setup), the console shown on the
    // variant configurator.
    void openConfigurator(bool demo, const QStringList& setup = {});

    std::shared_ptr<host::VirtualFrame> frame() const { return sectionFrame("DTS_Configurazione_Varianti").frame(); }
    std::shared_ptr<suite::GridNavigatorModel> navigator() const {
        return model<suite::GridNavigatorModel>("GNV_CONFIGVAR");
    }
    std::shared_ptr<suite::GridModel> grid() const { return model<suite::GridModel>("GRD_CONFIGVAR"); }
    std::shared_ptr<suite::EditModel> edit(const QString& name) const { return model<suite::EditModel>(name); }
    std::shared_ptr<suite::ComboModel> combo(const QString& name) const { return model<suite::ComboModel>(name); }
    std::shared_ptr<suite::CheckModel> check(const QString& name) const { return model<suite::CheckModel>(name); }

    // Makes the dimension of that code the current row.
    void select(const QString& code) const;
    // Starts a new dimension with a description and a size, and confirms it; returns whether it was saved.
    bool addDimension(const QString& size, int gridLevel = 0) const;
    bool save() const { return navigator()->pressButton(QStringLiteral("Conferma")); }

    // Company 1's rows of MG5F_DIMECONF in code order, each as its values of columns joined by "|".
    QStringList stored(const QString& columns = QStringLiteral("MG5F_CODICEVAR")) const;
    // The name of the control that has the focus (empty when none of the section's has it).
    QString focused() const;
};

}  // namespace console_test
