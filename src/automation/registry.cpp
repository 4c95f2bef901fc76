#include "automation/registry.h"

#include "automation/error.h"
#include "automation/typelib.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>

#include <functional>

namespace automation {

namespace {

const QString classesKey = QStringLiteral("classes");
const QString libraryKey = QStringLiteral("library");
const QString versionKey = QStringLiteral("version");

[[noreturn]] void raiseFileError(const QString& path, const QString& reason) {
    const Error vbError = Error::fromNumber(errors::PathFileAccessError);
    throw Error(vbError.number(), QString(), QStringLiteral("%1: %2: %3").arg(vbError.description(), path, reason));
}

// ProgID -> {library, version}
QJsonObject readClasses(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        raiseFileError(path, file.errorString());
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        raiseFileError(path, parseError.errorString());
    if (!document.isObject())
        raiseFileError(path, QStringLiteral("not a component registry"));
    return document.object().value(classesKey).toObject();
}

void writeClasses(const QString& path, const QJsonObject& classes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseFileError(path, file.errorString());
    file.write(QJsonDocument(QJsonObject{{classesKey, classes}}).toJson());
    if (!file.commit())
        raiseFileError(path, file.errorString());
}

// The key under which progId is stored, whatever its case.
std::optional<QString> storedKey(const QJsonObject& classes, QStringView progId) {
    for (auto it = classes.begin(); it != classes.end(); ++it) {
        if (progId.compare(it.key(), Qt::CaseInsensitive) == 0)
            return it.key();
    }
    return std::nullopt;
}

void update(const QString& path, const std::function<void(QJsonObject&)>& change) {
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.lock())
        raiseFileError(path, QStringLiteral("cannot lock the registry"));
    QJsonObject classes = readClasses(path);
    change(classes);
    writeClasses(path, classes);
}

void removeProgId(QJsonObject& classes, const QString& progId) {
    if (const auto key = storedKey(classes, progId))
        classes.remove(*key);
}

}  // namespace

ComponentRegistry::ComponentRegistry(QString path) : path_(std::move(path)) {}

void ComponentRegistry::registerLibrary(const TypeLibrary& library, const QString& libraryPath) {
    update(path_, [&](QJsonObject& classes) {
        for (const auto& info : library.classes()) {
            if (!info.isCreatable())
                continue;
            const QString progId = library.progId(info);
            removeProgId(classes, progId);
            classes.insert(progId, QJsonObject{{libraryKey, libraryPath}, {versionKey, info.version().toString()}});
        }
    });
}

void ComponentRegistry::unregisterLibrary(const TypeLibrary& library) {
    update(path_, [&](QJsonObject& classes) {
        for (const auto& info : library.classes())
            removeProgId(classes, library.progId(info));
    });
}

std::optional<QString> ComponentRegistry::libraryPath(QStringView progId) const {
    const QJsonObject classes = readClasses(path_);
    const auto key = storedKey(classes, progId);
    if (!key)
        return std::nullopt;
    return classes.value(*key).toObject().value(libraryKey).toString();
}

QStringList ComponentRegistry::progIds() const { return readClasses(path_).keys(); }

}  // namespace automation
