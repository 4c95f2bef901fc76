#pragma once

#include <QHash>
#include <QMainWindow>
#include <QVariant>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace suite {

class NavigatorModel;
class StatusBarModel;

// One entry of the suite's menu (FW50_MODMENU): a folder (no program) or a program.
struct ProgramEntry {
    QVariant id;
    QVariant parentId;  // Null for a root
    QString program;    // FW50_NOME; empty for a folder
    QString description;
};

// The suite's main window: the menu of programs, the host navigator's toolbar (the frame buttons of the
// module's active frame, "Cambia ditta", "Esporta in Office"), the status bar whose panels the modules
// write, and the MDI area where the modules' forms open.
class MainWindow : public QMainWindow {
public:
    struct Handlers {
        std::function<void(const QString& program)> openProgram;
        // A frame button of the toolbar ("Nuovo", "Conferma"...): whether it is available, and pressing it.
        std::function<bool(const QString& caption)> frameButtonAvailable;
        std::function<void(const QString& caption)> pressFrameButton;
        std::function<void()> changeCompany;
        std::function<void()> exportToOffice;
        // Asked before the window closes: every module closes, or the window stays.
        std::function<bool()> closeModules;
    };

    MainWindow(std::shared_ptr<NavigatorModel> navigator, std::shared_ptr<StatusBarModel> statusBar, Handlers handlers);
    ~MainWindow() override;

    QMdiArea& mdiArea() const { return *area_; }
    // entries: each level in menu order.
    void setPrograms(const QList<ProgramEntry>& entries);
    // The toolbar shows the state of the current module's active frame.
    void refreshToolbar();
    QAction* toolbarAction(const QString& text) const { return actions_.value(text); }
    QString statusText(int panel) const;
    // Shows the window at size (or at the size of what it holds, when larger) where the screen has room
    // for it with its title bar; maximised where it has not (a small screen, a large font setting).
    void showFitted(QSize size);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    void buildStatusBar();
    void showStatus(int panel);

    std::shared_ptr<NavigatorModel> navigator_;
    std::shared_ptr<StatusBarModel> statusBar_;
    Handlers handlers_;
    QMdiArea* area_;
    QMenu* programsMenu_ = nullptr;
    QHash<QString, QAction*> actions_;
    QList<QLabel*> panels_;
    std::size_t navigatorChanged_ = 0;
    std::size_t statusChanged_ = 0;
};

}  // namespace suite
