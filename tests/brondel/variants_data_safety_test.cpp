// What a person types is stored as typed or refused in words, never run, cut or lost; two consoles on one
// database do not overwrite each other.
#include "variants_fixture.h"

#include "suite/framework/headless_host.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/model_node.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/label.h"

#include <QRegularExpression>
#include <functional>

namespace console_test {
namespace {

using VariantSafety = VariantsTest;

// A number a numeric field cannot hold, typed into a new dimension and confirmed.
struct Malformed {
    const char* name;
    const char* field;
    const char* typed;
    const char* kept;                            // what the field shows of it
    std::function<void(VariantsTest&)> prepare;  // enables the field
    QString message;
};

void PrintTo(const Malformed& malformed, std::ostream* out) { *out << malformed.name; }

class VariantMalformedNumber : public VariantsTest, public ::testing::WithParamInterface<Malformed> {
public:
    std::shared_ptr<suite::ComboModel> comboOf(const QString& name) const { return combo(name); }
};

TEST_P(VariantMalformedNumber, IsRefusedInTheFieldsWordsWithTheFocusOnIt) {
    const Malformed& c = GetParam();
    openConfigurator(false, {dimension("A0", 3)});
    ASSERT_TRUE(navigator()->pressButton(QStringLiteral("Nuovo")));
    edit("TXT_DESCR")->typeText(QStringLiteral("nuova"));
    edit("TXT_SIZE")->typeText(QStringLiteral("2"));
    if (c.prepare)
        c.prepare(*this);
    edit(c.field)->typeText(c.typed);

    EXPECT_FALSE(save());

    EXPECT_EQ(shown(), QStringList{"48 " + caption + ": " + c.message});
    EXPECT_TRUE(edit(c.field)->hasFocus());
    EXPECT_EQ(edit(c.field)->text(), c.kept);
    EXPECT_EQ(stored(), QStringList{"A0"});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, VariantMalformedNumber,
    ::testing::Values(
        Malformed{"SizeCommaAlone", "TXT_SIZE", ",", ",", {}, "Il campo \"Dimensione \" deve contenere un numero."},
        Malformed{"SizePoint", "TXT_SIZE", ".", ".", {}, "Il campo \"Dimensione \" deve contenere un numero."},
        Malformed{"IntegerDigitsCutAfterTheComma", "TXT_NUMINT", "2,5", "2,",
                  [](VariantsTest& t) { static_cast<VariantMalformedNumber&>(t).comboOf("CBO_NATURA")->pick(1); },
                  "Il campo \"Numero interi\" deve contenere un numero."},
        Malformed{"StartPositionWithAFraction", "TXT_POSINI", "2,5", "2,5",
                  [](VariantsTest& t) { static_cast<VariantMalformedNumber&>(t).comboOf("CBO_INDDESCR")->pick(2); },
                  "Il campo \"Posizione iniziale per composizione descrizione\" deve contenere un numero intero."}),
    [](const auto& info) { return std::string(info.param.name); });

// Every text column written by a field of the console is at least as wide as the field lets a person type.
TEST_F(VariantSafety, NoColumnIsNarrowerThanTheFieldThatWritesIt) {
    openConfigurator(true);
    // The schema as SQLite keeps it.
    const auto database = std::make_shared<ado::Connection>();
    database->open(host_->connectionString() + ";Dialect=SQLite");
    int compared = 0;
    std::function<void(const std::shared_ptr<host::Control>&)> walk =
        [&](const std::shared_ptr<host::Control>& control) {
            suite::ModelNode* node = suite::nodeOf(control.get());
            if (!node)
                return;
            if (const auto field = std::dynamic_pointer_cast<suite::EditModel>(control);
                field && field->maxLength() > 0 && !field->boundColumn().isEmpty()) {
                const auto columns = database->execute(
                    "SELECT p.type FROM sqlite_schema AS m JOIN pragma_table_info(m.name) AS p WHERE m.type = 'table' "
                    "AND p.name = '" +
                    field->boundColumn() + "'");
                for (; columns->isOpen() && !columns->isEof(); columns->moveNext()) {
                    const QString type = automation::cstr(columns->value(0));
                    const QRegularExpressionMatch width = QRegularExpression("CHAR\\((\\d+)\\)").match(type);
                    if (!width.hasMatch())
                        continue;
                    ++compared;
                    EXPECT_GE(width.captured(1).toInt(), field->maxLength())
                        << field->name().toStdString() << " writes " << field->boundColumn().toStdString() << " "
                        << type.toStdString();
                }
            }
            for (const std::shared_ptr<host::Control>& child : node->children())
                walk(child);
        };
    suite::ModelNode* field = suite::nodeOf(form().control("TXT_VALDEFAULT").get());
    ASSERT_NE(field, nullptr);
    for (const std::shared_ptr<host::Control>& top : field->root().children())
        walk(top);
    EXPECT_GE(compared, 2);
}

// A second console on the same database and company, shown on the variant configurator.
class SecondConsole {
public:
    SecondConsole(const QString& path, const QString& caption)
        : host_(path, 1), console_(brondel::CLSMG_BRONDEL::create()) {
        host_.attach(console_);
        console_->setCaption(caption);
        console_->showForm();
        console_->form()
            ->controlAs<suite::SidebarModel>(QStringLiteral("SDB_PARAMETRI"))
            ->clickItem("GRPCONVAR", "ITMCONFIGVAR");
    }
    ~SecondConsole() { console_->closeForm(); }

    template <class T>
    std::shared_ptr<T> model(const QString& name) const {
        return std::dynamic_pointer_cast<T>(console_->form()->control(name));
    }

private:
    suite::HeadlessHost host_;
    std::shared_ptr<brondel::CLSMG_BRONDEL> console_;
};

TEST_F(VariantSafety, ARankTakenByAnotherConsoleIsSaidAndTheTypedRowTakesTheNextOne) {
    openConfigurator(false, {dimension("A0", 3)});
    ASSERT_TRUE(navigator()->pressButton(QStringLiteral("Nuovo")));
    edit("TXT_DESCR")->typeText(QStringLiteral("prima"));
    edit("TXT_SIZE")->typeText(QStringLiteral("2"));
    {
        SecondConsole other(dir_.filePath(QStringLiteral("suite.db")), caption);
        ASSERT_TRUE(other.model<suite::GridNavigatorModel>("GNV_CONFIGVAR")->pressButton(QStringLiteral("Nuovo")));
        other.model<suite::EditModel>("TXT_DESCR")->typeText(QStringLiteral("seconda"));
        other.model<suite::EditModel>("TXT_SIZE")->typeText(QStringLiteral("2"));
        ASSERT_TRUE(other.model<suite::GridNavigatorModel>("GNV_CONFIGVAR")->pressButton(QStringLiteral("Conferma")));
    }

    EXPECT_FALSE(save());
    EXPECT_EQ(shown(), QStringList{"48 " + caption +
                                   ": Il progressivo 2 è stato appena registrato da un altro utente: la nuova variante "
                                   "prende il progressivo 3. Confermare di nuovo per registrarla."});
    EXPECT_EQ(edit("TXT_DESCR")->text(), "PRIMA");
    EXPECT_EQ(edit("TXT_PROGR")->text(), "3");

    EXPECT_TRUE(save());
    EXPECT_EQ(stored("MG5F_CODICEVAR, MG5F_DESCR_VAR"), (QStringList{"A0|DIMENSIONE A0", "A1|SECONDA", "A2|PRIMA"}));
}

}  // namespace
}  // namespace console_test
