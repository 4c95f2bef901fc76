#include "framework_fixture.h"

#include "suite/framework/edit_model.h"
#include "suite/framework/grid_layout_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/label_model.h"
#include "suite/framework/virtual_frame_model.h"

#include "ado/recordset.h"
#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/data_format.h"
#include "brondel/console/host_components/types.h"

namespace framework_test {
namespace {

using host::ControlKind;
namespace button = host::navigator_button;
namespace answer = host::message_answer;

const QString GroupingsOfA0 = QStringLiteral(
    "SELECT MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, MG5G_DESCRRAGGVAR, MG5G_IDMEDIA_CG99 "
    "FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = 1 AND MG5G_CODICEVAR_MG5F = '%1' ORDER BY MG5G_CODRAGGVAR");
const QString StoredGroupings = QStringLiteral(
    "SELECT MG5G_CODRAGGVAR, MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = 1 "
    "AND MG5G_CODICEVAR_MG5F = 'A0' ORDER BY MG5G_CODRAGGVAR");

const QStringList Demo = {"CLASSICI|COLORI CLASSICI", "ESTATE|COLORI ESTIVI"};

// The groupings section of variant A0 (rows CLASSICI and ESTATE), built as the console builds it; every
// frame event and navigator click is logged in order.
class FrameTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        code_ = field("TXT_CODRAGGR", "MG5G_CODRAGGVAR", "Codice raggruppamento", 25);
        description_ = field("TXT_DESRAGGR", "MG5G_DESCRRAGGVAR", "Descrizione raggruppamento", 36);
        grid_ = add<suite::GridModel>(ControlKind::Grid, "GRD_RAGGRUP");
        navigator_ = add<suite::GridNavigatorModel>(ControlKind::GridNavigator, "GNV_RAGGRUP");
        build(QStringLiteral("A0"));
    }

    std::shared_ptr<suite::EditModel> field(const QString& name, const QString& column, const QString& caption,
                                            int maxLength) {
        host::ControlDesign design;
        design.kind = ControlKind::Edit;
        design.name = name;
        design.boundColumn = column;
        design.caption = caption;
        design.maxLength = maxLength;
        design.upperCase = true;
        design.mandatory = true;
        return add<suite::EditModel>(design);
    }

    void build(const QString& variant) {
        rows_ = open(GroupingsOfA0.arg(variant));
        frame_ = std::dynamic_pointer_cast<suite::VirtualFrameModel>(factory_->createVirtualFrame());
        frame_->initialize(nullptr, connection_, rows_, GroupingsOfA0, QString(), navigator_, grid_);
        frame_->addControl(description_);
        frame_->addControl(code_);
        frame_->setKeyControl(code_);
        frame_->setEditingEnabled(true);
        frame_->AfterAddNew.connect([this, variant](bool success) {
            if (success) {
                rows_->setValue("MG5G_DITTA_CG18", 1);
                rows_->setValue("MG5G_CODICEVAR_MG5F", variant);
            }
        });
        logEvents();
        frame_->setStatus(rows_->recordCount() > 0 ? host::frame_status::Browse : host::frame_status::Adding);
        log_.clear();
    }

    void logEvents() {
        const auto cancelled = [this](const char* name, bool& cancel) {
            log_ << QString::fromLatin1(name);
            if (cancelIn_ == QLatin1String(name))
                cancel = true;
        };
        frame_->BeforeAddNew.connect([=](bool& c) { cancelled("BeforeAddNew", c); });
        frame_->BeforeUpdate.connect([=](bool& c) { cancelled("BeforeUpdate", c); });
        frame_->BeforeDelete.connect([=](bool& c) { cancelled("BeforeDelete", c); });
        frame_->BeforeUndo.connect([=](bool& c) { cancelled("BeforeUndo", c); });
        frame_->AfterAddNew.connect([this](bool s) { log_ << QStringLiteral("AfterAddNew(%1)").arg(s); });
        frame_->AfterUpdate.connect([this](bool s) { log_ << QStringLiteral("AfterUpdate(%1)").arg(s); });
        frame_->AfterDelete.connect([this](bool s) { log_ << QStringLiteral("AfterDelete(%1)").arg(s); });
        frame_->AfterUndo.connect([this](bool s) { log_ << QStringLiteral("AfterUndo(%1)").arg(s); });
        frame_->ChangeStatus.connect([this](qint16 s, qint32) { log_ << QStringLiteral("ChangeStatus(%1)").arg(s); });
        navigator_->AfterButtonClick.connect([this](bool s, const QString& caption) {
            log_ << QStringLiteral("AfterButtonClick(%1,%2)").arg(s).arg(caption);
        });
    }

