#pragma once

#include "console_fixture.h"

#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/scripted_messages.h"

#include "brondel/console/host_components/virtual_frame.h"

#include <QStringList>

namespace console_test {

// An insert of a sub-code of company 1's article code: its progressive, length and treatment.
QString subCode(int progressive, int length, int treatment = 0);
// An insert of a value of one of company 1's sub-codes.
QString subCodeValue(int type, const char* code);

// The console on one of the article sections, driven through its controls' gestures.
class ArticlesTest : public ConsoleTest {
protected:
    // Rows left in edit are dropped ("Annulla") before the console closes.
    void TearDown() override;

public:
    // Gestures and what they show, public for the cases' gesture functions.
    using ConsoleTest::caption;
    using ConsoleTest::form;
    using ConsoleTest::host_;
    using ConsoleTest::query;
    using ConsoleTest::shown;

    // A fresh database (the demo one, or an empty one with the rows of setup), the console shown on a
    // sidebar item of the article group.
    void open(const char* item, bool demo, const QStringList& setup = {});
    // Clicks a sidebar item of the article group.
    void click(const char* item) const;

    std::shared_ptr<suite::GridNavigatorModel> navigator(const char* name) const {
        return model<suite::GridNavigatorModel>(name);
    }
    std::shared_ptr<suite::GridModel> grid(const char* name) const { return model<suite::GridModel>(name); }
    std::shared_ptr<suite::EditModel> edit(const char* name) const { return model<suite::EditModel>(name); }
    std::shared_ptr<suite::ComboModel> combo(const char* name) const { return model<suite::ComboModel>(name); }
    // FME_CONFIGARTICOLI and FME_SUBCODART.
    std::shared_ptr<host::VirtualFrame> configurator() const;
    std::shared_ptr<host::VirtualFrame> values() const;

    // The configurator's gestures: a new sub-code typed and confirmed; returns whether it was saved.
    bool addSubCode(const QString& length, int treatment = 0) const;
    bool press(const char* navigatorName, const QString& caption) const {
        return navigator(navigatorName)->pressButton(caption);
    }
};

}  // namespace console_test
