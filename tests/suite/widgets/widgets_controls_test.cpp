#include "widgets_fixture.h"

#include "suite/widgets/button_view.h"
#include "suite/widgets/check_view.h"
#include "suite/widgets/combo_view.h"
#include "suite/widgets/edit_view.h"
#include "suite/widgets/label_view.h"

#include "suite/framework/check_model.h"
#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/menu_button_model.h"
#include "suite/framework/scripted_lookups.h"

#include "automation/error.h"
#include "brondel/console/host_components/types.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

namespace widgets_test {
namespace {

using host::ControlKind;

class ControlsTest : public WidgetsTest {
protected:
    void SetUp() override {
        WidgetsTest::SetUp();
        QApplication::setActiveWindow(formView_);
    }

    std::shared_ptr<suite::EditModel> edit(const QString& name, bool upperCase = false) {
        host::ControlDesign design;
        design.kind = ControlKind::Edit;
        design.name = name;
        design.upperCase = upperCase;
        design.maxLength = 6;
        design.geometry = {150, 150 + 400 * fields_++, 2400, 315};
        return addDesign<suite::EditModel>(design);
    }
    std::shared_ptr<suite::ComboModel> combo() {
        auto model = add<suite::ComboModel>(ControlKind::Combo, "CBO_NATURA", {150, 900, 2400, 315});
        model->addItem("Alfanumerica", 0);
        model->addItem("Numerica", 1);
        hub_->syncAll();
        return model;
    }