    void expectConsistent() { EXPECT_EQ(grid_->checkInvariants(), QStringList()); }

    std::shared_ptr<suite::EditModel> code_;
    std::shared_ptr<suite::EditModel> description_;
    std::shared_ptr<suite::GridModel> grid_;
    std::shared_ptr<suite::GridNavigatorModel> navigator_;
    std::shared_ptr<suite::VirtualFrameModel> frame_;
    std::shared_ptr<ado::Recordset> rows_;
    QStringList log_;
    QString cancelIn_;
};

TEST_F(FrameTest, NewTypeSaveWritesTheRowWithEventsInOrder) {
    ASSERT_TRUE(navigator_->pressButton(button::New));
    EXPECT_EQ(frame_->status(), host::frame_status::Adding);
    EXPECT_TRUE(code_->hasFocus());
    EXPECT_EQ(log_, QStringList({"BeforeAddNew", "AfterAddNew(1)", "ChangeStatus(2)", "AfterButtonClick(1,Nuovo)"}));
    log_.clear();
    code_->typeText("inverno");
    description_->typeText("colori invernali");
    ASSERT_TRUE(navigator_->pressButton(button::Save));

    EXPECT_EQ(log_, QStringList({"BeforeUpdate", "AfterUpdate(1)", "ChangeStatus(0)", "AfterButtonClick(1,Conferma)"}));
    EXPECT_EQ(frame_->status(), host::frame_status::Browse);
    EXPECT_EQ(query(StoredGroupings),
              QStringList({"CLASSICI|COLORI CLASSICI", "ESTATE|COLORI ESTIVI", "INVERNO|COLORI INVERNALI"}));
    EXPECT_EQ(grid_->rowCount(), 3);
    expectConsistent();
}

TEST_F(FrameTest, ControlValuesAreInTheRowBeforeBeforeUpdate) {
    QString seen;
    frame_->BeforeUpdate.connect([&](bool&) { seen = automation::cstr(rows_->value("MG5G_DESCRRAGGVAR")); });
    navigator_->pressButton(button::New);
    code_->typeText("INVERNO");
    description_->typeText("COLORI INVERNALI");
    navigator_->pressButton(button::Save);
    EXPECT_EQ(seen, "COLORI INVERNALI");
}

struct CancelCase {
    const char* event;
    qint16 statusBefore;  // 0: on the first row in browse, 1: its description typed, 2: a new row typed
    const char* buttonCaption;
    qint16 statusAfter;
    QStringList stored;
};

class FrameCancelTest : public FrameTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(FrameCancelTest, CancelStopsTheOperationAndKeepsTheRow) {
    const CancelCase& c = GetParam();
    if (c.statusBefore == host::frame_status::Editing)
        description_->typeText("ALTRI COLORI");
    if (c.statusBefore == host::frame_status::Adding) {
        navigator_->pressButton(button::New);
        code_->typeText("INVERNO");
        description_->typeText("COLORI INVERNALI");
    }
    const qint64 rowsBefore = rows_->recordCount();
    cancelIn_ = c.event;
    log_.clear();

