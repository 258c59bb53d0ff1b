// The board window's set-up, its first activation, closing, and its place on the screen.
#include "window/frmBoard.h"

#include "window/BoardLabel.h"
#include "window/BoardSurface.h"
#include "window/CommandButton.h"
#include "window/PictureDecoder.h"
#include "window/QtClockTimer.h"
#include "window/TilePicture.h"
#include "window/WindowPlace.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace tessaron {

namespace {

// Comic Sans MS where installed, else its free look-alike, else the default font. The font
// matcher walks the list itself, without listing every family installed.
QFont LabelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPointSize(12);
    return font;
}

constexpr int CommandButtonSide = 24;

// Where each language's win banner lies on the board, in board units.
const std::array<QRectF, resources::LanguageCount> BannerPlaces{
    QRectF(43, 166, resources::WonBannerWidth[0], resources::WonBannerHeight[0]),
    QRectF(12, 170, resources::WonBannerWidth[1], resources::WonBannerHeight[1])};
} // namespace

frmBoard::frmBoard(Services& services, BoardCompanions& companions, BoardOptions options, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      companions_(companions),
      options_(std::move(options)),
      geometry_(services.Errors),
      creator_(geometry_, services.Random, services.Errors)
{
    setObjectName(QStringLiteral("frmBoard"));
    if (!options_.EndProgram) options_.EndProgram = [] { std::_Exit(EXIT_SUCCESS); };
    ClockTimer* timer = options_.Timer;
    if (!timer) {
        ownTimer_ = std::make_unique<QtClockTimer>();
        timer = ownTimer_.get();
    }
    clock_ = std::make_unique<GameClock>(services.Time, *timer, static_cast<ClockView&>(*this), services.Texts,
                                         services.Errors);
    play_ = std::make_unique<Play>(PlayWiring{geometry_, *this, *clock_, services.Sound, *this, *this,
                                              services.Settings, services.Errors});
    PositionSolver* solver = options_.Solver;
    if (!solver) {
        ownSolver_ = std::make_unique<ThreadedPositionSolver>(geometry_, std::chrono::seconds(5), std::chrono::seconds(30));
        solver = ownSolver_.get();
    }
    solver_ = std::make_unique<BoardSolver>(*play_, *solver, static_cast<HintView&>(*this));
    decoder_ = std::make_unique<PictureDecoder>(
        [this](DecodedPictures decoded, int scale) { PicturesDecoded(std::move(decoded), scale); },
        options_.PictureWorkers);
    CreateControls();
    CreateMenus();
    CreateKeyboard();
    Form_Load();
}

frmBoard::~frmBoard() = default;

void frmBoard::CreateControls()
{
    setWindowTitle(QString::fromStdString(services_.Program.Title));
    surface_ = new BoardSurface(scale_, [this] { SoundStop(); }, [this] { PlaceControls(); }, this);
    setCentralWidget(surface_);

    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        imgTile_[tile] = new TilePicture(tile, surface_);
        connect(imgTile_[tile], &TilePicture::Clicked, this, &frmBoard::imgTile_Click);
        connect(imgTile_[tile], &TilePicture::DoubleClicked, this, &frmBoard::imgTile_DblClick);
    }
    // A smaller position always lies in front.
    for (std::int32_t tile = TileCount; tile >= 1; --tile) imgTile_[tile]->raise();

    // Their icons are set with the other pictures (ShowPicturesAtScale).
    auto button = [this](const char* name, int left, int top, void (frmBoard::*handler)()) {
        auto* created = new CommandButton(surface_);
        created->setObjectName(QString::fromLatin1(name));
        connect(created, &QPushButton::clicked, this, handler);
        created->raise();
        places_.Add(created, QRectF(left, top, CommandButtonSide, CommandButtonSide));
        return created;
    };
    cmdRedoNextMove_ = button("cmdRedoNextMove", 0, 0, &frmBoard::cmdRedoNextMove_Click);
    cmdRemoveTiles_ = button("cmdRemoveTiles", 556, 0, &frmBoard::cmdRemoveTiles_Click);
    cmdRemoveTile_ = button("cmdRemoveTile", 0, 450, &frmBoard::cmdRemoveTile_Click);
    cmdUndoLastMove_ = button("cmdUndoLastMove", 556, 450, &frmBoard::cmdUndoLastMove_Click);

    const QFont font = LabelFont();
    auto label = [this, &font](const char* name, BoardLabel::Anchor anchor, int x, int y, QColor colour) {
        auto* created = new BoardLabel(scale_, QString::fromLatin1(name), anchor, x, y, colour, surface_);
        created->SetBoardFont(font);
        created->raise();
        places_.Add(created);
        return created;
    };
    lblGameOrigin_ = label("lblGameOrigin", BoardLabel::Anchor::Centre, 270, 1, QColor(255, 224, 192));
    lblGameOrigin_->SetFixedLineHeight(23);
    // A long origin ("name date (time)") is shortened in the middle before it reaches the
    // corner buttons: 4 units clear of either, on both sides of its centre.
    lblGameOrigin_->SetElideWidth(2 * (270 - CommandButtonSide - 4));
    lblTimeGone_ = label("lblTimeGone", BoardLabel::Anchor::Left, 29, 450, QColor(255, 255, 192));
    lblNoMovePossible_ = label("lblNoMovePossible", BoardLabel::Anchor::Centre, 270, 450, QColor(255, 128, 255));
    lblNoMovePossible_->hide();
    lblGameLost_ = label("lblGameLost", BoardLabel::Anchor::Centre, 270, 450, QColor(255, 128, 255));
    lblGameLost_->hide();
    lblTileCount_ = label("lblTileCount", BoardLabel::Anchor::Right, 551, 450, QColor(255, 255, 192));

    for (int language = 0; language < 2; ++language) {
        auto* banner = new QLabel(surface_);
        banner->setObjectName(QStringLiteral("imgGameWon_%1").arg(language));
        banner->setAttribute(Qt::WA_TranslucentBackground);
        // Its picture is set when it is first shown (ShowGameWon), and fills its place.
        banner->setScaledContents(true);
        banner->hide();
        banner->raise();
        places_.Add(banner, BannerPlaces[language]);
        imgGameWon_[language] = banner;
    }
}

