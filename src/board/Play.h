#pragma once
// The play on a dealt board: selection, moves, peek, undo, redo, restart, the dead-end and
// win tests, and the start of every game. The model owns which tiles are in play; it tells
// its view what to draw and never asks the view what is on the board.
#include "board/BoardGeometry.h"
#include "board/GameProgress.h"
#include "board/Shuffle.h"
#include "board/TileTypes.h"
#include "halloffame/HallOfFameChoice.h"
#include "shell/ErrorReport.h"
#include "shell/Registry.h"
#include "sound/SoundService.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessaron {

// What the player may do now; the one source of truth for buttons and menu items.
struct CommandAvailability {
    bool DoMove = false;
    bool Peek = false;
    bool Undo = false;
    bool Redo = false;
    bool Restart = false;
    bool TimingOption = false;  // "Play against the clock" may be changed
    bool Hint = false;          // a deal in normal play, not won (at a dead end it counts the undos back)
    bool Pause = false;         // set by the window: a deal in play, not won, no dead end
    bool NewDeal = false;       // set by the window: another deal may come (not while paused)
    bool Shuffle = false;       // the game can no longer be won (see ShuffleIsAvailable)
    bool Demo = false;          // as Hint: the solver may play the game out from here
    bool operator==(const CommandAvailability&) const = default;
};

// Ways of play the player may choose beyond the classic ones; all off is the classic game.
struct PlayOptions {
    bool PairOnSecondClick = false;    // a click that completes a matching pair takes it off at once
    bool ClickMovesSelection = false;  // a click on a free tile that does not match selects it instead
    bool operator==(const PlayOptions&) const = default;
};

// What the origin label shows: the origin text, or one of the two new-game texts.
enum class OriginKind { NewGame, SavedGame, Origin };

class PlayView {
public:
    virtual ~PlayView() = default;
    // The one way to show, hide or highlight a tile: the bright look when selected.
    virtual void DrawTile(std::int32_t tile, std::int32_t face, bool selected, bool visible) = 0;
    virtual void ShowTileCount(std::int32_t tilesLeft) = 0;
    virtual void ShowGameOrigin(OriginKind kind, const std::string& origin) = 0;
    virtual void ShowNoMovePossible(bool shown) = 0;
    virtual void ShowGameWon(bool shown) = 0;
};

// The game clock as play drives it.
class PlayClock {
public:
    virtual ~PlayClock() = default;
    virtual void TimerSetup() = 0;  // the clock starts from now
    virtual void TimerStart() = 0;  // runs on from its old start moment
    virtual void TimerStop() = 0;
    virtual void TimerReset() = 0;  // stopped, text cleared
    virtual void UpdateGameTime() = 0;
    virtual bool TimingActive() const = 0;
    virtual double GameTime() const = 0;
    virtual double GameTimeNow() const = 0;
};

class HallOfFameGate {
public:
    virtual ~HallOfFameGate() = default;
    virtual std::int32_t InsertGame(double gameTime, const TileArray& tileFaces, const TileArray& removedTiles,
                                    double gameTimeNow) = 0;
    virtual std::string SelectedGameOrigin() = 0;
    virtual std::string SelectedGameTiles() = 0;
};

// Builds a new solvable deal into faces (the window shows the progress meanwhile).
class DealBuilder {
public:
    virtual ~DealBuilder() = default;
    virtual void BuildDeal(TileArray& faces) = 0;
};

// What the player did in the game on the board, from its start: pairs taken off by Do move
// or redo, undos, hints charged and shuffles made (for the game history).
struct PlayCounts {
    std::int32_t Moves = 0;
    std::int32_t Undos = 0;
    std::int32_t Hints = 0;
    std::int32_t Shuffles = 0;
    bool operator==(const PlayCounts&) const = default;
};

struct PlayWiring {
    const BoardGeometry& Geometry;
    PlayView& View;
    PlayClock& Clock;
    SoundService& Sound;
    HallOfFameGate& HallOfFame;
    DealBuilder& Deals;
    Registry& Settings;
    ErrorReport& Errors;
};

class Play {
public:
    explicit Play(const PlayWiring& wiring);

    void SetOptions(const PlayOptions& options) { options_ = options; }
    const PlayOptions& Options() const { return options_; }

    // --- Moves (failures are reported under frmBoard.<operation>) ---
    // A click on a tile; true when accepted (sound 1), false when refused (sound 0). With
    // PairOnSecondClick a click that completes a pair then does the move as Do move does.
    bool SelectTile(std::int32_t tile);
    void ResetSelection();
    void DoMove();  // takes the selected pair off
    void Peek();    // lifts the one selected tile, arming peek mode first
    void UndoLastMove();
    void RedoNextMove();
    void RestartGame();
    // A hint counts like a peek for the clock: the clock is reset and stays off, and a win
    // does not reach the hall of fame, until the board is restarted or another game starts.
    void CountHint();
    // Deals the faces in play afresh so that the game can be won, as a step of its own that
    // undo takes back and redo repeats; it counts like a hint. Only Shuffled changes the board;
    // its moves clear the board from the new faces.
    ShuffleOutcome ShuffleTiles(RandomSource& random);
    // A click under the classic rules, whatever the options (the demo's steps): it never
    // takes a pair off by itself.
    bool SelectTileClassic(std::int32_t tile) { return ChooseTile(tile, PlayOptions{}); }
    // Selects a pair as two clicks would; a refused tile leaves nothing selected.
    void SelectPair(std::int32_t first, std::int32_t second);

