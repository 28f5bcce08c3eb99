#include "resource_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString defaultResourceFolder() {
    const QDir binDir(QCoreApplication::applicationDirPath());
    const QString beside = binDir.filePath(QStringLiteral("resources"));
    if (QFileInfo(beside).isDir()) {
        return beside;
    }
    return QDir::cleanPath(binDir.filePath(QStringLiteral("../share/brellum")));
}
