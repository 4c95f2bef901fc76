#include "brondel/console/sidebar_section.h"

#include <QStringList>
#include <initializer_list>

namespace brondel {

namespace {

const QString crlf = QStringLiteral("\r\n");

QString lines(std::initializer_list<const char*> texts) {
    QStringList joined;
    for (const char* text : texts)
        joined << QString::fromUtf8(text);
    return joined.join(crlf);
}

const char* const enablingColumns[] = {"ITMCONFIGVAR", "ITMRAGGRUP", "ITMOPZVAR", "ITMLINGUAVAR",
                                       "ITMCLIFORVAR", "ITMPRIELA",  "ITMRAGVAR", "ITMCONFIGART",
                                       "ITMDESLINART", "ITMSUBCOD",  "ITMOBBDOC", "ITMOBBPRO"};

const char* const missingVariants = "Manca la personalizzazione del configuratore delle varianti.";
const char* const missingOptions = "Manca la personalizzazione delle opzioni delle varianti.";

// Lines of the enabling query. Each block names the sidebar item that its column switches on.
class Statement {
public:
    explicit Statement(QString company) : company_(std::move(company)) {}

    Statement& line(const char* text) {
        text_ += QString::fromLatin1(text) + crlf;
        return *this;
    }
    Statement& companyLine(const char* text) {
        text_ += QString::fromLatin1(text) + company_ + crlf;
        return *this;
    }

    // A one-table block in the narrow layout.
    Statement& singleTable(const char* table, const char* companyColumn, const char* alias) {
        line("       , CASE")
            .line("           WHEN EXISTS (")
            .line("               SELECT TOP 1 1")
            .line("           FROM");
        text_ +=
            QStringLiteral("               ") + QString::fromLatin1(table) + QStringLiteral(" WITH (NOLOCK)") + crlf;
        line("           WHERE");
        text_ += QStringLiteral("                ") + QString::fromLatin1(companyColumn) + QStringLiteral(" = ") +
                 company_ + crlf;
        return line("           ) THEN 1").line("           ELSE 0").alias(alias);
    }

    // An EXISTS of the wide layout; condition, when given, is one more line of its WHERE.
    Statement& exists(const char* table, const char* companyColumn, const char* condition = nullptr) {
        line("           EXISTS (").line("                   SELECT TOP 1 1").line("                   FROM");
        text_ += QStringLiteral("                       ") + QString::fromLatin1(table) +
                 QStringLiteral(" WITH (NOLOCK)") + crlf;
        line("                   WHERE");
        text_ += QStringLiteral("                       ") + QString::fromLatin1(companyColumn) +
                 QStringLiteral(" = ") + company_ + crlf;
        if (condition)
            line(condition);
        return line("                   ) ");
    }

    Statement& wideEnd(const char* alias) { return line("       THEN 1").line("        ELSE 0").alias(alias); }

    Statement& alias(const char* alias) {
        text_ += QStringLiteral("       END AS ") + QString::fromLatin1(alias) + crlf;
        return *this;
    }

