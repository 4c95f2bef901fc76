#include "framework_fixture.h"

#include "suite/framework/check_model.h"
#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/label_model.h"
#include "suite/framework/panel_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/lookup_window.h"

namespace framework_test {
namespace {

using host::ControlKind;

class ControlsTest : public FrameworkTest {
protected:
    std::shared_ptr<suite::EditModel> edit(int maxLength, bool upperCase, bool numeric, bool negative = false) {
        host::ControlDesign design;
        design.negative = negative;
        design.kind = ControlKind::Edit;
        design.name = "TXT_PROVA";
        design.maxLength = maxLength;
        design.upperCase = upperCase;
        design.numeric = numeric;
        return add<suite::EditModel>(design);
    }

    // The variant decode: code to description, into LBL_DESCR.
    std::shared_ptr<suite::EditModel> variantField() {
        auto field = edit(2, true, false);
        label_ = add<suite::LabelModel>(ControlKind::Label, "LBL_DESCR");
        // The handler lives in the field's own event: it holds the field by pointer, not by ownership.
        field->StartDecode.connect([this, field = field.get()](host::DecodeRequest& request) {
            log_ << "StartDecode";
            request.statement =
                "SELECT MG5F_DESCR_VAR FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 AND "
                "MG5F_CODICEVAR = '" +
                field->text() + "'";
            request.fields = {{"MG5F_DESCR_VAR", label_}};
            request.connectionString = connectionString_;
        });
        field->ItemStarted.connect([this] { log_ << "ItemStarted"; });
        field->Validate.connect([this](bool&) { log_ << "Validate"; });
        field->AfterItem.connect([this](bool& cancel) {
            log_ << "AfterItem";
            cancel = cancelAfterItem_;
        });
        field->ItemFinished.connect([this] { log_ << "ItemFinished"; });
        return field;
    }

