#pragma once

#include "console_fixture.h"

#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"

#include <QStringList>

namespace console_test {

// The console on one of the option sections of company 1, driven through its controls' gestures.
class OptionsTest : public ConsoleTest {
protected:
    void TearDown() override;

public:
    // A fresh database (the demo one, or an empty one) with the rows of setup, the console shown on the
    // section of the sidebar item; sent() starts from there.
    void openSection(const QString& item, bool demo = true, const QStringList& setup = {});

    std::shared_ptr<suite::EditModel> edit(const QString& name) const { return model<suite::EditModel>(name); }
    std::shared_ptr<suite::ComboModel> combo(const QString& name) const { return model<suite::ComboModel>(name); }
    std::shared_ptr<suite::GridModel> grid(const QString& name) const { return model<suite::GridModel>(name); }
    // FME_OPZIONI; nothing while no variant is open.
    std::shared_ptr<host::VirtualFrame> frame() const;
    std::shared_ptr<suite::GridNavigatorModel> navigator() const {
        return model<suite::GridNavigatorModel>("GNV_OPZIONI");
    }

    // Types the variant's position into TXT_VAROPZ and leaves the field.
    void chooseVariant(const QString& position) const;
    // Types a value into an edit and leaves it; returns whether the field accepted it.
    bool enter(const QString& field, const QString& text) const;
    using ConsoleTest::executeSqlite;
    using ConsoleTest::query;
    using ConsoleTest::rowOf;
    using ConsoleTest::sent;
    using ConsoleTest::shown;
};

}  // namespace console_test
