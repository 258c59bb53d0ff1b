#include "window/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

namespace tessaron {

namespace {

// The patterns of a filter part ("*.mid;*.mp3" or "*.mid *.mp3") one by one.
QStringList FilterPatterns(const QString& patterns)
{
    static const QRegularExpression separators(QStringLiteral("[; ]+"));
    return patterns.split(separators, Qt::SkipEmptyParts);
}

// The player's documents folder, or the home folder where there is none.
QString PlayersDocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

// Qt reads the patterns, separated by blanks, from the last parentheses of a description.
// A description that already shows the patterns (in either form) gets them once, in Qt's.
std::string QtFileDialogFilter(const std::string& filter)
{
    static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\(([^()]*)\\)$"));
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QStringList patterns = FilterPatterns(parts[i + 1]);
        const QRegularExpressionMatch shown = shownPatterns.match(description);
        if (shown.hasMatch() && FilterPatterns(shown.captured(1)) == patterns)
            description.truncate(shown.capturedStart());
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    if (parts.size() == 1 && !parts[0].isEmpty()) filters << parts[0];
    return filters.join(QStringLiteral(";;")).toStdString();
}

std::optional<FileDialogChoice> QtFileDialog::Show(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner, QString::fromStdString(request.Title));
    // Qt's own dialog speaks the game's language (its translations follow the language
    // switch); a native one would speak the desktop's.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QString::fromStdString(QtFileDialogFilter(request.Filter)));
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save || !request.FileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.OverwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.DefaultExtension.empty()) {
        QString suffix = QString::fromStdString(request.DefaultExtension);
        if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
        dialog.setDefaultSuffix(suffix);
    }
    // Without a file to start from (or with its folder gone) the dialog opens in the player's
    // documents, never in the folder Qt last showed (the program's own sounds, perhaps) or the
    // working directory.
    const QFileInfo initial(QString::fromStdString(request.InitialFileName));
    const bool fromFile = !request.InitialFileName.empty() && initial.dir().exists();
    dialog.setDirectory(fromFile ? initial.dir() : QDir(PlayersDocumentsFolder()));
    if (!request.InitialFileName.empty()) dialog.selectFile(initial.fileName());
    // A write-protected file is handed back too: the caller says why it cannot be used.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QFileInfo chosen(dialog.selectedFiles().first());
    return FileDialogChoice{chosen.absoluteFilePath().toStdString(), chosen.fileName().toStdString()};
}

} // namespace tessaron
