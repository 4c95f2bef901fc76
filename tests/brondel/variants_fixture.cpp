#include "variants_fixture.h"

#include "suite/framework/model_factory.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"

namespace console_test {

void VariantsTest::TearDown() {
    if (console && console->form() && frame() && frame()->status() != host::frame_status::Browse)
        navigator()->pressButton(QStringLiteral("Annulla"));
    ConsoleTest::TearDown();
}

void VariantsTest::openConfigurator(bool demo, const QStringList& setup) {
    openConsole(demo, setup);
    ASSERT_TRUE(clickItem("GRPCONVAR", "ITMCONFIGVAR"));
}

QString dimension(const char* code, int size, int gridLevel) {
    return QStringLiteral(
               "INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_SIZE, "
               "MG5F_INDGRIGLIA) VALUES (1, '%1', 'DIMENSIONE %1', %2, %3)")
        .arg(QString::fromLatin1(code))
        .arg(size)
        .arg(gridLevel);
}

void VariantsTest::select(const QString& code) const {
    for (const host::GridRow& row : grid()->rows()) {
        if (automation::cstr(row.value("MG5F_CODICEVAR")) == code) {
            ASSERT_TRUE(grid()->selectRow(row.index));
            return;
        }
    }
    FAIL() << "no row " << code.toStdString();
}

bool VariantsTest::addDimension(const QString& size, int gridLevel) const {
    if (!navigator()->pressButton(QStringLiteral("Nuovo")))
        return false;
    edit("TXT_DESCR")->typeText(QStringLiteral("nuova"));
    edit("TXT_SIZE")->typeText(size);
    combo("CBO_GESTGRIGLIA")->pick(gridLevel);
    return save();
}

QStringList VariantsTest::stored(const QString& columns) const {
    return query("SELECT " + columns + " FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 ORDER BY MG5F_CODICEVAR");
}

QString VariantsTest::focused() const {
    const QStringList names = {"TXT_SIZE",  "TXT_VALDEFAULT",  "TXT_POSINI",   "TXT_POSFIN",
                               "TXT_DESCR", "CBO_GESTGRIGLIA", "GRD_CONFIGVAR"};
    for (const QString& name : names) {
        if (form().control(name)->hasFocus())
            return name;
    }
    return QString();
}

}  // namespace console_test