    QString text() const { return text_; }

private:
    QString company_;
    QString text_;
};

}  // namespace

const std::array<SidebarSection, PanelCount>& sidebarSections() {
    static const std::array<SidebarSection, PanelCount> sections = {{
        {"ITMCONFIGVAR", 0, "MostraItemLottiParametriGenerali", QString()},
        {"ITMRAGGRUP", 1, "MostraItemRaggruppamenti",
         lines({"Configurazione raggruppamenti non abilitata.", missingVariants})},
        {"ITMOPZVAR", 2, "MostraItemOpzioniVar",
         lines({"Configurazione opzioni variante non abilitata.", missingVariants})},
        {"ITMLINGUAVAR", 3, "MostraItemLinguaVar",
         lines({"Configurazione lingua descrizioni non abilitata.", missingOptions})},
        {"ITMCLIFORVAR", 4, "MostraItemCliForVar",
         lines({"Configurazione descrizioni per Clienti e Fornitori non abilitata.", missingOptions})},
        {"ITMPRIELA", 5, "MostraItemPriEla",
         lines({"Configurazione Priorità elaborazioni non abilitata.", missingVariants})},
        {"ITMRAGVAR", 6, "MostraItemRagVar",
         lines({"Associazione Raggruppamenti/Opzioni varianti non abilitata.",
                "Manca la configurazione dei raggruppamenti."})},
        {"ITMCONFIGART", 7, "MostraItemConfigArt", lines({"Configurazione Articolo non abilitata."})},
        {"ITMSUBCOD", 8, "MostraItemSubCodArt",
         lines({"Configurazione subcodici articolo non abilitata.", "Nei parametri di magazzino non è stata attivata",
                "la gestione dei subcodici articoli di magazzino", "o nel configuratore articolo non è presente",
                "almeno una voce con trattamento ", "impostato su \"Codifica descrizione voci\""})},
        {"ITMDESLINART", 9, "MostraItemLinguaSubArt",
         lines({"Configurazione lingua subcodici non abilitata.",
                "Manca la personalizzazione del configuratore dei subcodici articoli."})},
        {"ITMOBBDOC", 10, "MostraItemObbDoc",
         lines({"Gestione obbligatorietà varianti per documenti non abilitata.", missingVariants})},
        {"ITMOBBPRO", 11, "MostraItemObbPro",
         lines({"Gestione obbligatorietà varianti per programmi non abilitata.", missingVariants})},
    }};
    return sections;
}

const SidebarSection* sidebarSection(const QString& itemKey) {
    for (const SidebarSection& section : sidebarSections()) {
        if (itemKey == QLatin1String(section.itemKey))
            return &section;
    }
    return nullptr;
}

std::span<const char* const> sidebarEnablingColumns() { return enablingColumns; }

QString sidebarEnablingStatement(const QString& company) {
    Statement statement(company);
    statement.line("   SELECT").line("         1 AS ITMCONFIGVAR");
    statement.singleTable("MG5F_DIMECONF", "MG5F_DITTA_CG18", "ITMRAGGRUP")
        .singleTable("MG5F_DIMECONF", "MG5F_DITTA_CG18", "ITMOPZVAR")
        .singleTable("MG5E_OPZIONI", "MG5E_DITTA_CG18", "ITMLINGUAVAR")
        .singleTable("MG5E_OPZIONI", "MG5E_DITTA_CG18", "ITMCLIFORVAR")
        .singleTable("MG5F_DIMECONF", "MG5F_DITTA_CG18", "ITMPRIELA");
    statement.line("   , CASE").line("       WHEN ");
    statement.exists("MG5G_RAGGVAR", "MG5G_DITTA_CG18")
        .line("           AND")
        .exists("MG5E_OPZIONI", "MG5E_DITTA_CG18");
    statement.wideEnd("ITMRAGVAR");
    statement.line("   ,   1 AS ITMCONFIGART");
    statement.line("   , CASE").line("       WHEN ");
    statement.exists("MG6F_DIMEART", "MG6F_DITTA_CG18", "                       AND MG6F_INDCODIFICA = 1 ")
        .line("           AND")
        .exists("MG50_PARMAGAZ", "MG50_DITTA_CG18", "                       AND MG50_INDCODART = 1");
    statement.wideEnd("ITMSUBCOD");
    statement.line("   , CASE").line("       WHEN ");
    statement.exists("MG6E_SUBCODART", "MG6E_DITTA_CG18").wideEnd("ITMDESLINART");
    statement.singleTable("MG5F_DIMECONF", "MG5F_DITTA_CG18", "ITMOBBDOC")
        .singleTable("MG5F_DIMECONF", "MG5F_DITTA_CG18", "ITMOBBPRO");
    return statement.text();
}

}  // namespace brondel
