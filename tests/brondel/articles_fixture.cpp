#include "articles_fixture.h"

#include "suite/framework/model_factory.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/virtual_frame.h"
#include "brondel/console/section_frame.h"

namespace console_test {

QString subCode(int progressive, int length, int treatment) {
    return QStringLiteral(
               "INSERT INTO MG6F_DIMEART (MG6F_DITTA_CG18, MG6F_PROGR, MG6F_DESCR, MG6F_SIZE, "
               "MG6F_INDCODIFICA, MG6F_INDALLIN, MG6F_INDDESCRART, MG6F_ULTPROG) "
               "VALUES (1, %1, 'SUBCODICE %1', %2, %3, 0, 0, 0)")
        .arg(progressive)
        .arg(length)
        .arg(treatment);
}

QString subCodeValue(int type, const char* code) {
    return QStringLiteral(
               "INSERT INTO MG6E_SUBCODART (MG6E_DITTA_CG18, MG6E_PROGR_MG6F, MG6E_SUBCODICE, MG6E_DESCR) "
               "VALUES (1, %1, '%2', 'VALORE %2')")
        .arg(type)
        .arg(QString::fromLatin1(code));
}

void ArticlesTest::TearDown() {
    if (console && console->form()) {
        for (const auto& [frame, navigatorName] :
             {std::pair{configurator(), "GNV_CONFIGART"}, std::pair{values(), "GNV_SUBCODART"}}) {
            if (frame && frame->status() != host::frame_status::Browse)
                navigator(navigatorName)->pressButton(QStringLiteral("Annulla"));
        }
    }
    ConsoleTest::TearDown();
}

void ArticlesTest::open(const char* item, bool demo, const QStringList& setup) {
    openConsole(demo, setup);
    click(item);
}

void ArticlesTest::click(const char* item) const { ASSERT_TRUE(clickItem("GRPCONART", item)); }

std::shared_ptr<host::VirtualFrame> ArticlesTest::configurator() const {
    return sectionFrame("DTS_Configurazione_Articoli").frame();
}

std::shared_ptr<host::VirtualFrame> ArticlesTest::values() const {
    return sectionFrame("DTS_Subcodici_Articoli").frame();
}

bool ArticlesTest::addSubCode(const QString& length, int treatment) const {
    if (configurator()->status() != host::frame_status::Adding && !press("GNV_CONFIGART", "Nuovo"))
        return false;
    edit("TXT_DESCRCONFART")->typeText(QStringLiteral("nuovo"));
    edit("TXT_SIZECONFART")->typeText(length);
    combo("CBO_TRATTAMENTO")->pick(treatment);
    return press("GNV_CONFIGART", "Conferma");
}

}  // namespace console_test
