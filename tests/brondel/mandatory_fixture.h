#pragma once

#include "console_fixture.h"

#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/menu_tree_model.h"

#include <QStringList>

namespace console_test {

// The console on one of the mandatory-variants sections of company 1, driven through its controls' gestures.
class MandatoryTest : public ConsoleTest {
protected:
    // A fresh database (the demo one, or an empty one with the rows of setup), the console shown on the
    // section of the item (ITMOBBDOC, ITMOBBPRO).
    void openSection(const char* item, bool demo = true, const QStringList& setup = {});
    bool showAgain(const char* item) const;

    std::shared_ptr<suite::GridModel> grid(const QString& name) const { return model<suite::GridModel>(name); }
    std::shared_ptr<suite::EditModel> edit(const QString& name) const { return model<suite::EditModel>(name); }
    std::shared_ptr<suite::MenuTreeModel> tree() const { return model<suite::MenuTreeModel>("TRV_MENU"); }

    // Company 1's rows of MG5J_DOCPRGVAR as "variant|object|flag", sorted.
    QStringList exceptions() const;
    // Each row of a grid as its stored values joined by "|" (Null as empty).
    static QStringList rows(suite::GridModel& grid);
    // The shown text of every cell of a column, top to bottom.
    static QStringList shownColumn(suite::GridModel& grid, const QString& field);
    // The check columns whose select-all box is ticked, joined by ",".
    static QString ticked(const suite::GridModel& grid);
    // The entries of the menu tree that are marked, joined by ",".
    QString marked() const;
};

}  // namespace console_test
