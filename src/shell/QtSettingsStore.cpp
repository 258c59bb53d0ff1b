#include "shell/QtSettingsStore.h"

#include "shell/Failure.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace tessaron {

namespace {

const QString ApplicationName = QStringLiteral("Tessaron");

// "HallOfFame\01" is the subsection "01" of "HallOfFame"; QSettings writes groups with "/".
QString GroupPath(const std::string& section)
{
    QString path = QString::fromStdString(section);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

QString KeyPath(const std::string& section, const std::string& key)
{
    return GroupPath(section) + QLatin1Char('/') + QString::fromStdString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings_(Open()) {}

QtSettingsStore::QtSettingsStore(const std::string& iniFilePath)
    : iniFilePath_(QString::fromStdString(iniFilePath)), settings_(Open())
{
}

std::unique_ptr<QSettings> QtSettingsStore::Open() const
{
    if (iniFilePath_.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, ApplicationName,
                                           ApplicationName);
    return std::make_unique<QSettings>(iniFilePath_, QSettings::IniFormat);
}

std::optional<std::string> QtSettingsStore::Read(const std::string& section, const std::string& key) const
{
    const QString path = KeyPath(section, key);
    if (!settings_->contains(path)) return std::nullopt;
    const QVariant value = settings_->value(path);
    // An INI value edited by hand with commas in it reads as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::Write(const std::string& section, const std::string& key, const std::string& value)
{
    Change([&](QSettings& store) { store.setValue(KeyPath(section, key), QString::fromStdString(value)); });
}

void QtSettingsStore::Remove(const std::string& section, const std::string& key)
{
    Change([&](QSettings& store) { store.remove(KeyPath(section, key)); });
}

void QtSettingsStore::RemoveSection(const std::string& section)
{
    Change([&](QSettings& store) { store.remove(GroupPath(section)); });
}

void QtSettingsStore::RemoveAll()
{
    Change([](QSettings& store) { store.clear(); });
}

void QtSettingsStore::Change(const std::function<void(QSettings&)>& change)
{
    // A QSettings keeps the first error it met for the rest of its life: after one failed
    // write every later one would read as failed, and a file damaged at start-up would
    // hide every write error. So each change goes through a fresh object, which shares the
    // parsed file with the reader and reports only on itself.
    const std::unique_ptr<QSettings> writer = Open();
    change(*writer);
    writer->sync();
    QSettings::Status status = writer->status();
    if (status == QSettings::FormatError) {
        // The file was changed on disk and is damaged; that says nothing about the write.
        // A further object retries whatever did not reach the disk and reports on that.
        status = Open()->status();
    }
    if (status == QSettings::AccessError) Fail(ErrPathFileAccess);
}

} // namespace tessaron
