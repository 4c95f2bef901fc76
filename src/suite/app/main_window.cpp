#include "suite/app/main_window.h"

#include "suite/widgets/grid_navigator_view.h"

#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/status_bar_model.h"

#include "automation/variant.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace suite {

namespace {

const QString ChangeCompany = QStringLiteral("Cambia ditta");
const QString ExportToOffice = QStringLiteral("Esporta in Office");

}  // namespace

MainWindow::MainWindow(std::shared_ptr<NavigatorModel> navigator, std::shared_ptr<StatusBarModel> statusBar,
                       Handlers handlers)
    : navigator_(std::move(navigator)), statusBar_(std::move(statusBar)), handlers_(std::move(handlers)) {
    setWindowTitle(QStringLiteral("Suite gestionale"));
    area_ = new QMdiArea(this);
    area_->setBackground(QColor(0x8a, 0x9b, 0xb0));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Esci"), QKeySequence::Quit, this, [this] { close(); });
    programsMenu_ = menuBar()->addMenu(QStringLiteral("&Programmi"));
    QMenu* windows = menuBar()->addMenu(QStringLiteral("F&inestre"));
    windows->addAction(QStringLiteral("&Sovrapponi"), area_, &QMdiArea::cascadeSubWindows);
    windows->addAction(QStringLiteral("&Affianca"), area_, &QMdiArea::tileSubWindows);
    windows->addSeparator();
    // The desktop's keys for the window of a program inside the main window.
    windows->addAction(QStringLiteral("&Ingrandisci"), QKeySequence(Qt::CTRL | Qt::Key_F10), this, [this] {
        if (QMdiSubWindow* active = area_->activeSubWindow())
            active->showMaximized();
    });
    windows->addAction(QStringLiteral("&Ripristina"), QKeySequence(Qt::CTRL | Qt::Key_F5), this, [this] {
        if (QMdiSubWindow* active = area_->activeSubWindow())
            active->showNormal();
    });
    windows->addAction(QStringLiteral("Ri&duci a icona"), QKeySequence(Qt::CTRL | Qt::Key_F9), this, [this] {
        if (QMdiSubWindow* active = area_->activeSubWindow())
            active->showMinimized();
    });
    QMenu* help = menuBar()->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("&Informazioni"), this, [this] {
        QMessageBox::about(this, QStringLiteral("Informazioni"),
                           QStringLiteral("Suite gestionale: host dei programmi della suite.\n"
                                          "Magazzino: console parametri varianti (MGUO_BRONDEL)."));
    });

    buildToolbar();
    buildStatusBar();
    navigatorChanged_ = navigator_->Changed.connect([this] { refreshToolbar(); });
    statusChanged_ = statusBar_->Changed.connect([this](int panel) { showStatus(panel); });
    refreshToolbar();
}

MainWindow::~MainWindow() {
    navigator_->Changed.disconnect(navigatorChanged_);
    statusBar_->Changed.disconnect(statusChanged_);
}

void MainWindow::buildToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("Navigatore"));
    bar->setObjectName(QStringLiteral("navigator"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const QString& caption : GridNavigatorModel::buttons()) {
        QAction* action = bar->addAction(GridNavigatorView::icon(caption), caption);
        action->setShortcuts(GridNavigatorView::shortcuts(caption));
        action->setToolTip(GridNavigatorView::toolTip(caption));
        connect(action, &QAction::triggered, this, [this, caption] {
            if (handlers_.pressFrameButton)
                handlers_.pressFrameButton(caption);
        });
        actions_.insert(caption, action);
    }
    bar->addSeparator();
    QAction* company = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), ChangeCompany);
    connect(company, &QAction::triggered, this, [this] {
        if (handlers_.changeCompany)
            handlers_.changeCompany();
    });
    actions_.insert(ChangeCompany, company);
    QAction* office = bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), ExportToOffice);
    connect(office, &QAction::triggered, this, [this] {
        if (handlers_.exportToOffice)
            handlers_.exportToOffice();
    });
    actions_.insert(ExportToOffice, office);
}

void MainWindow::buildStatusBar() {
    for (int panel = 1; panel <= statusBar_->panelCount(); ++panel) {
        auto* label = new QLabel(this);
        label->setContentsMargins(6, 0, 6, 0);
        if (panel == 2)
            statusBar()->addWidget(label, 1);
        else
            statusBar()->addPermanentWidget(label);
        panels_.append(label);
        showStatus(panel);
    }
}

void MainWindow::showStatus(int panel) {
    if (panel >= 1 && panel <= panels_.size())
        panels_[panel - 1]->setText(statusBar_->panelText(panel));
}

QString MainWindow::statusText(int panel) const {
    return panel >= 1 && panel <= panels_.size() ? panels_[panel - 1]->text() : QString();
}

void MainWindow::refreshToolbar() {
    for (const QString& caption : GridNavigatorModel::buttons())
        actions_.value(caption)->setEnabled(handlers_.frameButtonAvailable && handlers_.frameButtonAvailable(caption));
}

void MainWindow::setPrograms(const QList<ProgramEntry>& entries) {
    programsMenu_->clear();
    const std::function<void(const QString&, QMenu*)> addChildren = [&](const QString& parentId, QMenu* menu) {
        for (const ProgramEntry& entry : entries) {
            if (automation::cstr(entry.parentId) != parentId)
                continue;
            if (entry.program.isEmpty()) {
                addChildren(automation::cstr(entry.id), menu->addMenu(entry.description));
                continue;
            }
            QAction* action = menu->addAction(entry.description);
            action->setStatusTip(entry.program);
            const QString program = entry.program;
            connect(action, &QAction::triggered, this, [this, program] {
                if (handlers_.openProgram)
                    handlers_.openProgram(program);
            });
        }
    };
    addChildren(QString(), programsMenu_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (handlers_.closeModules && !handlers_.closeModules()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::showFitted(QSize size) {
    size = size.expandedTo(sizeHint());
    resize(size);
    const QRect available = screen() ? screen()->availableGeometry() : QRect(QPoint(0, 0), size);
    // The window manager adds a title bar and borders the window does not know before it is shown: leave
    // room for them.
    const int titleBar = 2 * QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).height() + 8;
    if (size.width() + 16 > available.width() || size.height() + titleBar > available.height()) {
        showMaximized();
        return;
    }
    move(available.topLeft() +
         QPoint((available.width() - size.width()) / 2, (available.height() - size.height() - titleBar) / 2));
    show();
}

}  // namespace suite
