#include "services_fixture.h"

#include "suite/framework/message_service_model.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/translator_model.h"

#include "ado/connection.h"
#include "automation/error.h"
#include "brondel/console/host_components/types.h"

namespace services_test {
namespace {

using namespace host::message_style;
using host::message_answer::No;

class MessagesTest : public ServicesTest {
protected:
    void SetUp() override {
        ServicesTest::SetUp();
        service_ = host_->factory()->createMessageService();
        service_->initialize(module_);
    }

    std::shared_ptr<host::MessageService> service_;
};

TEST_F(MessagesTest, AnOkMessageIsAnsweredOkAndAQuestionTakesTheQueuedAnswer) {
    host_->messages().answer(No);
    EXPECT_EQ(service_->showMessage("Dati salvati.", Information, "Informazione", false, 0), host::message_answer::Ok);
    EXPECT_EQ(service_->showMessage("Continuare?", YesNo + Question, "Attenzione", false, 0), No);
    const auto& shown = host_->messages().shown();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, "Dati salvati.");
    EXPECT_EQ(shown[0].style, Information);
    EXPECT_EQ(shown[0].title, "Informazione");
    EXPECT_EQ(shown[1].style, 36);
}

TEST_F(MessagesTest, AQuestionNobodyExpectedRaisesItsText) {
    try {
        service_->showMessage("Eliminare la variante?", YesNo + Question, "Attenzione", false, 0);
        FAIL() << "no error raised";
    } catch (const automation::Error& error) {
        EXPECT_EQ(error.number(), suite::UnexpectedByScript);
        EXPECT_EQ(error.description(), "No answer queued for: Eliminare la variante?");
    }
    EXPECT_EQ(host_->messages().unexpected(), QStringList{"Eliminare la variante?"});
    host_->messages().clear();
}

TEST_F(MessagesTest, ATranslatedMessageGoesThroughTheHostTranslator) {
    host_->translator().addTranslation("Pronto", "Ready");
    service_->showMessage("Pronto", Ok, "Pronto", true, 0);
    service_->showMessage("Pronto", Ok, "Pronto", false, 0);
    EXPECT_EQ(host_->messages().texts(), QStringList({"Ready", "Pronto"}));
    EXPECT_EQ(host_->messages().shown().first().title, "Ready");
}

TEST_F(MessagesTest, TheErrorBoxListsWhereTheErrorHappenedAndTheDatabaseErrors) {
    auto connection = host_->factory()->openConnection(host_->connectionString());
    EXPECT_THROW(connection->execute("DELETE FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1"), automation::Error);
    ASSERT_EQ(connection->errors().size(), 1u);
    const ado::Error databaseError = connection->errors().front();

    service_->setCurrentError(automation::Error(-2147217873, "Form_Activate:\r\nADODB.Connection", "Violazione"));
    service_->setDatabaseErrors(connection);
    host_->messages().answer(host::message_answer::Ignore);
    EXPECT_EQ(service_->errorBox("MGUO_BRONDEL", "Console parametri varianti", "Form_Activate", 4370, 0),
              host::message_answer::Ignore);

    const auto& box = host_->messages().shown().last();
    EXPECT_TRUE(box.errorBox);
    EXPECT_EQ(box.style, 4370);
    EXPECT_EQ(box.title, "MGUO_BRONDEL");
    EXPECT_EQ(box.text,
              "Programma: MGUO_BRONDEL\r\n"
              "Maschera: Console parametri varianti\r\n"
              "Procedura: Form_Activate\r\n"
              "Errore -2147217873: Violazione\r\n"
              "Origine: Form_Activate:\r\nADODB.Connection\r\n"
              "Errori del database:\r\n"
              "Errore " +
                  QString::number(databaseError.number()) + ": " + databaseError.description());
}

TEST_F(MessagesTest, AnErrorBoxNobodyExpectedRaisesItsText) {
    service_->setCurrentError(automation::Error(5, "Prova", "Invalid procedure call or argument"));
    EXPECT_THROW(service_->errorBox("Programma", "Maschera", "Prova", 4370, 0), automation::Error);
    ASSERT_EQ(host_->messages().unexpected().size(), 1);
    EXPECT_TRUE(host_->messages().unexpected().first().contains("Procedura: Prova"));
    host_->messages().clear();
}

TEST_F(MessagesTest, AReportedErrorIsShownWithoutAQuestion) {
    service_->reportError(automation::Error(91, "GRIDNAV", "Object variable not set"), "MGUO_PELMARO",
                          "GRIDNAV_AfterButtonClick", "0_0_0_0");
    const auto& report = host_->messages().shown().last();
    EXPECT_EQ(report.style, Ok + Critical);
    EXPECT_EQ(report.title, "MGUO_PELMARO");
    EXPECT_TRUE(report.text.contains("Procedura: GRIDNAV_AfterButtonClick"));
    EXPECT_TRUE(report.text.endsWith("Posizione: 0_0_0_0"));
}

}  // namespace
}  // namespace services_test
