#pragma once

#include "brondel/console/frmmg_brondel.h"
#include "brondel/host/clsmg_brondel.h"

#include "suite/framework/headless_host.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

namespace suite {
class GridModel;
class SidebarModel;
}  // namespace suite

// Readable texts in the tests' failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace console_test {

// A fresh suite database, a headless host for one of its companies with a factory that journals what the
// console asks of it (services created, statements sent, controls registered with the resize component,
// object models built, host script events), and the console class attached to the host.
class ConsoleTest : public ::testing::Test {
public:
    struct Registration {
        QString control;  // name, with "(index)" for a member of a control array
        qint32 anchoring;
    };

protected:
    void SetUp() override;
    void TearDown() override;

    void openHost(bool demo = true, const QVariant& company = 1);
    // Opens the host on the demo database when no host is open, then showForm.
    void showConsole();
    // A fresh database (the demo one, or an empty one with the rows of setup: a "CREATE TRIGGER" runs on
    // SQLite itself), the console shown with the form's caption.
    void openConsole(bool demo, const QStringList& setup = {});

    brondel::FRMMG_BRONDEL& form() const { return *console->form(); }
    template <class T>
    std::shared_ptr<T> model(const QString& name, int index = -1) const {
        return std::dynamic_pointer_cast<T>(form().control(name, index));
    }
    // A section's frame by its script name (fails the test when there is none).
    brondel::SectionFrame& sectionFrame(const QString& scriptName) const;
    suite::SidebarModel& sidebar() const;
    // Clicks a sidebar item; false when the sidebar has no such item.
    bool clickItem(const char* group, const char* item) const;
    // The keys of the sidebar items switched on.
    QStringList enabledItems() const;
    // The visible panel ("PIC_PARAMETRI(3)", "PIC_MESSAGGIOERRORE") or panels, joined by ", ".
    QString visiblePanels() const;
    void execute(const QString& statement) const;
    // Runs SQLite text on the database file, for what the T-SQL layer does not offer (triggers, renames).
    void executeSqlite(const QString& statement) const;
    // The rows of a query on a connection of the test's own, each as its values joined by "|".
    QStringList query(const QString& statement) const;
    // The messages shown, each as "style title: text".
    QStringList shown() const;
    // The statements the console sent since the last call or markSent() that start with prefix.
    QStringList sent(const QString& prefix = QString());
    void markSent() { sentMark_ = statements_.size(); }
    // The row of a grid whose field holds value; -1 when none does.
    static int rowOf(const suite::GridModel& grid, const QString& field, const QString& value);
    int rowOf(const QString& grid, const QString& field, const QString& value) const;

    // The form's caption, the title of most of the sections' messages (inline: the tests' own constants
    // that use it are initialised after it).
    static inline const QString caption = QStringLiteral("Console parametri varianti");

    QTemporaryDir dir_;
    std::unique_ptr<suite::HeadlessHost> host_;
    std::shared_ptr<brondel::CLSMG_BRONDEL> console;
    QStringList journal_;
    QStringList statements_;  // every statement the console's connections sent, as sent
    QList<Registration> registrations_;
    // Sidebar items a test's host does not offer.
    QStringList hiddenItems_;

private:
    qsizetype sentMark_ = 0;
};

// The first statement of a case of the suite's statement corpus (tests/tsql/corpus/<file>): its "|" lines
// joined by CR LF, "{CR}" standing for a lone carriage return; empty when the case is not there.
QString corpusStatement(const QString& file, const QString& caseName);

}  // namespace console_test
