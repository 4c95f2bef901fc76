#pragma once

#include "console_fixture.h"

#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"

#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace console_test {

// The console on one of the option sections of company 1, driven through its controls' gestures.
class OptionsTest : public ConsoleTest {
protected:
    void TearDown() override;

public:
    // A fresh database (the demo one, or an empty one) with the rows of setup, the console shown on the
    // section of the sidebar item.
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
    // The grid's row whose field holds value, or -1.
    int rowOf(const QString& grid, const QString& field, const QString& value) const;

    // Runs SQLite text on the database file, for what the T-SQL layer does not offer (triggers, renames).
    void executeSqlite(const QString& statement) const;
    // The rows of a query on a connection of the test's own, each as its values joined by "|".
    QStringList query(const QString& statement) const;
    // The messages shown, each as "style title: text".
    QStringList shown() const;
    // The statements the console sent since the last call.
    QStringList sent();

    int statementsSeen_ = 0;
};

}  // namespace console_test
