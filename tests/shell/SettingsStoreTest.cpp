// The same store semantics hold for the in-memory double and the real QSettings store.
#include "doubles/MemorySettingsStore.h"
#include "shell/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

namespace tessaron {
namespace {

template <class Store>
class SettingsStoreSemantics : public testing::Test {
protected:
    QTemporaryDir folder;
    std::unique_ptr<SettingsStore> store = [this]() -> std::unique_ptr<SettingsStore> {
        if constexpr (std::is_same_v<Store, QtSettingsStore>)
            return std::make_unique<QtSettingsStore>(folder.filePath("Tessaron.ini").toStdString());
        else
            return std::make_unique<Store>();
    }();
};

using StoreTypes = testing::Types<MemorySettingsStore, QtSettingsStore>;
TYPED_TEST_SUITE(SettingsStoreSemantics, StoreTypes);

TYPED_TEST(SettingsStoreSemantics, WrittenValueReadsBackAndMissingValueIsNothing)
{
    SettingsStore& store = *this->store;
    EXPECT_FALSE(store.Read("General", "Locale"));
    store.Write("General", "Locale", "1");
    store.Write("Board", "GameOrigin", "Spiel für Jörg, 2; \"x\" = \\y");
    store.Write("Board", "Empty", "");
    EXPECT_EQ(store.Read("General", "Locale"), "1");
    EXPECT_EQ(store.Read("Board", "GameOrigin"), "Spiel für Jörg, 2; \"x\" = \\y");
    EXPECT_EQ(store.Read("Board", "Empty"), "");
    store.Remove("General", "Locale");
    EXPECT_FALSE(store.Read("General", "Locale"));
}

TYPED_TEST(SettingsStoreSemantics, RemovingASectionTakesItsSubsectionsButNotItsNeighbours)
{
    SettingsStore& store = *this->store;
    store.Write("HallOfFame\\01", "Player", "Ann");
    store.Write("HallOfFame\\10", "Player", "Bob");
    store.Write("HallOfFameArchive", "Player", "Cid");
    store.Write("Board", "Game", "x");
    store.RemoveSection("HallOfFame");
    EXPECT_FALSE(store.Read("HallOfFame\\01", "Player"));
    EXPECT_FALSE(store.Read("HallOfFame\\10", "Player"));
    EXPECT_EQ(store.Read("HallOfFameArchive", "Player"), "Cid");
    EXPECT_EQ(store.Read("Board", "Game"), "x");
    store.RemoveAll();
    EXPECT_FALSE(store.Read("Board", "Game"));
    EXPECT_FALSE(store.Read("HallOfFameArchive", "Player"));
}

// A folder in the place of the file refuses the write even to root. Once it is gone the
// next write succeeds and is not reported, whether the store started from a clean file or
// from one damaged by hand.
TEST(QtSettingsStoreOnDisk, EachWriteIsJudgedByItsOwnResult)
{
    for (const bool damagedAtStart : {false, true}) {
        QTemporaryDir folder;
        const QString path = folder.filePath("Tessaron.ini");
        if (damagedAtStart) {
            QFile damaged(path);
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write("[General\nVersion=01.00\n");
            damaged.close();
        }
        QtSettingsStore store(path.toStdString());
        QFile::remove(path);
        ASSERT_TRUE(QDir().mkdir(path));
        try {
            store.Write("Board", "Left", "1500");
            ADD_FAILURE() << "the write was not refused " << damagedAtStart;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), ErrPathFileAccess);
        }

        ASSERT_TRUE(QDir().rmdir(path));
        EXPECT_NO_THROW(store.Write("Board", "Top", "900")) << damagedAtStart;
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains("Top=900")) << damagedAtStart;
    }
}

} // namespace
} // namespace tessaron