    EXPECT_FALSE(navigator_->pressButton(c.buttonCaption));
    EXPECT_EQ(log_, QStringList({c.event, QStringLiteral("AfterButtonClick(0,%1)").arg(c.buttonCaption)}));
    EXPECT_EQ(frame_->status(), c.statusAfter);
    EXPECT_EQ(rows_->recordCount(), rowsBefore);
    EXPECT_EQ(query(StoredGroupings), c.stored);
    expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(Events, FrameCancelTest,
                         ::testing::Values(CancelCase{"BeforeAddNew", 0, "Nuovo", 0, Demo},
                                           CancelCase{"BeforeUpdate", 2, "Conferma", 2, Demo},
                                           CancelCase{"BeforeUpdate", 1, "Conferma", 1, Demo},
                                           CancelCase{"BeforeUndo", 1, "Annulla", 1, Demo},
                                           CancelCase{"BeforeDelete", 0, "Elimina", 0, Demo}));

TEST_F(FrameTest, MissingMandatoryFieldIsRefusedWithItsCaption) {
    navigator_->pressButton(button::New);
    code_->typeText("INVERNO");
    log_.clear();
    EXPECT_FALSE(navigator_->pressButton(button::Save));
    EXPECT_EQ(messages_->texts(), QStringList({"Il campo \"Descrizione raggruppamento\" è obbligatorio."}));
    EXPECT_EQ(messages_->shown().first().style, host::message_style::Exclamation);
    EXPECT_EQ(messages_->shown().first().title, "Prova");
    EXPECT_TRUE(description_->hasFocus());
    EXPECT_EQ(frame_->status(), host::frame_status::Adding);
    EXPECT_EQ(query(StoredGroupings), Demo);
}

TEST_F(FrameTest, TypingInBrowseStartsAnEditThatSaveWrites) {
    ASSERT_TRUE(grid_->selectRow(1));
    EXPECT_EQ(code_->text(), "ESTATE");
    description_->typeText("colori del sole");
    EXPECT_EQ(log_, QStringList({"ChangeStatus(1)"}));
    EXPECT_TRUE(navigator_->hasPendingEdit());
    navigator_->pressButton(button::Save);
    EXPECT_EQ(query(StoredGroupings), QStringList({"CLASSICI|COLORI CLASSICI", "ESTATE|COLORI DEL SOLE"}));
    EXPECT_FALSE(navigator_->hasPendingEdit());
}

TEST_F(FrameTest, ProgrammaticTextDoesNotStartAnEdit) {
    description_->setText("DA CODICE");
    EXPECT_EQ(frame_->status(), host::frame_status::Browse);
}

TEST_F(FrameTest, MovingShowsTheNewRowAndSavesAPendingEditFirst) {
    description_->typeText("COLORI FREDDI");
    ASSERT_TRUE(grid_->selectRow(1));
    EXPECT_EQ(description_->text(), "COLORI ESTIVI");
    EXPECT_EQ(query(StoredGroupings), QStringList({"CLASSICI|COLORI FREDDI", "ESTATE|COLORI ESTIVI"}));
    expectConsistent();
}

TEST_F(FrameTest, ChangesTheFrameShowsAreTellableFromAPersonsAndEachShownRowIsAnnounced) {
    QStringList seen;
    description_->Change.connect(
        [&] { seen << description_->text() + (frame_->isShowingRow() ? ":frame" : ":person"); });
    frame_->RowShown.connect([&] { seen << "RowShown"; });
    ASSERT_TRUE(grid_->selectRow(1));
    description_->typeText("COLORI CALDI");
    ASSERT_TRUE(navigator_->pressButton(button::Undo));
    EXPECT_EQ(seen, QStringList(
                        {"COLORI ESTIVI:frame", "RowShown", "COLORI CALDI:person", "COLORI ESTIVI:frame", "RowShown"}));
}

TEST_F(FrameTest, ARefusedSaveRefusesTheMove) {
    description_->typeText("COLORI FREDDI");
    cancelIn_ = "BeforeUpdate";
    EXPECT_FALSE(grid_->selectRow(1));
    EXPECT_EQ(grid_->currentRow(), 0);
    EXPECT_EQ(description_->text(), "COLORI FREDDI");
    EXPECT_EQ(frame_->status(), host::frame_status::Editing);
}

TEST_F(FrameTest, UndoOfAnEditShowsTheStoredValues) {
    description_->typeText("COLORI FREDDI");
    log_.clear();
    navigator_->pressButton(button::Undo);
    EXPECT_EQ(log_, QStringList({"BeforeUndo", "AfterUndo(1)", "ChangeStatus(0)", "AfterButtonClick(1,Annulla)"}));
    EXPECT_EQ(description_->text(), "COLORI CLASSICI");
}

TEST_F(FrameTest, UndoOfANewRowReturnsToThePreviousRow) {
    grid_->selectRow(1);
    navigator_->pressButton(button::New);
    code_->typeText("INVERNO");
    navigator_->pressButton(button::Undo);
    EXPECT_EQ(code_->text(), "ESTATE");
    EXPECT_EQ(rows_->recordCount(), 2);
    EXPECT_EQ(grid_->currentRow(), 1);
    expectConsistent();
}

TEST_F(FrameTest, DeleteRemovesTheRowAndShowsTheOneTakingItsPlace) {
    // The demo groupings are used by articles; a new one is not.
    navigator_->pressButton(button::New);
    code_->typeText("INVERNO");
    description_->typeText("COLORI INVERNALI");
    navigator_->pressButton(button::Save);
    log_.clear();
    ASSERT_TRUE(navigator_->pressButton(button::Delete));
    EXPECT_EQ(log_, QStringList({"BeforeDelete", "AfterDelete(1)", "AfterButtonClick(1,Elimina)"}));
    EXPECT_EQ(query(StoredGroupings), Demo);
    EXPECT_EQ(code_->text(), "ESTATE");
    expectConsistent();
}

TEST_F(FrameTest, ADeleteRefusedByTheDatabaseRaisesItsErrorAndKeepsTheRow) {
    // BIA is part of the grouping CLASSICI: the composition's foreign key refuses its delete.
    rows_ = open(
        "SELECT * FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0' "
        "AND MG5E_OPZIONE = 'BIA'");
    frame_->setRecordset(rows_);
    log_.clear();
    try {
        frame_->deleteRow();
        FAIL() << "no error";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), automation::errors::IntegrityViolation);
    }
    EXPECT_EQ(log_, QStringList({"BeforeDelete", "AfterDelete(0)"}));
    EXPECT_EQ(rows_->recordCount(), 1);
    EXPECT_EQ(query("SELECT COUNT(*) FROM MG5E_OPZIONI WHERE MG5E_OPZIONE = 'BIA'"), QStringList({"1"}));
}