    QStringList log_;
    int fields_ = 0;
};

TEST_F(ControlsTest, ViewsSitAtTheirModelsGeometryAndFollowItsMoves) {
    for (const ControlKind kind : {ControlKind::Label, ControlKind::Edit, ControlKind::Combo, ControlKind::Check,
                                   ControlKind::Button, ControlKind::Panel, ControlKind::GroupBox}) {
        const auto model = add<host::Control>(kind, QStringLiteral("CTL_%1").arg(int(kind)), {1500, 300, 3000, 315});
        QWidget& widget = hub_->viewOf(model.get())->widget();
        EXPECT_EQ(widget.geometry(), QRect(100, 20, 200, 21)) << int(kind);
        model->move(750, 1500, 1500, 600);
        EXPECT_EQ(widget.geometry(), QRect(50, 100, 100, 40)) << int(kind);
        model->setVisible(false);
        EXPECT_TRUE(widget.isHidden()) << int(kind);
        model->setVisible(true);
        model->setEnabled(false);
        EXPECT_FALSE(widget.isHidden()) << int(kind);
        EXPECT_FALSE(widget.isEnabled()) << int(kind);
    }
}

TEST_F(ControlsTest, ControlsAddedLaterGetTheirViewsInsideTheirContainerAtTheNextSync) {
    const auto panel = add<host::Control>(ControlKind::Panel, "PIC_PARAMETRI", {0, 0, 6000, 3000});
    host::ControlDesign design;
    design.kind = ControlKind::Label;
    design.name = "LBL_LATER";
    design.parent = panel;
    const auto label = factory_->createControl(design);
    EXPECT_EQ(hub_->viewOf(label.get()), nullptr);
    hub_->syncAll();
    ASSERT_NE(hub_->viewOf(label.get()), nullptr);
    EXPECT_EQ(hub_->viewOf(label.get())->widget().parentWidget(), &hub_->viewOf(panel.get())->widget());
}

TEST_F(ControlsTest, LabelsShowTheirCaptionOnTheirLinesAndTitleBarsAsHeadings) {
    const auto label = add<host::Control>(ControlKind::Label, "LBL_MESSAGGIOERRORE", {0, 0, 6000, 900});
    label->setCaption("Configurazione opzioni variante non abilitata.\r\nManca la personalizzazione.");
    EXPECT_EQ(view<suite::LabelView>(label)->text(),
              "Configurazione opzioni variante non abilitata.\nManca la personalizzazione.");
    EXPECT_TRUE(view<suite::LabelView>(label)->wordWrap());
    const auto title = add<host::Control>(ControlKind::Label, "TLB_TITOLO");
    EXPECT_EQ(view<suite::LabelView>(title)->objectName(), "titleBar");
}

TEST_F(ControlsTest, TypingIsTheTypeTextGestureWithTheFieldsRules) {
    const auto model = edit("TXT_CODICE", true);
    model->Change.connect([this] { log_ << "Change"; });
    auto* field = view<suite::EditView>(model);
    QTest::keyClicks(field, "ab1cdefg");
    EXPECT_EQ(model->text(), "AB1CDE");
    EXPECT_EQ(field->text(), "AB1CDE");
    EXPECT_EQ(log_.size(), 6);
    model->setText("XY");
    EXPECT_EQ(field->text(), "XY");
}

TEST_F(ControlsTest, EnterAndLeavingTheFieldConfirmTheValue) {
    const auto first = edit("TXT_PRIMO");
    const auto second = edit("TXT_SECONDO");
    first->Validate.connect([this](bool&) { log_ << "Validate"; });
    first->AfterItem.connect([this](bool&) { log_ << "AfterItem"; });
    auto* field = view<suite::EditView>(first);
    field->setFocus();
    QTest::keyClicks(field, "12");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(log_, QStringList({"Validate", "AfterItem"}));
    QTest::keyClicks(field, "3");
    view<suite::EditView>(second)->setFocus();
    EXPECT_EQ(log_, QStringList({"Validate", "AfterItem", "Validate", "AfterItem"}));
    EXPECT_TRUE(second->hasFocus());
}

TEST_F(ControlsTest, ARefusedLeaveBringsTheFocusBack) {
    const auto first = edit("TXT_PRIMO");
    const auto second = edit("TXT_SECONDO");
    first->Validate.connect([](bool& cancel) { cancel = true; });
    auto* field = view<suite::EditView>(first);
    field->setFocus();
    QTest::keyClicks(field, "1");
    view<suite::EditView>(second)->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(field->hasFocus());
}

TEST_F(ControlsTest, KeyDownHandlersSeeKeysAndMaySwallowThem) {
    const auto model = edit("TXT_DESOPZ");
    QList<int> keys;
    model->KeyDown.connect([&](int& key, int shift) {
        keys << key << shift;
        if (key == 'X')
            key = 0;
    });
    QTest::keyClicks(view<suite::EditView>(model), "aX");
    QTest::keyClick(view<suite::EditView>(model), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(keys, QList<int>({'A', 0, 'X', 0, 116, 1}));
    EXPECT_EQ(model->text(), "a");
}

TEST_F(ControlsTest, F3OrTheSearchButtonOpensTheLookupAndThePickedCodeIsConfirmed) {
    const auto model = edit("TXT_CODDOC");
    auto* field = view<suite::EditView>(model);
    EXPECT_FALSE(field->actions().first()->isVisible());
    model->StartLookup.connect([this](host::LookupRequest& request) {
        request.statement = "SELECT MG36_CODDOCUM, MG36_DESCR FROM MG36_DOCUMENTI ORDER BY MG36_CODDOCUM";
        request.fields = QStringList({"MG36_CODDOCUM", "MG36_DESCR"});
        request.title = "Documenti";
        request.connectionString = connectionString_;
    });
    model->AfterItem.connect([this](bool&) { log_ << "AfterItem"; });
    hub_->syncAll();
    EXPECT_TRUE(field->actions().first()->isVisible());
    lookups_->pickRow(1);
    QTest::keyClick(field, Qt::Key_F3);
    EXPECT_EQ(field->text(), "DDT");
    lookups_->pickRow(0);
    field->actions().first()->trigger();
    EXPECT_EQ(field->text(), "CARMAG");
    EXPECT_EQ(log_, QStringList({"AfterItem", "AfterItem"}));
}

TEST_F(ControlsTest, ChoosingAComboEntryIsThePickGestureAndARefusalShowsTheKeptEntry) {
    const auto model = combo();
    auto* box = view<suite::ComboView>(model);
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(1), "Numerica");
    EXPECT_EQ(box->currentIndex(), -1);
    model->setCurrentIndex(0);
    EXPECT_EQ(box->currentIndex(), 0);
    bool refuse = false;
    model->AfterItem.connect([&](bool& cancel) {
        log_ << model->text();
        cancel = refuse;
    });
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(model->currentIndex(), 1);
    refuse = true;
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(model->currentIndex(), 1);
    EXPECT_EQ(box->currentIndex(), 1);
    EXPECT_EQ(log_, QStringList({"1", "0"}));
}

TEST_F(ControlsTest, TheWheelChangesAComboOnlyWhileItHasTheFocus) {
    const auto model = combo();
    auto* box = view<suite::ComboView>(model);
    model->setCurrentIndex(0);
    const auto wheel = [&] {
        const QPointF at = QRectF(box->rect()).center();
        QWheelEvent event(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &event);
    };
    wheel();
    EXPECT_EQ(model->currentIndex(), 0);
    EXPECT_EQ(box->currentIndex(), 0);
    box->setFocus();
    wheel();
    EXPECT_EQ(model->currentIndex(), 1);
}

// What a person sees of a field: the colour at its middle and at its text's place.
TEST_F(ControlsTest, ADisabledFieldLooksDisabledEmptyOrNotMandatoryOrNot) {
    const auto plain = edit("TXT_PLAIN");
    const auto mandatory = edit("TXT_MANDATORY");
    mandatory->setMandatory(true);
    const auto fill = [&](const std::shared_ptr<suite::EditModel>& model) {
        hub_->syncAll();
        auto* field = view<suite::EditView>(model);
        return field->grab().toImage().pixelColor(field->width() - 8, field->height() / 2);
    };
    const QColor enabled = fill(plain);
    const QColor enabledMandatory = fill(mandatory);
    plain->setEnabled(false);
    mandatory->setEnabled(false);
    const QColor window = formView_->palette().color(QPalette::Window);
    EXPECT_NE(fill(plain), enabled);
    EXPECT_EQ(fill(plain), window);
    EXPECT_NE(fill(mandatory), enabledMandatory);
    EXPECT_EQ(fill(mandatory), window);
    plain->setText("12");
    hub_->syncAll();
    auto* field = view<suite::EditView>(plain);
    EXPECT_EQ(field->palette().color(QPalette::Disabled, QPalette::Text),
              field->palette().color(QPalette::Disabled, QPalette::WindowText));
}

TEST_F(ControlsTest, AComboListOpensWideEnoughForItsLongestEntry) {
    const auto model = add<suite::ComboModel>(ControlKind::Combo, "CBO_SUBVARPADRE", {150, 900, 1500, 315});
    const QString longest = QStringLiteral("Subvariante padre se non presente nella riga");
    model->addItem("No", 0);
    model->addItem(longest, 1);
    hub_->syncAll();
    auto* box = view<suite::ComboView>(model);
    ASSERT_LT(box->width(), box->fontMetrics().horizontalAdvance(longest));
    box->showPopup();
    const QWidget* list = box->view();
    EXPECT_GE(list->width(),
              list->fontMetrics().horizontalAdvance(longest) + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    box->hidePopup();
}

TEST_F(ControlsTest, ClickingACheckBoxTogglesItUnlessRefused) {
    const auto model = add<suite::CheckModel>(ControlKind::Check, "CHK_RAGGR");
    auto* box = view<suite::CheckView>(model);
    EXPECT_EQ(box->text(), "CHK_RAGGR");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(model->isChecked());
    EXPECT_TRUE(box->isChecked());
    model->AfterItem.connect([](bool& cancel) { cancel = true; });
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(model->isChecked());
    EXPECT_TRUE(box->isChecked());
}

TEST_F(ControlsTest, ButtonsRaiseClickAndMenuButtonsOfferTheirEntries) {
    const auto button = add<host::Button>(ControlKind::Button, "CMD_DEFAULT");
    button->Click.connect([this] { log_ << "Click"; });
    QTest::mouseClick(view<suite::ButtonView>(button), Qt::LeftButton);
    const auto menu = add<suite::MenuButtonModel>(ControlKind::MenuButton, "CMD_RINUMERA");
    menu->addItem("per opzione", "key_opzione");
    menu->addItem("per descrizione", "key_descrizione");
    menu->MenuItemClick.connect([this](const QString& key, const QString& caption) { log_ << key + "|" + caption; });
    const QList<QAction*> entries = view<suite::ButtonView>(menu)->menu()->actions();
    ASSERT_EQ(entries.size(), 2);
    entries[1]->trigger();
    EXPECT_EQ(log_, QStringList({"Click", "key_descrizione|per descrizione"}));
}

TEST_F(ControlsTest, TheFocusTheFormGivesAControlGoesToItsView) {
    const auto first = edit("TXT_PRIMO");
    const auto second = edit("TXT_SECONDO");
    second->setFocus();
    EXPECT_TRUE(view<suite::EditView>(second)->hasFocus());
    view<suite::EditView>(first)->setFocus();
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(ControlsTest, AFailingGestureIsReportedToThePersonNotThrownIntoQt) {
    const auto button = add<host::Button>(ControlKind::Button, "CMD_GUASTO");
    button->Click.connect([] { throw automation::Error(5, "CMD_GUASTO_Click", "Invalid procedure call or argument"); });
    QTest::mouseClick(view<suite::ButtonView>(button), Qt::LeftButton);
    EXPECT_EQ(failures_, QStringList({"Invalid procedure call or argument"}));
}

TEST_F(ControlsTest, ResizingTheFormViewIsTheResizeGestureInTwips) {
    QSize asked;
    formView_->setResizeGesture([&](int width, int height) { asked = QSize(width, height); });
    formView_->resize(700, 500);
    EXPECT_EQ(asked, QSize(10500, 7500));
    EXPECT_EQ(formView_->modelSize(), QSize(600, 400));
}

}  // namespace
}  // namespace widgets_test
