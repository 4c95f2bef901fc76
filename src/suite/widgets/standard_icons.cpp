#include "suite/widgets/standard_icons.h"

#include <QHash>
#include <QObject>

namespace suite {

namespace {

// Lives as a child of its style, so that the icons go with the style, before the application.
class IconCache : public QObject {
public:
    static constexpr char Name[] = "suite-standard-icons";

    explicit IconCache(QObject* style) : QObject(style) { setObjectName(QLatin1String(Name)); }

    QHash<int, QIcon> icons;
};

}  // namespace

QIcon standardIcon(QStyle* style, QStyle::StandardPixmap which) {
    auto* cache =
        static_cast<IconCache*>(style->findChild<QObject*>(QLatin1String(IconCache::Name), Qt::FindDirectChildrenOnly));
    if (!cache)
        cache = new IconCache(style);
    auto it = cache->icons.find(which);
    if (it == cache->icons.end())
        it = cache->icons.insert(which, style->standardIcon(which));
    return *it;
}

}  // namespace suite
