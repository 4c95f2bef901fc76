#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <unordered_map>

class QWidget;

namespace automation {
class Error;
}
namespace host {
class Control;
}

namespace suite {

class ViewBinding;

// The views of one form tree. Views sync themselves when their model reports a change; some state is
// derived (a navigator button's availability follows its frame, a grid's rows follow its recordset) and
// changes without a notification, so after every gesture the hub syncs every view once more, when the
// event loop next runs (or at once through syncAll()).
//
// A gesture that fails reaches the person through the error reporter instead of unwinding into Qt.
class ViewHub : public QObject {
public:
    using ErrorReporter = std::function<void(const automation::Error&)>;

    explicit ViewHub(QObject* parent = nullptr);
    ~ViewHub() override;

    void add(ViewBinding* view);
    void remove(ViewBinding* view);
    ViewBinding* viewOf(const host::Control* control) const;

    // Runs a gesture of a view; returns false when it failed (the failure has been reported).
    bool run(const std::function<void()>& gesture);
    bool isRunningGesture() const { return depth_ > 0; }

    void scheduleSync();
    void syncAll();

    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
    // Views that are missing for controls added to the tree since the last sync are created by this hook.
    void setAdopter(std::function<void()> adopter) { adopter_ = std::move(adopter); }
    // Runs after every sync of all views (what follows the views' state, such as a toolbar, follows it).
    void setAfterSync(std::function<void()> afterSync) { afterSync_ = std::move(afterSync); }

private:
    void report(const automation::Error& error);

    std::unordered_map<const host::Control*, ViewBinding*> views_;
    ErrorReporter reporter_;
    std::function<void()> adopter_;
    std::function<void()> afterSync_;
    bool syncPending_ = false;
    bool syncing_ = false;
    int depth_ = 0;
};

}  // namespace suite