    // --- Games ---
    void NewGame();
    // Starts play on the current deal from the full board.
    void GameStart();
    // Takes the deal from a game record; a rejected record gives a new deal. True when
    // the deal came from text.
    bool GameLoad(const std::string& text);
    // The first activation: the deal saved at the last orderly exit, or a new one.
    void ResumeSavedGame();
    // At close: the deal and its origin for the next start (nothing once the board is clear).
    void GameSave();
    // A deal read from a game file, dealt from the full board under the given origin.
    void StartLoadedDeal(const TileArray& faces, const std::string& origin);
    void ReplaySelectedHallOfFameGame();
    // The position reached, for keeping it until the next run (the clock's time is the
    // caller's to add).
    GameProgress Progress() const;
    // Puts the board of the current deal into the kept position, replayed through the
    // rules; the clock is left to the caller. A progress that the rules refuse, or one
    // given before the saved deal was resumed, changes nothing and gives false.
    bool RestoreProgress(const GameProgress& progress);
    // Hides the win banner and the dead-end text, and stops the sound.
    void HideMessages();

    // --- State ---
    // The solver's word on the position decides Shuffle beyond a board without a free pair.
    CommandAvailability AvailableCommands(SolverVerdict verdict = SolverVerdict::Undecided) const;
    bool NoMovePossible() const;
    // The pairs that could be taken off now, and the free tiles that match a tile.
    std::int32_t FreePairCount() const;
    std::vector<std::int32_t> FreeMatches(std::int32_t tile) const;
    bool IsPresent(std::int32_t tile) const;
    bool IsLocked(std::int32_t tile) const;
    const TilePresence& Presence() const { return present_; }
    // The faces as they lie now, after any shuffle; DealtFaces as the deal was dealt (for game
    // files, the saved game and the hall of fame).
    const TileArray& TileFaces() const { return faces_; }
    const TileArray& DealtFaces() const { return dealt_; }
    std::int32_t ShufflesDone() const { return std::int32_t(shufflesDone_); }
    // The shuffles on the board now, in the order made (not those waiting for redo).
    std::vector<ShuffleStep> ShuffleSteps() const
    {
        return {shuffles_.begin(), shuffles_.begin() + std::ptrdiff_t(shufflesDone_)};
    }
    const TileArray& RemovedTiles() const { return removed_; }
    std::int32_t RemovedCount() const { return removedCount_; }
    std::int32_t RemovedCountMax() const { return removedCountMax_; }
    std::int32_t SelectedTile1() const { return selected1_; }
    std::int32_t SelectedTile2() const { return selected2_; }
    bool PeekMode() const { return peekMode_; }
    bool DealExists() const { return faces_[1] != 0; }
    bool GameWon() const { return removedCount_ == TileCount && !peekMode_; }
    bool HintUsed() const { return hintUsed_; }
    // The deal on the board is the one saved at the last exit, and no move was made yet.
    bool DealResumed() const { return dealResumed_; }
    const std::string& GameOrigin() const { return gameOrigin_; }
    OriginKind OriginLabel() const;
    // Counts every GameStart, so a watcher can tell that another game began (a restart does
    // not count: it is the same game).
    std::uint32_t GamesStarted() const { return gamesStarted_; }
    const PlayCounts& Counts() const { return counts_; }

private:
    void DrawTile(std::int32_t tile, bool selected, bool visible);
    // The selection rules of a click under the given options; redo and hints use the classic ones.
    bool ChooseTile(std::int32_t tile, const PlayOptions& options);
    void RemoveSelectedTiles();
    void RestoreLastRemovedTile();
    void LiftSelectedTile();
    void GameWonReached();
    void CreateDeal();
    void ShowOrigin();
    void UpdateTileCount();
    bool NextRedoIsAMove() const;
    void CountHelp();
    // PlayHistory.cpp: the shuffle steps.
    bool ShuffleToUndo() const;
    bool ShuffleToRedo() const;
    void ShowFaces(const TileArray& faces);

    PlayWiring w_;
    PlayOptions options_;
    TileArray dealt_{};
    TileArray faces_{};  // dealt_, or the faces of the last shuffle done
    // A shuffle is a step in the history at the RemovedCount it was made at; the first
    // shufflesDone_ are on the board, the rest wait for redo.
    std::vector<ShuffleStep> shuffles_;
    std::size_t shufflesDone_ = 0;
    TilePresence present_{};
    TileArray removed_{};
    std::int32_t removedCount_ = 0;
    std::int32_t removedCountMax_ = 0;
    std::int32_t selected1_ = 0;
    std::int32_t selected2_ = 0;
    bool peekMode_ = false;
    bool hintUsed_ = false;
    bool building_ = false;  // a new deal is being built into faces_
    std::string gameOrigin_;
    bool dealResumed_ = false;  // the deal came from the saved game at start-up
    std::uint32_t gamesStarted_ = 0;
    PlayCounts counts_;
};

} // namespace tessaron