    std::shared_ptr<suite::LabelModel> label_;
    QStringList log_;
    bool cancelAfterItem_ = false;
};

struct Typing {
    int maxLength;
    bool upperCase;
    bool numeric;
    const char* typed;
    const char* shown;
    bool negative = false;
};

class TypingTest : public ControlsTest, public ::testing::WithParamInterface<Typing> {};

TEST_P(TypingTest, TheFieldKeepsWhatItsSettingsAllow) {
    const Typing& c = GetParam();
    auto field = edit(c.maxLength, c.upperCase, c.numeric, c.negative);
    ASSERT_TRUE(field->typeText(c.typed));
    EXPECT_EQ(field->text(), c.shown);
    EXPECT_TRUE(field->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Settings, TypingTest,
                         ::testing::Values(Typing{0, false, false, "abc", "abc"}, Typing{0, true, false, "abc", "ABC"},
                                           Typing{2, false, false, "abc", "ab"},
                                           Typing{3, false, true, "1a2b3c4", "123"},
                                           // A minus sign only leads, and only where negatives make sense.
                                           Typing{3, false, true, "-", ""}, Typing{4, false, true, "-1,5", "1,5"},
                                           Typing{4, false, true, "-1-2", "-12", true},
                                           Typing{4, false, true, "-", "-", true},
                                           // An emoji takes two units: cut before it rather than through it.
                                           Typing{3, false, false, "ab\xF0\x9F\x98\x80", "ab"},
                                           Typing{4, false, false, "ab\xF0\x9F\x98\x80", "ab\xF0\x9F\x98\x80"}));

TEST_F(ControlsTest, ANumericFieldGivesANumberAndAnEmptyFieldNull) {
    auto field = edit(5, false, true);
    field->typeText("42");
    EXPECT_EQ(field->value(), QVariant(qint64(42)));
    field->typeText("");
    EXPECT_TRUE(automation::isNull(field->value()));
}

TEST_F(ControlsTest, AFieldHeldPastItsFormStaysSafeToUseAndToDestroy) {
    host::ControlDesign box;
    box.kind = ControlKind::Panel;
    box.name = "PNL_PROVA";
    auto panel = std::dynamic_pointer_cast<suite::PanelModel>(factory_->createControl(box));  // a tree of its own
    host::ControlDesign field;
    field.kind = ControlKind::Edit;
    field.name = "TXT_PROVA";
    field.parent = panel;
    auto held = std::dynamic_pointer_cast<suite::EditModel>(factory_->createControl(field));
    field.parent.reset();
    held->setFocus();
    panel.reset();
    EXPECT_EQ(held->parentNode(), nullptr);
    EXPECT_EQ(held->focusedControl(), static_cast<host::Control*>(held.get()));
    held->typeText("AB");
    EXPECT_EQ(held->text(), "AB");
    held.reset();
}

TEST_F(ControlsTest, ADisabledFieldTakesNoTyping) {
    auto field = edit(0, false, false);
    field->setEnabled(false);
    EXPECT_FALSE(field->typeText("x"));
    EXPECT_EQ(field->text(), "");
}

TEST_F(ControlsTest, LeavingAChangedFieldDecodesItThenRaisesValidateAndAfterItem) {
    auto field = variantField();
    field->typeText("a1");
    ASSERT_TRUE(field->leave());
    EXPECT_EQ(log_, QStringList({"ItemStarted", "StartDecode", "Validate", "AfterItem", "ItemFinished"}));
    EXPECT_TRUE(field->decodeFound());
    EXPECT_EQ(label_->caption(), query("SELECT MG5F_DESCR_VAR FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 "
                                       "AND MG5F_CODICEVAR = 'A1'")
                                     .value(0));
    log_.clear();
    EXPECT_TRUE(field->leave());
    EXPECT_EQ(log_, QStringList());  // nothing changed since
}

TEST_F(ControlsTest, AnUnknownValueIsNotFoundAndClearsTheDecodedControls) {
    auto field = variantField();
    field->typeText("A1");
    field->leave();
    field->typeText("Z9");
    field->leave();
    EXPECT_FALSE(field->decodeFound());
    EXPECT_EQ(label_->text(), "");
}

TEST_F(ControlsTest, ACancelledAfterItemKeepsTheFieldToConfirm) {
    auto field = variantField();
    cancelAfterItem_ = true;
    field->typeText("A1");
    EXPECT_FALSE(field->leave());
    cancelAfterItem_ = false;
    log_.clear();
    EXPECT_TRUE(field->leave());
    EXPECT_TRUE(log_.contains("AfterItem"));
}

TEST_F(ControlsTest, EnterSwallowedByKeyDownConfirmsNothing) {
    auto field = variantField();
    field->KeyDown.connect([](int& key, int) { key = 0; });
    field->typeText("A1");
    EXPECT_TRUE(field->pressEnter());
    EXPECT_EQ(log_, QStringList());
}

// Picks the first row of its statement.
class FirstRowLookup : public host::LookupWindow {
public:
    explicit FirstRowLookup(std::shared_ptr<ado::Connection> connection) : connection_(std::move(connection)) {}
    void setConnectionString(const QString&) override {}
    void setIdentifier(const QString& identifier) override { identifier_ = identifier; }
    void setTitle(const QString&) override {}
    void setStatement(const QString& statement) override { statement_ = statement; }
    void setKeyField(const QString&) override {}
    void setColumnHeaders(const QList<QStringList>&) override {}
    void setMultipleSelection(bool) override {}
    void show() override { OnSelection.raise(identifier_, connection_->execute(statement_)); }
    void close() override {}

private:
    std::shared_ptr<ado::Connection> connection_;
    QString identifier_;
    QString statement_;
};

TEST_F(ControlsTest, APickedLookupRowBecomesTheTextAndIsConfirmed) {
    factory_->setLookupWindowCreator([this] { return std::make_shared<FirstRowLookup>(connection_); });
    auto field = variantField();
    field->StartLookup.connect([](host::LookupRequest& request) {
        request.statement =
            "SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 "
            "AND MG5F_CODICEVAR = 'A2'";
        request.fields = {"MG5F_CODICEVAR", "MG5F_DESCR_VAR"};
    });
    ASSERT_TRUE(field->openLookup());
    EXPECT_EQ(field->text(), "A2");
    EXPECT_TRUE(log_.contains("AfterItem"));
    EXPECT_TRUE(field->decodeFound());
}

class ComboTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        combo_ = add<suite::ComboModel>(ControlKind::Combo, "CBO_NATURA", "MG5F_INDNATURA");
        combo_->addItem("Alfanumerica", 0);
        combo_->addItem("Numerica", 1);
        combo_->ChangeRow.connect([this] { changes_ << combo_->text(); });
    }

    std::shared_ptr<suite::ComboModel> combo_;
    QStringList changes_;
};

TEST_F(ComboTest, TheTextIsTheChosenCodeAndSettingItChoosesTheEntry) {
    combo_->setText("1");
    EXPECT_EQ(combo_->currentIndex(), 1);
    EXPECT_EQ(combo_->currentText(), "Numerica");
    EXPECT_EQ(changes_, QStringList({"1"}));
    combo_->setText("7");
    EXPECT_FALSE(combo_->isValid());
    EXPECT_TRUE(automation::isNull(combo_->value()));
}

TEST_F(ComboTest, ACancelledPickPutsThePreviousEntryBack) {
    combo_->setCurrentIndex(0);
    combo_->AfterItem.connect([](bool& cancel) { cancel = true; });
    EXPECT_FALSE(combo_->pick(1));
    EXPECT_EQ(combo_->currentIndex(), 0);
    EXPECT_EQ(changes_, QStringList({"0", "1", "0"}));
}

TEST_F(ControlsTest, ACancelledToggleRestoresTheCheckBox) {
    auto check = add<suite::CheckModel>(ControlKind::Check, "CHK_INDPROGCONFIG");
    QStringList clicks;
    check->Click.connect([&] { clicks << check->text(); });
    check->AfterItem.connect([](bool& cancel) { cancel = true; });
    EXPECT_FALSE(check->toggle());
    EXPECT_EQ(check->text(), "0");
    EXPECT_EQ(clicks, QStringList({"1", "0"}));
}

}  // namespace
}  // namespace framework_test