struct CloseCase {
    bool allowCancel;
    qint32 answer;
    qint32 result;
    qint16 status;
    QString stored;
};

class FrameCloseTest : public FrameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(FrameCloseTest, PendingEditIsSavedDroppedOrKeptAsAnswered) {
    const CloseCase& c = GetParam();
    description_->typeText("COLORI FREDDI");
    messages_->answer(c.answer);
    EXPECT_EQ(frame_->queryClose(true, 0, c.allowCancel), c.result);
    ASSERT_EQ(messages_->shown().size(), 1);
    EXPECT_EQ(messages_->shown().first().text, "Il record corrente è stato modificato. Salvare le modifiche?");
    EXPECT_EQ(messages_->shown().first().style, c.allowCancel ? 35 : 36);
    EXPECT_EQ(frame_->status(), c.status);
    EXPECT_EQ(query(StoredGroupings).first(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Answers, FrameCloseTest,
                         ::testing::Values(CloseCase{false, answer::Yes, -1, 0, "CLASSICI|COLORI FREDDI"},
                                           CloseCase{false, answer::No, -1, 0, "CLASSICI|COLORI CLASSICI"},
                                           CloseCase{true, answer::Cancel, 0, 1, "CLASSICI|COLORI CLASSICI"}));

TEST_F(FrameTest, CloseQueryInBrowseAsksNothing) {
    EXPECT_EQ(frame_->queryClose(true, 0, true), -1);
    EXPECT_TRUE(messages_->shown().isEmpty());
}

TEST_F(FrameTest, NewRowNobodyTypedIntoClosesWithoutAsking) {
    navigator_->pressButton(button::New);
    EXPECT_EQ(frame_->queryClose(true, 0, true), -1);
    description_->typeText("INVERNO");
    messages_->answer(answer::Cancel);
    EXPECT_EQ(frame_->queryClose(true, 0, true), 0);
    EXPECT_EQ(messages_->texts(), QStringList({"Il record corrente è stato modificato. Salvare le modifiche?"}));
}

TEST_F(FrameTest, KeyCheckRefusesAKeyAlreadyPresent) {
    navigator_->pressButton(button::New);
    code_->typeText("estate");
    EXPECT_FALSE(frame_->checkKey());
    EXPECT_EQ(messages_->texts(), QStringList({"Il codice \"ESTATE\" è già presente."}));
    code_->typeText("INVERNO");
    EXPECT_TRUE(frame_->checkKey());
}

TEST_F(FrameTest, AnEmptyRecordsetOpensAddingANewRow) {
    build(QStringLiteral("A5"));
    EXPECT_EQ(frame_->status(), host::frame_status::Adding);
    EXPECT_EQ(code_->text(), "");
    EXPECT_TRUE(navigator_->isButtonAvailable(button::Save));
    EXPECT_FALSE(navigator_->isButtonAvailable(button::Delete));
}

TEST_F(FrameTest, NoEventsDuringABulkChange) {
    frame_->beginBulkChange();
    description_->typeText("COLORI FREDDI");
    frame_->setStatus(host::frame_status::Browse);
    frame_->endBulkChange();
    EXPECT_EQ(log_, QStringList());
}

struct AvailabilityCase {
    qint16 status;
    QList<bool> available;  // Nuovo, Conferma, Annulla, Elimina
};

class NavigatorTest : public FrameTest, public ::testing::WithParamInterface<AvailabilityCase> {};

TEST_P(NavigatorTest, ButtonsFollowTheFrameStatus) {
    if (GetParam().status == host::frame_status::Editing)
        description_->typeText("X");
    if (GetParam().status == host::frame_status::Adding)
        navigator_->pressButton(button::New);
    QList<bool> available;
    for (const QString& caption : suite::GridNavigatorModel::buttons())
        available << navigator_->isButtonAvailable(caption);
    EXPECT_EQ(available, GetParam().available);
    navigator_->setAvailable(false);
    for (const QString& caption : suite::GridNavigatorModel::buttons())
        EXPECT_FALSE(navigator_->isButtonAvailable(caption)) << caption.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Statuses, NavigatorTest,
                         ::testing::Values(AvailabilityCase{0, {true, false, false, true}},
                                           AvailabilityCase{1, {true, true, true, false}},
                                           AvailabilityCase{2, {true, true, true, false}}));

TEST_F(FrameTest, ABoundControlShowsTheRowThroughItsDataFormat) {
    const auto format = factory_->createDataFormat();
    format->Format.connect([](QVariant& value) { value = automation::cstr(value).toLower(); });
    format->UnFormat.connect([](QVariant& value) { value = automation::cstr(value).toUpper(); });
    auto rank = add<suite::EditModel>(ControlKind::Edit, "TXT_RANK", "MG5G_CODRAGGVAR");
    frame_->addControl(rank, format);
    frame_->positionOnCurrentRow(false);
    EXPECT_EQ(rank->text(), "classici");
    grid_->selectRow(1);
    EXPECT_EQ(rank->text(), "estate");
    description_->typeText("COLORI ESTIVI");
    navigator_->pressButton(button::Save);
    EXPECT_EQ(query(StoredGroupings), Demo);
}

TEST_F(FrameTest, ShowingARowDecodesTheBoundFields) {
    auto shown = add<suite::LabelModel>(ControlKind::Label, "LBL_DECODED");
    auto decoded = add<suite::EditModel>(ControlKind::Edit, "TXT_DECODED", "MG5G_CODRAGGVAR");
    decoded->StartDecode.connect([&](host::DecodeRequest& request) {
        request.statement =
            "SELECT MG5G_DESCRRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = 1 AND "
            "MG5G_CODICEVAR_MG5F = 'A0' AND MG5G_CODRAGGVAR = '" +
            decoded->text() + "'";
        request.fields = {{"MG5G_DESCRRAGGVAR", shown}};
        request.connectionString = connectionString_;
    });
    frame_->addControl(decoded);
    grid_->selectRow(1);
    EXPECT_EQ(shown->text(), "COLORI ESTIVI");
    EXPECT_TRUE(decoded->decodeFound());
}

}  // namespace
}  // namespace framework_test
