// suite-host: the suite's main window hosting its programs; see HostApplication and CommandLine.
#include "suite/app/command_line.h"
#include "suite/app/host_application.h"

#include "automation/error.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <QTextStream>

namespace {

QtMessageHandler standardHandler = nullptr;

// Offscreen, Qt says on every window that it cannot pass size hints on, and that it has no runtime folder:
// nobody needs to know.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const suite::HostOptions options = suite::CommandLine::parse(arguments);

    // Scripts run headless; without a display the windows are drawn offscreen.
    const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && (noDisplay || !options.script.isEmpty()))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    standardHandler = qInstallMessageHandler(filterMessages);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("suite-host"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));

    if (options.help) {
        QTextStream(stdout) << suite::CommandLine::helpText();
        return 0;
    }
    if (!options.error.isEmpty()) {
        QTextStream(stderr) << "suite-host: " << options.error << "\nTry suite-host --help." << Qt::endl;
        return 2;
    }
    if (noDisplay && options.script.isEmpty() && options.screenshot.isEmpty())
        QTextStream(stderr) << "suite-host: no display, running offscreen (nothing shows); "
                               "--screenshot FILE saves a picture of the console."
                            << Qt::endl;
    try {
        suite::HostApplication host(options);
        return host.run();
    } catch (const automation::Error& error) {
        QTextStream(stderr) << "suite-host: " << error.description() << Qt::endl;
        return 1;
    }
}