void frmBoard::Form_Load()
{
    Guarded(services_.Errors, BoardObject, "Form_Load", [&] {
        SetupLocale();
        // The tile steps in board units: a picture less its edge.
        const float tileWidth = float(resources::TileFaceWidth - resources::TileEdge);
        const float tileHeight = float(resources::TileFaceHeight - resources::TileEdge);
        clock_->LoadTimingActive(services_.Settings);
        geometry_.CreateTileRelations(BoardLayout, tileWidth, tileHeight);
        for (std::int32_t tile = 1; tile <= geometry_.PositionCount(); ++tile) {
            const PixelPlace& place = geometry_.Place(tile);
            places_.Add(imgTile_[tile],
                        QRectF(place.Left, place.Top, resources::TileFaceWidth, resources::TileFaceHeight));
        }
        mnuOptionLocaleSelect_[services_.Texts.GetLocale() == 1 ? 1 : 0]->setChecked(true);
        mnuOptionTimingActive_->setChecked(clock_->TimingActive());
        solver_->SetWarnLost(services_.Settings.LoadRegistryString("Board", "WarnLost", "1") != "0");
        mnuOptionWarnLost_->setChecked(solver_->WarnLost());
        EnableCommands();
    });
    // The window's size is known only now; its stored place is checked against it. Its
    // own size, not adjustSize's share of the screen: FormLocationLoad fits it to the screen.
    resize(sizeHint());
    PlaceControls();
    FormLocationLoad();
}

void frmBoard::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (formActivated_) return;
    formActivated_ = true;
    // Now the window manager's frame is known (or soon is): the window is shrunk once more
    // if its frame makes it larger than the free area.
    QTimer::singleShot(0, this, &frmBoard::FitToScreen);
    // On a screen with another pixel density the pictures of another resolution are drawn.
    if (QWindow* window = windowHandle()) connect(window, &QWindow::screenChanged, this, &frmBoard::PlaceControls);
    // Once the window is on screen: the progress window of a new deal stands over it.
    QTimer::singleShot(0, this, &frmBoard::Form_Activate);
}

void frmBoard::Form_Activate()
{
    Forward([this] {
        Guarded(services_.Errors, BoardObject, "Form_Activate", [this] { play_->ResumeSavedGame(); });
    });
}

