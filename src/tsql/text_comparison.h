#pragma once

#include <QStringView>
#include <string_view>

namespace tsql {

// How the suite compares text, as SQL Server's default collation does: case ignored, accents significant,
// trailing blanks ignored (ICU's root collation at secondary strength). The DATABASE_DEFAULT collation of
// every suite connection and the data layer's Sort and Filter both compare this way. Returns <0, 0 or >0.
int compareText(QStringView a, QStringView b);
// The same for UTF-8 text.
int compareText(std::string_view a, std::string_view b);
// As a case-sensitive, accent-sensitive collation (Latin1_General_CS_AS) compares UTF-8 text: as
// compareText, then lower case before upper case (ICU's case level).
int compareTextWithCase(std::string_view a, std::string_view b);
int compareTextWithCase(QStringView a, QStringView b);

}  // namespace tsql
