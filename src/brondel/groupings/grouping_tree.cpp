// GroupingComposition: the tree of the chosen variant's groupings and their options, shown instead of the
// composition grid.
#include "brondel/groupings/grouping_composition.h"

#include "brondel/groupings/grouping_statements.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/tree_view.h"

namespace brondel {

namespace {

QString rightTrimmed(const QVariant& value) {
    QString text = automation::cstr(value);
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text.truncate(end);
    return text;
}

}  // namespace

QString GroupingComposition::ChiaveNodoVariante(const QString& variant) {
    return QStringLiteral("V|") + variant + QStringLiteral("|");
}

QString GroupingComposition::ChiaveNodoRaggruppamento(const QString& variant, const QString& grouping) {
    return QStringLiteral("R|") + variant + QStringLiteral("|") + grouping + QStringLiteral("|");
}

QString GroupingComposition::ChiaveNodoOpzione(const QString& variant, const QString& grouping, int seq,
                                               const QString& option) {
    return QStringLiteral("O|") + variant + QStringLiteral("|") + grouping + QStringLiteral("|") +
           (QStringLiteral("0000") + QString::number(seq)).right(4) + QStringLiteral("@") + option +
           QStringLiteral("|");
}

void GroupingComposition::BTN_VIEW_Click() {
    automation::reraise("BTN_VIEW_Click", [this] {
        const auto selector = control<host::Combo>("CBO_PROGR_RAGGR");
        if (selector->text().isEmpty() || !selector->isValid())
            return;
        const std::shared_ptr<host::Control> tree = control("TvDim");
        const bool showTree = !tree->isVisible();
        tree->setVisible(showTree);
        control("GRD_RAGGR_MG5H")->setVisible(!showTree);
        if (showTree) {
            CaricaTvDim();
            tree->bringToFront();
        }
    });
}

void GroupingComposition::CaricaTvDim() {
    automation::reraise("CaricaTvDim", [this] {
        const auto tree = control<host::TreeView>("TvDim");
        tree->clear();
        const std::shared_ptr<ado::Recordset> variants = execute(GroupingStatements::treeVariant(company(), variant()));
        if (!hasCurrentRow(variants))
            return;
        if (!tree->isEnabled())
            tree->setEnabled(true);
        const std::shared_ptr<host::Control> options = control("GRD_RAGGR_MG5E");
        if (!options->canTakeFocus())
            options->setCanTakeFocus(true);
        const QString closed = QStringLiteral("close");
        const QString open = QStringLiteral("open");
        const QString option = QStringLiteral("comprag");
        for (; !variants->isEof(); variants->moveNext()) {
            const QString code = automation::cstr(variants->value(QStringLiteral("MG5F_CODICEVAR")));
            const QString variantKey = ChiaveNodoVariante(code);
            tree->addNode(QString(), variantKey, automation::cstr(variants->value(QStringLiteral("MG5F_DESCR_VAR"))),
                          closed, open);
            const std::shared_ptr<ado::Recordset> groupings =
                execute(GroupingStatements::treeGroupings(company(), code));
            for (; hasCurrentRow(groupings); groupings->moveNext()) {
                const QString grouping = automation::cstr(groupings->value(QStringLiteral("MG5G_CODRAGGVAR")));
                const QVariant description = groupings->value(QStringLiteral("MG5G_DESCRRAGGVAR"));
                QString text = rightTrimmed(grouping);
                if (!automation::isNull(description))
                    text += QStringLiteral(" - ") + rightTrimmed(description);
                const QString groupingKey = ChiaveNodoRaggruppamento(code, grouping);
                tree->addNode(variantKey, groupingKey, text, closed, open);
                const std::shared_ptr<ado::Recordset> members =
                    execute(GroupingStatements::treeOptions(company(), code, grouping));
                for (; hasCurrentRow(members); members->moveNext()) {
                    tree->addNode(
                        groupingKey,
                        ChiaveNodoOpzione(code, grouping,
                                          automation::cint(members->value(QStringLiteral("MG5H_SEQOPZIONE"))),
                                          automation::cstr(members->value(QStringLiteral("MG5H_OPZIONE_MG5E")))),
                        automation::cstr(members->value(QStringLiteral("MG5E_DESCR"))), option, option);
                }
            }
        }
        for (const QString& root : tree->rootKeys()) {
            tree->setExpanded(root, true);
            for (const QString& child : tree->childKeys(root))
                tree->setExpanded(child, false);
        }
    });
}

}  // namespace brondel