void frmBoard::closeEvent(QCloseEvent* event)
{
    // Half a deal must not be saved: a build in progress can only be cancelled.
    if (building_) {
        event->ignore();
        return;
    }
    // A hint or warning that arrived now would open a message over a closed window.
    solver_->Stop();
    Guarded(services_.Errors, BoardObject, "Form_Unload", [this] {
        FormLocationSave();
        play_->GameSave();
        clock_->TimerStop();
    });
    event->accept();
}

double frmBoard::TwipsPerPixel() const
{
    const int dpi = logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

QSize frmBoard::FrameExtra() const
{
    const QSize known = frameGeometry().size() - size();
    if (known.width() > 0 || known.height() > 0) return known;
    // Not known before the window manager has framed the window: a title bar and a border.
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    return {2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * border};
}

void frmBoard::FitToScreen()
{
    const QScreen* shown = screen();
    if (!shown) return;
    // Never larger than the desktop's free area, frame included, so the bottom row and the
    // buttons below it can be reached; the board scales down to the size left.
    const QSize room = shown->availableGeometry().size() - FrameExtra();
    const QSize fitted = size().boundedTo(room).expandedTo(minimumSizeHint());
    if (fitted != size()) resize(fitted);
}

void frmBoard::FormLocationLoad()
{
    Guarded(services_.Errors, BoardObject, "FormLocationLoad", [this] {
        const QScreen* shown = screen();
        if (!shown) return;
        const double twips = TwipsPerPixel();
        const QRect desktop = shown->virtualGeometry();
        // The size first, as the place is checked against it. Only a size that fits the
        // screen's free area, frame included, and is not below the board's least is taken.
        const double width = services_.Settings.LoadRegistrySingle("Board", "Width", float(this->width() * twips));
        const double height = services_.Settings.LoadRegistrySingle("Board", "Height", float(this->height() * twips));
        const QSize room = shown->availableGeometry().size() - FrameExtra();
        const QSize smallest = minimumSizeHint();
        const auto fits = [](double pixels, int least, int most) { return pixels >= least && pixels <= most; };
        // Checked as numbers first: a damaged value never reaches the conversion to pixels.
        if (fits(width / twips, smallest.width(), room.width()) &&
            fits(height / twips, smallest.height(), room.height())) {
            const QSize stored(int(std::lround(width / twips)), int(std::lround(height / twips)));
            if (stored != size()) resize(stored);
        }
        // A first start on a small or coarsely scaled screen: the first size may not fit.
        FitToScreen();
        // No place stored (a first start): the window system places the window.
        if (services_.Settings.LoadRegistryString("Board", "Left", "").empty() &&
            services_.Settings.LoadRegistryString("Board", "Top", "").empty())
            return;
        const QRect frame = frameGeometry();
        const double left = services_.Settings.LoadRegistrySingle("Board", "Left", float(frame.x() * twips));
        if (!EdgeKeepsWindowOnDesktop(left, frame.width() * twips, desktop.x() * twips, desktop.width() * twips))
            return;
        const double top = services_.Settings.LoadRegistrySingle("Board", "Top", float(frame.y() * twips));
        if (!EdgeKeepsWindowOnDesktop(top, frame.height() * twips, desktop.y() * twips, desktop.height() * twips))
            return;
        move(int(std::lround(left / twips)), int(std::lround(top / twips)));
    });
}

void frmBoard::FormLocationSave()
{
    Guarded(services_.Errors, BoardObject, "FormLocationSave", [this] {
        if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
        const double twips = TwipsPerPixel();
        const QRect frame = frameGeometry();
        services_.Settings.SaveRegistrySingle("Board", "Left", float(frame.x() * twips), 0.0f);
        services_.Settings.SaveRegistrySingle("Board", "Top", float(frame.y() * twips), 0.0f);
        services_.Settings.SaveRegistrySingle("Board", "Width", float(width() * twips), 0.0f);
        services_.Settings.SaveRegistrySingle("Board", "Height", float(height() * twips), 0.0f);
    });
}

void frmBoard::SoundStop()
{
    Guarded(services_.Errors, BoardObject, "SoundStop", [this] { services_.Sound.SoundStop(); });
}

} // namespace tessaron
