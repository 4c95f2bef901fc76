#pragma once

#include <QString>
#include <array>

namespace brondel {

// The statements of the processing priorities, each built in one place exactly as the suite runs it on
// SQL Server. Values come as statement text (numbers unquoted); each goes in escaped.
class PriorityStatements {
public:
    // Flags of one reading step: 1 when the variant in that position takes part.
    using StepFlags = std::array<int, 10>;

    // MG5F_DESCR_VAR of every variant of the company (no ORDER BY: positions follow the rows as they come).
    static QString configuredVariants(const QString& company);
    // The lists the defaults rebuild: every element indicator but 5.
    static QString deleteDefaultLists(const QString& company);
    static QString insertStep(const QString& company, int element, int priority, const StepFlags& flags);

    // The section's rows: the steps of one element indicator in priority order.
    static QString elementSteps(const QString& company, const QString& element);
};

}  // namespace brondel
