#include "suite/app/command_line.h"

#include <QCommandLineParser>

namespace suite {

namespace {

const QStringList CallModes = {QStringLiteral("VAR"), QStringLiteral("ART"), QStringLiteral("VAR.RagVar")};

struct Option {
    QString name;
    QString value;  // empty: a switch
    QString description;
};

const QList<Option>& options() {
    static const QList<Option> list = {
        {QStringLiteral("db"), QStringLiteral("PATH"),
         QStringLiteral("suite database (default: the demo database, created on first use)")},
        {QStringLiteral("company"), QStringLiteral("N"), QStringLiteral("company code (default 1)")},
        {QStringLiteral("lang"), QStringLiteral("CODE"), QStringLiteral("user language (default ITA)")},
        {QStringLiteral("caption"), QStringLiteral("TEXT"), QStringLiteral("title of the console window")},
        {QStringLiteral("call"), QStringLiteral("MODE"),
         QStringLiteral("open the console on a section: VAR, ART or VAR.RagVar")},
        {QStringLiteral("variant"), QStringLiteral("CODE"), QStringLiteral("variant code for --call VAR.RagVar")},
        {QStringLiteral("grouping"), QStringLiteral("CODE"), QStringLiteral("grouping code for --call VAR.RagVar")},
        {QStringLiteral("modal"), QString(), QStringLiteral("show the console as a modal window")},
        {QStringLiteral("script"), QStringLiteral("FILE"),
         QStringLiteral("run a host script (JavaScript) without a display, then exit")},
        {QStringLiteral("screenshot"), QStringLiteral("FILE"),
         QStringLiteral("open the console, save the main window as PNG, then exit")},
        {QStringLiteral("trace-sql"), QStringLiteral("FILE"),
         QStringLiteral("write every statement the console sends, each followed by GO")},
    };
    return list;
}

void define(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Host of the suite's programs: opens the variant parameters console."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help")));
    for (const Option& option : options()) {
        if (option.value.isEmpty())
            parser.addOption(QCommandLineOption(option.name, option.description));
        else
            parser.addOption(QCommandLineOption(option.name, option.description, option.value));
    }
}

}  // namespace

HostOptions CommandLine::parse(const QStringList& arguments) {
    HostOptions result;
    QCommandLineParser parser;
    define(parser);
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.help = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first();
        return result;
    }
    result.database = parser.value(QStringLiteral("db"));
    if (parser.isSet(QStringLiteral("company"))) {
        bool ok = false;
        const int company = parser.value(QStringLiteral("company")).toInt(&ok);
        if (!ok || company <= 0) {
            result.error = QStringLiteral("--company wants a positive company code, not \"%1\"")
                               .arg(parser.value(QStringLiteral("company")));
            return result;
        }
        result.company = company;
    }
    if (parser.isSet(QStringLiteral("lang")))
        result.language = parser.value(QStringLiteral("lang")).toUpper();
    result.caption = parser.value(QStringLiteral("caption"));
    if (parser.isSet(QStringLiteral("call"))) {
        const QString call = parser.value(QStringLiteral("call"));
        for (const QString& mode : CallModes) {
            if (mode.compare(call, Qt::CaseInsensitive) == 0)
                result.call = mode;
        }
        if (result.call.isEmpty()) {
            result.error =
                QStringLiteral("--call wants one of %1, not \"%2\"").arg(CallModes.join(QStringLiteral(", ")), call);
            return result;
        }
    }
    result.variant = parser.value(QStringLiteral("variant"));
    result.grouping = parser.value(QStringLiteral("grouping"));
    if ((!result.variant.isEmpty() || !result.grouping.isEmpty()) && result.call != QLatin1String("VAR.RagVar")) {
        result.error = QStringLiteral("--variant and --grouping go with --call VAR.RagVar");
        return result;
    }
    result.modal = parser.isSet(QStringLiteral("modal"));
    result.script = parser.value(QStringLiteral("script"));
    result.screenshot = parser.value(QStringLiteral("screenshot"));
    result.traceSql = parser.value(QStringLiteral("trace-sql"));
    return result;
}

QString CommandLine::helpText() {
    QCommandLineParser parser;
    define(parser);
    return parser.helpText();
}

}  // namespace suite
