#include "brondel/console/coded_list.h"

#include "automation/variant.h"

namespace brondel {

namespace {

QVariant number(int code) { return QVariant::fromValue(qint16(code)); }
QVariant text(const char* code) { return QString::fromLatin1(code); }

CodedList list(const char* combo, const char* caption, const char* column, QList<CodedList::Entry> entries,
               QVariant defaultValue, bool mandatory, int panel) {
    CodedList result;
    result.combo = QString::fromLatin1(combo);
    result.caption = QString::fromUtf8(caption);
    result.column = QString::fromLatin1(column);
    result.entries = std::move(entries);
    result.defaultValue = std::move(defaultValue);
    result.mandatory = mandatory;
    result.panel = panel;
    return result;
}

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

QList<CodedList> build() {
    QList<CodedList> lists = {
        list("CBO_NATURA", "Natura della variante", "MG5F_INDNATURA",
             {{number(0), s("Alfanumerica")}, {number(1), s("Numerica")}}, number(0), true, 0),
        list("CBO_INDDESCR", "Indicatore modalità composizione descrizione", "MG5F_INDDESCRART",
             {{text("0"), s("Non concorre")},
              {text("1"), s("Automatica, accodamento")},
              {text("2"), s("Fissa con intervallo")},
              {text("3"), s("Automatica clifor, accodamento")},
              {text("4"), s("Automatica clifor/interna, accodamento")}},
             text("0"), true, 0),
        list("CBO_INDPRCLIFOR", "Provenienza descrizione cliente/fornitore", "MG5F_INDPRCLIFOR",
             {{text("0"), s("Automatica")},
              {text("1"), s("Cliente pref.")},
              {text("2"), s("Fornitore pref.")},
              {text("3"), s("Cli./Forn. pref.")}},
             text("0"), false, 0),
        list("CBO_GESTGRIGLIA", "Gestione in griglia", "MG5F_INDGRIGLIA",
             {{number(0), s("No")},
              {number(1), s("1° livello (dettaglio)")},
              {number(2), s("2° livello (selezione manuale)")},
              {number(3), s("2° livello (visualizzazione automatica)")},
              {number(4), s("2° livello (varianti su griglia)")}},
             number(0), true, 0),
        list("CBO_INDGENGRIDDOC", "Modalità generazione righe corpo documenti", "MG5F_INDGENGRIDDOC",
             {{number(0), s("Righe di corpo analitiche")},
              {number(1), s("Unica riga senza mov. progressivi")},
              {number(2), s("Unica riga con mov. progressivi")}},
             QVariant(), false, 0),
        list(
            "CBO_VISCODDESCR", "Indicatore Mostra codice/descrizione variante", "MG5F_INDMOSTRACOD",
            {{number(0), s("Codice e descrizione")}, {number(1), s("Solo codice")}, {number(2), s("Solo descrizione")}},
            number(0), false, 0),
        list("CBO_INDEREDIBA", "Variante su distinta base", "MG5F_INDEREDIBA",
             {{number(0), s("Nessuna attribuzione")},
              {number(1), s("Subvariante padre se non presente su legame")},
              {number(2), s("Subvariante padre sempre")}},
             number(0), true, 0),
        list("CBO_CLIFOR", "", "", {{number(0), s("Cliente")}, {number(1), s("Fornitore")}}, QVariant(), false, 4),
        list("CBO_INDALLIN", "Allineamento a destra", "MG6F_INDALLIN",
             {{number(0), s("Nessun allineamento a destra")}, {number(1), s("Tutti i codici")}}, number(0), false, 7),
        list("CBO_TRATTAMENTO", "Trattamento del subcodice ", "MG6F_INDCODIFICA",
             {{number(0), s("Nessuno")},
              {number(1), s("Codifica descrizione voci")},
              {number(2), s("Contatore automatico assoluto")},
              {number(3), s("Contatore automatico relativo")}},
             number(0), false, 7),
    };
    for (CodedList& coded : lists) {
        const QString& name = coded.combo;
        if (name == QLatin1String("CBO_VISCODDESCR"))
            coded.enabled = false;
        if (name == QLatin1String("CBO_INDALLIN") || name == QLatin1String("CBO_TRATTAMENTO"))
            coded.sortSetting = CodedList::SortSetting::BeforeClearing;
        if (name == QLatin1String("CBO_CLIFOR")) {
            coded.sortSetting = CodedList::SortSetting::None;
            coded.startText = QStringLiteral("0");
        }
        coded.selectFirst = name == QLatin1String("CBO_GESTGRIGLIA") || name == QLatin1String("CBO_VISCODDESCR") ||
                            name == QLatin1String("CBO_INDEREDIBA") || name == QLatin1String("CBO_TRATTAMENTO");
    }
    return lists;
}

}  // namespace

const QList<CodedList>& codedLists() {
    static const QList<CodedList> lists = build();
    return lists;
}

const CodedList& elementList() {
    static const CodedList element =
        list("CBO_INDELEMENTO", "Indicatore elemento di variante", "MG5L_INDELEMENTO",
             {{number(0), s("Listini")}, {number(4), s("Distinta base")}}, number(0), false, 5);
    return element;
}

std::optional<CodedList> codedList(const QString& combo) {
    for (const CodedList& coded : codedLists()) {
        if (coded.combo == combo)
            return coded;
    }
    if (combo == elementList().combo)
        return elementList();
    return std::nullopt;
}

std::optional<QString> codedText(const QString& column, const QVariant& code) {
    for (const CodedList& coded : codedLists()) {
        if (coded.column != column)
            continue;
        const QString stored = automation::cstr(code);
        for (const CodedList::Entry& entry : coded.entries) {
            if (automation::cstr(entry.code) == stored)
                return entry.text;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace brondel
