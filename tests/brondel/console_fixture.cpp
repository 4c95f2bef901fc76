#include "console_fixture.h"

#include "suite/db/suite_database.h"
#include "suite/db/suite_file.h"
#include "suite/framework/global_object_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/host_script_model.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/resize_component_model.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/sidebar_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/connection_factory.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/script_object_model.h"

#include <QFile>
#include <stdexcept>

namespace console_test {

namespace {

// The suite's factory, journaling the services the console creates and the statements its connections send.
class JournalingFactory : public host::HostFactory,
                          public host::ConnectionFactory,
                          public std::enable_shared_from_this<JournalingFactory> {
public:
    JournalingFactory(std::shared_ptr<suite::ModelFactory> inner, QStringList& journal, QStringList& statements)
        : inner_(std::move(inner)), journal_(journal), statements_(statements) {}

    std::shared_ptr<host::Control> createControl(const host::ControlDesign& design) override {
        return inner_->createControl(design);
    }
    std::shared_ptr<host::MessageService> createMessageService() override {
        journal_ << QStringLiteral("message service");
        return inner_->createMessageService();
    }
    std::shared_ptr<host::VirtualFrame> createVirtualFrame() override { return inner_->createVirtualFrame(); }
    std::shared_ptr<host::GridLayout> createGridLayout() override { return inner_->createGridLayout(); }
    std::shared_ptr<host::DataFormat> createDataFormat() override {
        journal_ << QStringLiteral("data format");
        return inner_->createDataFormat();
    }
    std::shared_ptr<host::LookupService> createLookupService() override {
        journal_ << QStringLiteral("lookup service");
        return inner_->createLookupService();
    }
    std::shared_ptr<host::DecodeService> createDecodeService() override {
        journal_ << QStringLiteral("decode service");
        return inner_->createDecodeService();
    }
    std::shared_ptr<host::LookupWindow> createLookupWindow() override { return inner_->createLookupWindow(); }
    std::shared_ptr<host::ConnectionFactory> connectionFactory() override { return shared_from_this(); }
    std::shared_ptr<host::RecordsetFactory> recordsetFactory() override { return inner_->recordsetFactory(); }
    std::shared_ptr<host::FunctionLibrary> functionLibrary() override { return inner_->functionLibrary(); }
    std::shared_ptr<host::Screen> screen() override { return inner_->screen(); }
    std::shared_ptr<host::EventLoop> eventLoop() override { return inner_->eventLoop(); }

    std::shared_ptr<ado::Connection> createConnection() override {
        journal_ << QStringLiteral("connection");
        std::shared_ptr<ado::Connection> connection = inner_->connectionFactory()->createConnection();
        connection->setStatementObserver([&journal = journal_, &statements = statements_](const QString& text) {
            statements << text;
            journal << (text.contains(QLatin1String("AS ITMCONFIGVAR")) ? QStringLiteral("enabling query")
                                                                        : QStringLiteral("statement: ") + text);
        });
        return connection;
    }

private:
    std::shared_ptr<suite::ModelFactory> inner_;
    QStringList& journal_;
    QStringList& statements_;
};

// A resize component that also lists the controls registered with it, in order.
class ListingResize : public suite::ResizeComponentModel {
public:
    ListingResize(const host::ControlDesign& design, QList<ConsoleTest::Registration>& registrations,
                  QStringList& journal)
        : ResizeComponentModel(design), registrations_(registrations), journal_(journal) {}

    void start() override {
        journal_ << QStringLiteral("resize");
        ResizeComponentModel::start();
    }

    void addControl(std::shared_ptr<host::Control> control, qint32 anchoring) override {
        const QString name = control->index() < 0 ? control->name()
                                                  : QStringLiteral("%1(%2)").arg(control->name()).arg(control->index());
        registrations_ << ConsoleTest::Registration{name, anchoring};
        ResizeComponentModel::addControl(std::move(control), anchoring);
    }

private:
    QList<ConsoleTest::Registration>& registrations_;
    QStringList& journal_;
};

// A sidebar without the items a test hides.
class PartialSidebar : public suite::SidebarModel {
public:
    PartialSidebar(const host::ControlDesign& design, const QStringList& hidden, QStringList& journal)
        : SidebarModel(design), hidden_(hidden), journal_(journal) {}

