#include "services_fixture.h"

#include "suite/framework/edit_model.h"
#include "suite/framework/label_model.h"
#include "suite/framework/lookup_window_model.h"
#include "suite/framework/scripted_lookups.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/lookup_service.h"

#include <algorithm>
#include <functional>

namespace services_test {
namespace {

using host::ControlKind;

class LookupTest : public ServicesTest {
protected:
    void SetUp() override {
        ServicesTest::SetUp();
        lookups_ = host_->factory()->createLookupService();
        lookups_->initialize(module_);
        decodes_ = host_->factory()->createDecodeService();
        decodes_->initialize(module_);
        field_ = add<suite::EditModel>(ControlKind::Edit, "TXT_CODICE");
        description_ = add<suite::LabelModel>(ControlKind::Label, "LBL_DESCR");
    }

    std::shared_ptr<host::LookupService> lookups_;
    std::shared_ptr<host::DecodeService> decodes_;
    std::shared_ptr<suite::EditModel> field_;
    std::shared_ptr<suite::LabelModel> description_;
};

// A standard lookup as the console uses it: the service's request, with the console's own condition.
struct Lookup {
    const char* name;
    std::function<host::LookupRequest(host::LookupService&)> request;
    const char* title;
    QStringList firstRows;
    int rowCount;
    int pick;
    const char* picked;
};

void PrintTo(const Lookup& lookup, std::ostream* os) { *os << lookup.name; }

class StandardLookupTest : public LookupTest, public ::testing::WithParamInterface<Lookup> {};

TEST_P(StandardLookupTest, ListsTheCompanysRowsAndPutsThePickedCodeInTheField) {
    const Lookup& c = GetParam();
    field_->StartLookup.connect([&](host::LookupRequest& request) { request = c.request(*lookups_); });
    host_->lookups().pickRow(c.pick);
    ASSERT_TRUE(field_->openLookup());
    EXPECT_EQ(field_->text(), c.picked);
    const auto& shown = host_->lookups().shown().last();
    EXPECT_EQ(shown.view.title, c.title);
    EXPECT_EQ(shown.rows.size(), c.rowCount);
    EXPECT_EQ(shown.rows.mid(0, c.firstRows.size()), c.firstRows);
}

INSTANTIATE_TEST_SUITE_P(
    Suite, StandardLookupTest,
    ::testing::Values(Lookup{"variants",
                             [](host::LookupService& s) { return s.variantLookup({}); },
                             "Varianti",
                             {"1|COLORE", "2|TAGLIA"},
                             6,
                             2,
                             "3"},
                      Lookup{"variantsOwningOptions",
                             [](host::LookupService& s) {
                                 host::LookupRequest r = s.variantLookup({});
                                 r.statement.replace("ORDER BY", "AND MG5F_INDPROGCONFIG <> 1 ORDER BY");
                                 return r;
                             },
                             "Varianti",
                             {"1|COLORE"},
                             5,
                             4,
                             "5"},
                      Lookup{"groupings",
                             [](host::LookupService& s) { return s.groupingLookup("A1", {}); },
                             "Raggruppamenti varianti",
                             {"ADULTO|TAGLIE ADULTO", "BAMBINO|TAGLIE BAMBINO"},
                             2,
                             1,
                             "BAMBINO"},
                      Lookup{"documents",
                             [](host::LookupService& s) { return s.documentLookup({}); },
                             "Documenti",
                             {"CARMAG|Carico di magazzino", "DDT|Documento di trasporto"},
                             7,
                             1,
                             "DDT"},
                      Lookup{"customers",
                             [](host::LookupService& s) { return s.customerSupplierLookup(0, {}); },
                             "Clienti",
                             {"1001|Abbigliamento Rossi S.r.l.|Milano|01234567890"},
                             3,
                             2,
                             "1003"},
                      Lookup{"suppliersFiltered",
                             [](host::LookupService& s) { return s.customerSupplierLookup(1, "CG44_CITTA = 'Como'"); },
                             "Fornitori",
                             {"2001|Tessiture Lombarde S.p.A.|Como|05678901234"},
                             1,
                             0,
                             "2001"}));

TEST_F(LookupTest, ACancelledLookupLeavesTheField) {
    field_->setText("A");
    field_->StartLookup.connect([&](host::LookupRequest& request) { request = lookups_->documentLookup({}); });
    host_->lookups().cancel();
    EXPECT_FALSE(field_->openLookup());
    EXPECT_EQ(field_->text(), "A");
}

TEST_F(LookupTest, AConfirmedSelectionHandsBackAStatementOfTheSelectedRows) {
    auto window = host_->factory()->createLookupWindow();
    window->setConnectionString(host_->connectionString());
    window->setStatement(
        "SELECT MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E FROM MG5H_COMPRAGVAR WHERE MG5H_DITTA_CG18 = 1 "
        "AND MG5H_RAGGR_MG5G = 'CLASSICI' ORDER BY MG5H_SEQOPZIONE");
    window->setMultipleSelection(true);
    QString statement;
    window->OnReturnRecordSet.connect([&](const QString& selected) { statement = selected; });
    host_->lookups().pickSelection({2, 0});
    window->show();
    const QStringList all = host_->lookups().shown().last().rows;
    ASSERT_GE(all.size(), 3);
    EXPECT_EQ(query(statement), QStringList({all[2], all[0]}));
}

TEST_F(LookupTest, ASelectionOfThousandsOfRowsHandsBackEveryRowInTheOrderPicked) {
    const auto connection = host_->factory()->openConnection(host_->connectionString());
    for (int part = 0; part < 3; ++part) {
        QStringList values;
        for (int i = 0; i < 700; ++i)
            values << QStringLiteral("(1, 'A0', 'P%1')").arg(part * 700 + i, 4, 10, QLatin1Char('0'));
        connection->execute("INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE) VALUES " +
                            values.join(','));
    }
    auto window = host_->factory()->createLookupWindow();
    window->setConnectionString(host_->connectionString());
    window->setStatement(
        "SELECT MG5E_OPZIONE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0' "
        "AND MG5E_OPZIONE LIKE 'P%' ORDER BY MG5E_OPZIONE");
    window->setMultipleSelection(true);
    QString statement;
    window->OnReturnRecordSet.connect([&](const QString& selected) { statement = selected; });
    QList<int> picks;
    for (int i = 2099; i >= 0; --i)
        picks << i;
    host_->lookups().pickSelection(picks);
    window->show();
    QStringList expected = host_->lookups().shown().last().rows;
    ASSERT_EQ(expected.size(), 2100);
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(query(statement), expected);
}

TEST_F(LookupTest, APickedRowIsHandedOverWithItsWindowsIdentifier) {
    auto window = host_->factory()->createLookupWindow();
    window->setConnectionString(host_->connectionString());
    window->setIdentifier("LkpId_MG5E");
    window->setStatement(
        "SELECT MG5E_OPZIONE, MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
        "MG5E_CODICEVAR_MG5F = 'A0' ORDER BY MG5E_OPZIONE");
    QString identifier;
    QString option;
    window->OnSelection.connect([&](const QString& id, std::shared_ptr<ado::Recordset> row) {
        identifier = id;
        option = automation::cstr(row->value("MG5E_OPZIONE"));
    });
    host_->lookups().pickRow(1);
    window->show();
    EXPECT_EQ(identifier, "LkpId_MG5E");
    EXPECT_EQ(option, "BLU");
}

TEST_F(LookupTest, ASelectionInASingleSelectionWindowIsRefused) {
    auto window = host_->factory()->createLookupWindow();
    window->setConnectionString(host_->connectionString());
    window->setStatement("SELECT MG36_CODDOCUM FROM MG36_DOCUMENTI");
    host_->lookups().pickSelection({0, 1});
    EXPECT_THROW(window->show(), automation::Error);
}

// A standard decode as the console uses it: the service's request with the description bound to a label.
struct Decode {
    const char* name;
    std::function<host::DecodeRequest(host::DecodeService&)> request;
    const char* typed;
    bool found;
    const char* description;
};

void PrintTo(const Decode& decode, std::ostream* os) { *os << decode.name; }

class StandardDecodeTest : public LookupTest, public ::testing::WithParamInterface<Decode> {};

TEST_P(StandardDecodeTest, FindsTheTypedCodeAndFillsItsDescription) {
    const Decode& c = GetParam();
    description_->setText("?");
    field_->StartDecode.connect([&](host::DecodeRequest& request) {
        request = c.request(*decodes_);
        request.fields[1].target = description_;
    });
    field_->typeText(c.typed);
    ASSERT_TRUE(field_->leave());
    EXPECT_EQ(field_->decodeFound(), c.found);
    EXPECT_EQ(description_->text(), c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Suite, StandardDecodeTest,
    ::testing::Values(
        Decode{"variant", [](host::DecodeService& s) { return s.variantDecode("A1"); }, "2", true, "TAGLIA"},
        Decode{"reservedVariantExcluded",
               [](host::DecodeService& s) {
                   host::DecodeRequest r = s.variantDecode("A5");
                   r.statement += " AND MG5F_INDPROGCONFIG <> 1 ";
                   return r;
               },
               "6", false, ""},
        Decode{"grouping", [](host::DecodeService& s) { return s.groupingDecode("A0", "ESTATE"); }, "ESTATE", true,
               "COLORI ESTIVI"},
        Decode{"groupingOfAnotherVariant", [](host::DecodeService& s) { return s.groupingDecode("A1", "ESTATE"); },
               "ESTATE", false, ""},
        Decode{"document", [](host::DecodeService& s) { return s.documentDecode("FATTURA"); }, "FATTURA", true,
               "Fattura immediata"},
        Decode{"documentNotEnabledForTheCompany", [](host::DecodeService& s) { return s.documentDecode("SCAMAG"); },
               "SCAMAG", false, ""}));

TEST_F(LookupTest, ACustomerDecodeFillsTheCustomersDataInOrder) {
    QList<std::shared_ptr<host::Control>> targets;
    for (int i = 0; i < 7; ++i)
        targets << add<suite::EditModel>(ControlKind::Edit, QString("TXT_DATO%1").arg(i));
    const host::DecodeRequest request = decodes_->customerSupplierDecode(targets, 0, 1003);
    field_->StartDecode.connect([&](host::DecodeRequest& r) { r = request; });
    field_->typeText("1003");
    field_->leave();
    ASSERT_TRUE(field_->decodeFound());
    QStringList texts;
    for (const auto& target : targets)
        texts << target->text();
    EXPECT_EQ(texts, QStringList({"Boutique Verdi di Anna Verdi", "Via dei Calzaiuoli 5", "50122", "Firenze", "FI",
                                  "03456789012", "VRDNNA70A41D612X"}));
}

TEST_F(LookupTest, TheCustomerDecodeWorksForTheCompanyItWasGiven) {
    auto name = add<suite::LabelModel>(ControlKind::Label, "LBL_RAGSOC");
    decodes_->setCompany(2);
    const host::DecodeRequest request = decodes_->customerSupplierDecode({name}, 0, 1001);
    field_->StartDecode.connect([&](host::DecodeRequest& r) { r = request; });
    field_->typeText("1001");
    field_->leave();
    EXPECT_EQ(name->text(), "Calzature Neri S.n.c.");
}

}  // namespace
}  // namespace services_test
