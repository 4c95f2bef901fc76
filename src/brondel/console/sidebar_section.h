#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

namespace brondel {

// The console's sections, one panel PIC_PARAMETRI(i) each.
inline constexpr int PanelCount = 12;

// A section of the sidebar: its item key, its panel PIC_PARAMETRI(panel), the procedure that shows it,
// and the message its item shows while the section is switched off (untranslated; empty when never off).
struct SidebarSection {
    const char* itemKey;
    qint16 panel;
    const char* showProcedure;
    QString message;
};

// The twelve sections, in panel order.
const std::array<SidebarSection, PanelCount>& sidebarSections();
// The section of an item key; nullptr for a key of no section.
const SidebarSection* sidebarSection(const QString& itemKey);

// Sidebar groups and the items the call modes select.
namespace sidebar_key {
inline constexpr char GroupVariants[] = "GRPCONVAR";
inline constexpr char GroupArticles[] = "GRPCONART";
inline constexpr char VariantConfigurator[] = "ITMCONFIGVAR";
inline constexpr char GroupingComposition[] = "ITMRAGVAR";
inline constexpr char ArticleConfigurator[] = "ITMCONFIGART";
}  // namespace sidebar_key

// The enabling query for a company (its code as statement text): one row with a column per item key,
// 1 when the section is switched on.
QString sidebarEnablingStatement(const QString& company);

}  // namespace brondel
