#include "layouts/PlayerLayoutFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace tessaron {

QString PlayerLayoutFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/layouts");
}

std::vector<PlayerLayoutFile> ReadPlayerLayoutFiles(const QString& folder)
{
    std::vector<PlayerLayoutFile> files;
    const QDir dir(folder);
    if (!dir.exists()) return files;
    const QStringList names =
        dir.entryList({QStringLiteral("*.layout")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        PlayerLayoutFile file{name.toStdString(), std::nullopt};
        QFile reader(dir.filePath(name));
        if (reader.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = reader.read(qint64(LayoutTextLimit) + 1);
            if (reader.error() == QFileDevice::NoError) file.Bytes = bytes.toStdString();
        }
        files.push_back(std::move(file));
    }
    return files;
}

} // namespace tessaron
