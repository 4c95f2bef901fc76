#include "automation/procedure.h"

#include <optional>
#include <vector>

namespace automation {

// How the statements of the running procedure handle errors; no policy means they propagate.
struct detail::Policy {
    const char* procedure;
    const ErrorBox* errorBox;  // null: errors are ignored
};

namespace {

using detail::Policy;

thread_local const Policy* currentPolicy = nullptr;

// Thrown through the steps of a procedure that the error box aborted; caught where it was run.
struct Aborted {};

class PolicyScope {
public:
    explicit PolicyScope(const Policy* policy) : saved_(currentPolicy) { currentPolicy = policy; }
    ~PolicyScope() { currentPolicy = saved_; }
    PolicyScope(const PolicyScope&) = delete;
    PolicyScope& operator=(const PolicyScope&) = delete;

private:
    const Policy* saved_;
};

// Runs one statement under the current policy. Returns when it succeeded or its error was
// ignored; throws Aborted when the error box says so.
void runStatement(const Step& step) {
    const Policy* policy = currentPolicy;
    if (!policy) {
        step();
        return;
    }
    for (;;) {
        std::optional<Error> error;
        try {
            step();
            return;
        } catch (const Error& e) {
            error = e;
        } catch (const std::exception& e) {
            error = detail::toError(e);
        }
        if (!policy->errorBox)
            return;
        switch ((*policy->errorBox)(QString::fromLatin1(policy->procedure), *error)) {
        case errorBoxAnswer::Retry: continue;
        case errorBoxAnswer::Ignore: return;
        default: throw Aborted{};
        }
    }
}

void runStatements(std::span<const Step> steps) {
    for (const auto& step : steps)
        runStatement(step);
}

// Evaluates condition as a statement; an ignored failure gives whenIgnored.
bool test(const std::function<bool()>& condition, bool whenIgnored) {
    bool result = whenIgnored;
    runStatement([&] { result = condition(); });
    return result;
}

}  // namespace

namespace detail {

void prependProcedure(Error& error, const char* procedure) {
    error.setSource(QString::fromLatin1(procedure) + QLatin1String(":\r\n") + error.source());
}

Error toError(const std::exception& exception) {
    return Error(errors::ProviderError, QString(), QString::fromLocal8Bit(exception.what()));
}

PropagateScope::PropagateScope() : saved_(currentPolicy) { currentPolicy = nullptr; }

PropagateScope::~PropagateScope() { currentPolicy = saved_; }

}  // namespace detail

bool runSteps(const char* procedure, const ErrorBox& errorBox, std::initializer_list<Step> steps) {
    return runSteps(procedure, errorBox, std::span<const Step>(steps.begin(), steps.size()));
}

bool runSteps(const char* procedure, const ErrorBox& errorBox, std::span<const Step> steps) {
    const Policy policy{procedure, &errorBox};
    PolicyScope scope(&policy);
    try {
        runStatements(steps);
    } catch (const Aborted&) {
        return false;
    }
    return true;
}

void runIgnoringErrors(std::initializer_list<Step> steps) {
    runIgnoringErrors(std::span<const Step>(steps.begin(), steps.size()));
}

void runIgnoringErrors(std::span<const Step> steps) {
    const Policy policy{"", nullptr};
    PolicyScope scope(&policy);
    runStatements(steps);
}

Step loopWhile(std::function<bool()> condition, std::initializer_list<Step> body) {
    return [condition = std::move(condition), body = std::vector<Step>(body)] {
        while (test(condition, false))
            runStatements(body);
    };
}

Step ifElse(std::function<bool()> condition, std::initializer_list<Step> thenSteps,
            std::initializer_list<Step> elseSteps) {
    return [condition = std::move(condition), thenSteps = std::vector<Step>(thenSteps),
            elseSteps = std::vector<Step>(elseSteps)] { runStatements(test(condition, true) ? thenSteps : elseSteps); };
}

}  // namespace automation
