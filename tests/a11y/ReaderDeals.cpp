// Stores a known deal as the game to resume, in the settings the real game reads (the
// caller points XDG_CONFIG_HOME at a folder of its own), and prints what the reader test
// needs to play it: "dead-end" stores a deal that is lost from the start and runs into a
// dead end after two moves; "winnable" stores a generated deal and prints its pairs in an
// order that clears the board, one pair of tile numbers a line. "helpers" switches on the
// free-pairs count and the marks on matching tiles (else they are off); any other further
// argument is the locale.
#include "doubles/FixedSystemLocale.h"
#include "doubles/RecordingMessageBox.h"
#include "play/KnownDeals.h"
#include "preferences/Preferences.h"
#include "records/GameRecord.h"
#include "shell/QtSettingsStore.h"
#include "shell/Registry.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    using namespace tessaron;
    if (argc < 2 || (std::strcmp(argv[1], "dead-end") != 0 && std::strcmp(argv[1], "winnable") != 0)) {
        std::fprintf(stderr, "usage: reader_deals dead-end|winnable [locale] [helpers]\n");
        return 2;
    }
    RecordingErrorReport report;
    BoardGeometry geometry(report.Errors);
    geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
    const bool deadEnd = std::strcmp(argv[1], "dead-end") == 0;
    const KnownDeal deal = GenerateDeal(geometry, report.Errors, 7);
    const TileArray faces = deadEnd ? DeadEndDeal(2) : deal.Faces;
    // Stamped with this version first, or the game would clear the settings as stale.
    QtSettingsStore store;
    FixedSystemLocale english;
    Registry settings(store, report.Errors, english);
    settings.CleanupRegistry();
    settings.SaveRegistryString("Board", "Game", ConvertTilesToString(faces, report.Errors), "");
    settings.SaveRegistryString("Board", "WarnLost", "1", "");
    bool helpers = false;
    for (int n = 2; n < argc; ++n) {
        if (std::strcmp(argv[n], "helpers") == 0)
            helpers = true;
        else
            settings.SaveRegistryString("General", "Locale", argv[n], "");
    }
    // Off is stored as nothing, so a game stored before with them on does not pass them on.
    for (Preference helper : {Preference::ShowFreePairs, Preference::ShowMatches})
        settings.SaveRegistryString("Board", PreferenceKey(helper), helpers ? "1" : "", "");
    if (!deadEnd)
        for (int k = 72; k >= 1; --k) std::printf("%d %d\n", deal.Pair(k).first, deal.Pair(k).second);
    std::fflush(stdout);
    return report.Box.Boxes.empty() ? 0 : 1;
}