    void initialize(std::shared_ptr<host::Cinterface> host, bool expandAll) override {
        journal_ << QStringLiteral("sidebar");
        SidebarModel::initialize(std::move(host), expandAll);
        QList<Group> kept = groups();
        for (Group& group : kept)
            group.items.removeIf([this](const host::SidebarItem& item) { return hidden_.contains(item.key); });
        setGroups(kept);
    }

private:
    QStringList hidden_;
    QStringList& journal_;
};

}  // namespace

void ConsoleTest::SetUp() { ASSERT_TRUE(dir_.isValid()); }

void ConsoleTest::TearDown() {
    if (host_) {
        // Every test ends with the console closed, so that nothing it holds outlives the host.
        host_->navigator()->setHostScript(nullptr);
        host_->navigator()->setScriptObject(nullptr);
        if (console && console->form() && console->form()->attachedHost()) {
            EXPECT_EQ(console->closeForm(), QVariant(true));
        }
        console.reset();
        EXPECT_TRUE(host_->messages().unexpected().isEmpty())
            << host_->messages().unexpected().join('\n').toStdString();
    }
}

void ConsoleTest::openHost(bool demo, const QVariant& company) {
    const QString path = dir_.filePath(QStringLiteral("suite.db"));
    suite::db::createSuiteDatabase(path, demo, true);
    host_ = std::make_unique<suite::HeadlessHost>(path, company);
    const std::shared_ptr<suite::ModelFactory> inner = host_->factory();
    inner->registerControl(host::ControlKind::ResizeComponent, [this](const host::ControlDesign& design) {
        return std::make_shared<ListingResize>(design, registrations_, journal_);
    });
    inner->registerControl(host::ControlKind::Sidebar, [this](const host::ControlDesign& design) {
        return std::make_shared<PartialSidebar>(design, hiddenItems_, journal_);
    });
    host_->global()->setFactory(std::make_shared<JournalingFactory>(inner, journal_, statements_));
    host_->navigator()->InitializeScriptObjectModel.connect(
        [this](std::shared_ptr<host::ScriptObjectModel>&) { journal_ << QStringLiteral("script model"); });
    host_->navigator()->InitializeLayoutObjectModel.connect(
        [this](std::shared_ptr<host::LayoutObjectModel>&) { journal_ << QStringLiteral("layout model"); });
    console = brondel::CLSMG_BRONDEL::create();
    host_->attach(console);
}

void ConsoleTest::showConsole() {
    if (!host_)
        openHost();
    console->showForm();
}

void ConsoleTest::openConsole(bool demo, const QStringList& setup) {
    openHost(demo);
    for (const QString& statement : setup)
        statement.startsWith(QLatin1String("CREATE TRIGGER")) ? executeSqlite(statement) : execute(statement);
    // The empty database has no menu entry to give the console its caption.
    console->setCaption(caption);
    console->showForm();
}

suite::SidebarModel& ConsoleTest::sidebar() const {
    return *form().controlAs<suite::SidebarModel>(QStringLiteral("SDB_PARAMETRI"));
}

bool ConsoleTest::clickItem(const char* group, const char* item) const {
    return sidebar().clickItem(QString::fromLatin1(group), QString::fromLatin1(item));
}

brondel::SectionFrame& ConsoleTest::sectionFrame(const QString& scriptName) const {
    for (brondel::SectionFrame* frame : form().frames()) {
        if (frame->scriptName() == scriptName)
            return *frame;
    }
    throw std::runtime_error("no frame " + scriptName.toStdString());
}

QStringList ConsoleTest::enabledItems() const {
    QStringList keys;
    for (const brondel::SidebarSection& section : brondel::sidebarSections()) {
        if (form().isItemEnabled(QString::fromLatin1(section.itemKey)))
            keys << QString::fromLatin1(section.itemKey);
    }
    return keys;
}

QString ConsoleTest::visiblePanels() const {
    QStringList visible;
    for (int i = 0; i < brondel::PanelCount; ++i) {
        if (form().controlAs<host::Panel>(QStringLiteral("PIC_PARAMETRI"), i)->isVisible())
            visible << QStringLiteral("PIC_PARAMETRI(%1)").arg(i);
    }
    if (form().controlAs<host::Panel>(QStringLiteral("PIC_MESSAGGIOERRORE"))->isVisible())
        visible << QStringLiteral("PIC_MESSAGGIOERRORE");
    return visible.join(QStringLiteral(", "));
}

void ConsoleTest::execute(const QString& statement) const {
    host_->factory()->openConnection(host_->connectionString())->execute(statement);
}

void ConsoleTest::executeSqlite(const QString& statement) const {
    suite::db::SuiteFile(dir_.filePath(QStringLiteral("suite.db")), suite::db::SuiteFile::Mode::Open)
        .execute(statement);
}

QStringList ConsoleTest::query(const QString& statement) const {
    const auto rows = host_->factory()->openConnection(host_->connectionString())->execute(statement);
    QStringList result;
    for (; rows->isOpen() && !rows->isEof(); rows->moveNext()) {
        QStringList values;
        for (int i = 0; i < rows->fields().count(); ++i)
            values << automation::cstr(rows->value(i));
        result << values.join('|');
    }
    return result;
}

QStringList ConsoleTest::shown() const {
    QStringList texts;
    for (const suite::ScriptedMessages::Shown& message : host_->messages().shown())
        texts << QString::number(message.style) + ' ' + message.title + ": " + message.text;
    return texts;
}

QStringList ConsoleTest::sent(const QString& prefix) {
    QStringList result;
    for (qsizetype i = sentMark_; i < statements_.size(); ++i) {
        if (statements_[i].startsWith(prefix))
            result << statements_[i];
    }
    sentMark_ = statements_.size();
    return result;
}

int ConsoleTest::rowOf(const suite::GridModel& grid, const QString& field, const QString& value) {
    for (const host::GridRow& row : grid.rows()) {
        if (automation::cstr(row.value(field)) == value)
            return row.index;
    }
    return -1;
}

int ConsoleTest::rowOf(const QString& grid, const QString& field, const QString& value) const {
    return rowOf(*model<suite::GridModel>(grid), field, value);
}

QString corpusStatement(const QString& file, const QString& caseName) {
    QFile corpus(QStringLiteral(BRONDEL_TSQL_CORPUS) + QLatin1Char('/') + file);
    if (!corpus.open(QIODevice::ReadOnly))
        return QString();
    QStringList lines;
    bool inCase = false;
    for (const QString& line : QString::fromUtf8(corpus.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("case: ")))
            inCase = line.mid(6) == caseName;
        else if (inCase && line.startsWith(QLatin1Char('|')))
            lines << line.mid(1);
        else if (inCase && !lines.isEmpty())
            break;
    }
    return lines.join(QStringLiteral("\r\n")).replace(QStringLiteral("{CR}"), QStringLiteral("\r"));
}

}  // namespace console_test
