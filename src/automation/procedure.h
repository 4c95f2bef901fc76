#pragma once

#include "automation/error.h"

#include <QString>
#include <exception>
#include <functional>
#include <initializer_list>
#include <span>
#include <utility>

// The three error conventions of the console's procedures.
//
// Re-raise: the procedure's body runs through reraise(); an error leaves it with the same number
// and description and with "Name:" CR LF put in front of its source, so that the source lists the
// chain of procedures, outermost first.
//
// Error box and ignore: the procedure is written as a list of small steps, one statement each,
// so that "retry the failing statement" and "go on with the next one" mean what they say:
//
//     automation::runSteps("Form_Activate", errorBox, {
//         [&] { openConnection(); },
//         automation::loopWhile([&] { return !rs.isEof(); }, {
//             [&] { addItem(rs); },
//             [&] { rs.moveNext(); },
//         }),
//         [&] { initSidebar(); },
//     });
//
// loopWhile() and ifElse() build steps that hold steps: their inner steps are statements of the
// procedure that runs them, under its policy (retry repeats the failing inner step only).
namespace automation {

using Step = std::function<void()>;

// The error box's answers (message-box answer codes).
namespace errorBoxAnswer {
constexpr int Abort = 3;   // leave the procedure
constexpr int Retry = 4;   // run the failing step again
constexpr int Ignore = 5;  // go on with the next step
}  // namespace errorBoxAnswer

// Asked with the procedure's name (without colon) and the error; returns an errorBoxAnswer.
// Any other answer leaves the procedure, as Abort does.
using ErrorBox = std::function<int(const QString& procedure, const Error& error)>;

namespace detail {
struct Policy;
void prependProcedure(Error& error, const char* procedure);
Error toError(const std::exception& exception);

// Inside a re-raising body errors propagate, even from steps built by loopWhile() or ifElse().
class PropagateScope {
public:
    PropagateScope();
    ~PropagateScope();
    PropagateScope(const PropagateScope&) = delete;
    PropagateScope& operator=(const PropagateScope&) = delete;

private:
    const Policy* saved_;
};
}  // namespace detail

// Runs body and returns its result. Any other std::exception leaves as an Error numbered
// errors::ProviderError with the exception's text as its description.
template <class F>
decltype(auto) reraise(const char* procedure, F&& body) {
    detail::PropagateScope scope;
    try {
        return std::invoke(std::forward<F>(body));
    } catch (Error& error) {
        detail::prependProcedure(error, procedure);
        throw;
    } catch (const std::exception& exception) {
        Error error = detail::toError(exception);
        detail::prependProcedure(error, procedure);
        throw error;
    }
}

// Error-box policy. Returns true when every step ran (failed steps ignored included), false when
// the error box aborted the procedure.
bool runSteps(const char* procedure, const ErrorBox& errorBox, std::initializer_list<Step> steps);
bool runSteps(const char* procedure, const ErrorBox& errorBox, std::span<const Step> steps);

// Ignore policy: a failing step is skipped and every remaining step still runs.
void runIgnoringErrors(std::initializer_list<Step> steps);
void runIgnoringErrors(std::span<const Step> steps);

// A loop: condition is tested before each round. A failing condition is a statement too: retry
// tests it again; when its error is ignored the loop ends (VB would go into the loop body and
// test again forever).
Step loopWhile(std::function<bool()> condition, std::initializer_list<Step> body);

// An If. As in VB, a failing condition whose error is ignored goes on into the True branch.
Step ifElse(std::function<bool()> condition, std::initializer_list<Step> thenSteps,
            std::initializer_list<Step> elseSteps = {});

}  // namespace automation
