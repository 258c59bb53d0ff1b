#include "window/BoardFiles.h"

#include "board/Play.h"
#include "window/BoardLayouts.h"
#include "records/GameFile.h"
#include "shell/TextTools.h"
#include "window/GameFileName.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tessaron {

namespace {
constexpr std::int16_t TextFileWriteProtected = 720;

enum class FileUse { Read, Write };

// A file that is not there is "not found" only when reading it; a refused write is an access
// error even when the file does not exist yet (a folder that cannot be written).
[[noreturn]] void FailFileAccess(const QFileDevice& file, const QString& path, FileUse use)
{
    const bool missing = use == FileUse::Read && file.error() == QFileDevice::OpenError && !QFile::exists(path);
    const std::int32_t number = missing ? ErrFileNotFound : ErrPathFileAccess;
    Fail(number, file.errorString().toStdString());
}

// The bytes of an existing file after the game (a longer file keeps them); empty when the
// file is absent or not longer than its game. A file that holds no game keeps what follows
// its first 156 bytes.
QByteArray BytesAfterGame(const QString& path)
{
    QFile existing(path);
    if (!existing.exists()) return {};
    // A read-only file may not be replaced, although its folder would allow a new one.
    if (!QFileInfo(path).isWritable()) Fail(ErrPathFileAccess);
    if (!existing.open(QIODevice::ReadOnly)) FailFileAccess(existing, path, FileUse::Read);
    const QByteArray head = existing.read(qint64(GameFileLimit));
    if (existing.error() != QFileDevice::NoError) FailFileAccess(existing, path, FileUse::Read);
    const GameFileReading reading = ReadGameFile(std::string_view(head.constData(), std::size_t(head.size())));
    const auto* deal = std::get_if<GameFileDeal>(&reading);
    const qint64 game = deal ? qint64(deal->Length) : qint64(GameFileSize);
    if (existing.size() <= game) return {};
    if (!existing.seek(game)) FailFileAccess(existing, path, FileUse::Read);
    const QByteArray tail = existing.readAll();
    if (existing.error() != QFileDevice::NoError) FailFileAccess(existing, path, FileUse::Read);
    return tail;
}
} // namespace

BoardFiles::BoardFiles(Services& services, Play& play, BoardLayouts& layouts, QWidget& owner)
    : services_(services), play_(play), layouts_(layouts), owner_(owner)
{
}

void BoardFiles::SetupLocale()
{
    const Locale& texts = services_.Texts;
    fileDialogFilter_ = ReplaceSubString("^0 (*.tsg)|*.tsg", "^0", texts.LoadLocaleString(280));
    fileOpenTitle_ = texts.LoadLocaleString(281);
    fileSaveTitle_ = texts.LoadLocaleString(282);
}

void BoardFiles::LoadGame(const std::function<void(const std::function<void()>&)>& run)
{
    Guarded(services_.Errors, BoardObject, "mnuFileLoadGame_Click", [&] {
        FileDialogRequest request;
        request.Title = fileOpenTitle_;
        request.Filter = fileDialogFilter_;
        request.InitialFileName = services_.Settings.LoadRegistryString(BoardSection, "PathGameOpen", "");
        request.FileMustExist = true;
        request.PathMustExist = true;
        const std::optional<FileDialogChoice> choice = services_.FileDialog.Show(&owner_, request);
        if (!choice) return;  // cancelled: nothing happens, nothing is stored
        services_.Settings.SaveRegistryString(BoardSection, "PathGameOpen", choice->FileName, "");
        run([&] { GameFileLoad(choice->FileName, GameFileOrigin(choice->FileTitle)); });
    });
}

void BoardFiles::GameFileLoad(const std::string& filePath, const std::string& origin)
{
    Guarded(services_.Errors, BoardObject, "GameFileLoad", [&] {
        const QString path = QString::fromStdString(filePath);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) FailFileAccess(file, path, FileUse::Read);
        const QByteArray bytes = file.read(qint64(GameFileLimit));
        if (file.error() != QFileDevice::NoError) FailFileAccess(file, path, FileUse::Read);
        file.close();

        const GameFileReading reading = ReadGameFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        const std::int16_t refusal = GameFileRefusalText(reading, layouts_.Catalog());
        if (refusal == 0) {
            const GameFileDeal& deal = std::get<GameFileDeal>(reading);
            // The deal's positions are those of its layout: the board takes its places first.
            if (deal.LayoutKey != layouts_.Current().Key) layouts_.UseKey(deal.LayoutKey);
            play_.StartLoadedDeal(deal.Faces, origin);
            return;
        }
        const std::string* key = nullptr;
        if (const auto* deal = std::get_if<GameFileDeal>(&reading)) key = &deal->LayoutKey;
        std::string text = ReplaceSubString(services_.Texts.LoadLocaleString(refusal), "^0", filePath);
        if (key) text = ReplaceSubString(text, "^1", *key);
        services_.MessageBox.Beep();
        services_.MessageBox.ShowCriticalOk(fileOpenTitle_, text);
    });
}

void BoardFiles::SaveGame()
{
    Guarded(services_.Errors, BoardObject, "mnuFileSaveGame_Click", [this] {
        FileDialogRequest request;
        request.Title = fileSaveTitle_;
        request.Filter = fileDialogFilter_;
        request.InitialFileName = services_.Settings.LoadRegistryString(BoardSection, "PathGameSave", "");
        request.DefaultExtension = ".tsg";
        request.Save = true;
        request.OverwritePrompt = true;
        request.PathMustExist = true;
        const std::optional<FileDialogChoice> choice = services_.FileDialog.Show(&owner_, request);
        if (!choice) return;
        // A write-protected file is not replaced: the player is told why, nothing is stored.
        const QFileInfo chosen(QString::fromStdString(choice->FileName));
        if (chosen.exists() && !chosen.isWritable()) {
            services_.MessageBox.Beep();
            services_.MessageBox.ShowCriticalOk(
                fileSaveTitle_,
                ReplaceSubString(services_.Texts.LoadLocaleString(TextFileWriteProtected), "^0", choice->FileName));
            return;
        }
        services_.Settings.SaveRegistryString(BoardSection, "PathGameSave", choice->FileName, "");
        GameFileSave(choice->FileName);
    });
}

void BoardFiles::GameFileSave(const std::string& filePath)
{
    Guarded(services_.Errors, BoardObject, "GameFileSave", [&] {
        const std::string bytes = EncodeGameFile(play_.DealtFaces(), layouts_.Current().Key, services_.Errors);
        if (bytes.empty()) return;  // already reported; nothing is written
        const QString path = QString::fromStdString(filePath);
        const QByteArray tail = BytesAfterGame(path);
        // Written beside the old file and put in its place in one step, so a save that fails
        // half-way leaves the old file whole. The bytes after the game are carried over.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) FailFileAccess(file, path, FileUse::Write);
        if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())
            || file.write(tail) != tail.size() || !file.commit())
            FailFileAccess(file, path, FileUse::Write);
    });
}

} // namespace tessaron
