#include "window/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace tessaron {

std::string QtFileDialogFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
        // Qt reads the patterns from the parentheses; a description that shows them already serves.
        filters << (description.contains(QLatin1Char('(') + patterns + QLatin1Char(')'))
                        ? description
                        : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    if (parts.size() == 1 && !parts[0].isEmpty()) filters << parts[0];
    return filters.join(QStringLiteral(";;")).toStdString();
}

std::optional<FileDialogChoice> QtFileDialog::Show(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner, QString::fromStdString(request.Title));
    dialog.setNameFilter(QString::fromStdString(QtFileDialogFilter(request.Filter)));
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save || !request.FileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.OverwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.DefaultExtension.empty()) {
        QString suffix = QString::fromStdString(request.DefaultExtension);
        if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
        dialog.setDefaultSuffix(suffix);
    }
    if (!request.InitialFileName.empty()) {
        const QFileInfo initial(QString::fromStdString(request.InitialFileName));
        if (initial.dir().exists()) dialog.setDirectory(initial.dir());
        dialog.selectFile(initial.fileName());
    }
    // A write-protected file is handed back too: the caller says why it cannot be used.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QFileInfo chosen(dialog.selectedFiles().first());
    return FileDialogChoice{chosen.absoluteFilePath().toStdString(), chosen.fileName().toStdString()};
}

} // namespace tessaron
