#include "options_fixture.h"

#include "suite/db/suite_file.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/virtual_frame.h"
#include "brondel/console/section_frame.h"

namespace console_test {

void OptionsTest::TearDown() {
    if (console && console->form() && frame() && frame()->status() != host::frame_status::Browse)
        frame()->setStatus(host::frame_status::Browse);
    ConsoleTest::TearDown();
}

std::shared_ptr<host::VirtualFrame> OptionsTest::frame() const { return sectionFrame("DTS_Opzioni").frame(); }

void OptionsTest::openSection(const QString& item, bool demo, const QStringList& setup) {
    openConsole(demo, setup);
    ASSERT_TRUE(sidebar().clickItem(QStringLiteral("GRPCONVAR"), item));
    markSent();
}

void OptionsTest::chooseVariant(const QString& position) const {
    edit("TXT_VAROPZ")->typeText(position);
    edit("TXT_VAROPZ")->leave();
}

bool OptionsTest::enter(const QString& field, const QString& text) const {
    return edit(field)->typeText(text) && edit(field)->leave();
}

}  // namespace console_test
