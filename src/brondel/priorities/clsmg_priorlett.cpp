#include "brondel/priorities/clsmg_priorlett.h"

#include "brondel/console/object_required.h"
#include "brondel/console/recordset_release.h"
#include "brondel/host/type_library.h"
#include "brondel/priorities/priority_statements.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/recordset_factory.h"

namespace brondel {

namespace {

constexpr long wrongNumberOfArguments = 450;  // VB: Wrong number of arguments or invalid property assignment

// The element indicators that have default lists.
constexpr int defaultElements[] = {0, 1, 2, 3};

}  // namespace

std::shared_ptr<CLSMG_PRIORLETT> CLSMG_PRIORLETT::create(std::shared_ptr<host::RecordsetFactory> recordsets) {
    return std::shared_ptr<CLSMG_PRIORLETT>(new CLSMG_PRIORLETT(std::move(recordsets)));
}

CLSMG_PRIORLETT::CLSMG_PRIORLETT(std::shared_ptr<host::RecordsetFactory> recordsets)
    : factory_(std::move(recordsets)),
      recordset_(factory_ ? factory_->createRecordset() : std::make_shared<ado::Recordset>()) {}

CLSMG_PRIORLETT::~CLSMG_PRIORLETT() {
    try {
        closeAndRelease(recordset_);
    } catch (const automation::Error&) {
        // A recordset that cannot close goes away all the same.
    }
    factory_.reset();
}

std::shared_ptr<ado::Recordset> CLSMG_PRIORLETT::VariantiConfigurate_Descrizioni() {
    statement_ = PriorityStatements::configuredVariants(automation::cstr(company_));
    required(recordset_)->open(statement_, connection_);
    return recordset_;
}

QVariant CLSMG_PRIORLETT::PrioritaPredefinite() {
    ado::Connection& connection = *required(connection_);
    // One pass: a failure part way leaves the lists as they were.
    connection.runAllOrNothing([&] {
        statement_ = PriorityStatements::deleteDefaultLists(automation::cstr(company_));
        connection.execute(statement_);
        insertDefaultLists();
    });
    closeAndRelease(recordset_);
    return QVariant();
}

// With n variants each list is: the first n, the first n - 1, ..., the first one; then positions 2..n,
// 3..n, ..., n alone; last a step with none. Priorities run from 1 to 2n.
void CLSMG_PRIORLETT::insertDefaultLists() {
    const QString company = automation::cstr(company_);
    const int variants = automation::cint(qlonglong(VariantiConfigurate_Descrizioni()->recordCount()));
    for (const int element : defaultElements) {
        int priority = 1;
        int boundary = variants;
        for (int step = 0; step < 2 * variants - 1; ++step) {
            PriorityStatements::StepFlags flags{};
            for (int position = 1; position <= int(flags.size()); ++position) {
                const bool ticked =
                    priority <= variants ? position <= boundary : boundary <= position && position <= variants;
                flags[position - 1] = ticked ? 1 : 0;
            }
            statement_ = PriorityStatements::insertStep(company, element, priority, flags);
            connection_->execute(statement_);
            ++priority;
            boundary += priority > variants ? 1 : -1;
        }
        statement_ = PriorityStatements::insertStep(company, element, priority, {});
        connection_->execute(statement_);
    }
}

const automation::ClassInfo& CLSMG_PRIORLETT::classInfo() const {
    return brondel::classInfo(QStringLiteral("CLSMG_PRIORLETT"));
}

QVariant CLSMG_PRIORLETT::invoke(long dispId, automation::MemberKind kind, QVariantList& args) {
    using automation::MemberKind;
    const auto lastArgument = [&]() -> const QVariant& {
        if (args.isEmpty())
            throw automation::Error::fromNumber(wrongNumberOfArguments, classInfo().name());
        return args.last();
    };
    switch (dispId) {
    case priorlett_dispid::connessione:
        if (kind == MemberKind::PropertyGet)
            return connection_ ? QVariant::fromValue(connection_) : automation::nothing();
        if (kind == MemberKind::PropertyPutRef) {
            setConnessione(automation::objectOf<ado::Connection>(lastArgument()));
            return QVariant();
        }
        break;
    case priorlett_dispid::Ditta:
        if (kind == MemberKind::PropertyPut) {
            setDitta(lastArgument());
            return QVariant();
        }
        break;
    case priorlett_dispid::VariantiConfigurate_Descrizioni:
        if (kind == MemberKind::Method)
            return QVariant::fromValue(VariantiConfigurate_Descrizioni());
        break;
    case priorlett_dispid::PrioritaPredefinite:
        if (kind == MemberKind::Method)
            return PrioritaPredefinite();
        break;
    default: break;
    }
    throw automation::Error::fromNumber(automation::errors::MemberNotSupported, classInfo().name());
}

}  // namespace brondel
