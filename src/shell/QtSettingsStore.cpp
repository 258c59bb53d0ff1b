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

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, ApplicationName,
                                            ApplicationName))
{
}

QtSettingsStore::QtSettingsStore(const std::string& iniFilePath)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(iniFilePath), QSettings::IniFormat))
{
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
    settings_->setValue(KeyPath(section, key), QString::fromStdString(value));
    Flush();
}

void QtSettingsStore::Remove(const std::string& section, const std::string& key)
{
    settings_->remove(KeyPath(section, key));
    Flush();
}

void QtSettingsStore::RemoveSection(const std::string& section)
{
    settings_->remove(GroupPath(section));
    Flush();
}

void QtSettingsStore::RemoveAll()
{
    settings_->clear();
    Flush();
}

void QtSettingsStore::Flush()
{
    settings_->sync();
    if (settings_->status() == QSettings::AccessError) Fail(ErrPathFileAccess);
}

} // namespace tessaron
