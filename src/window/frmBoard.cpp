// The board window's set-up, its first activation, closing, and its place on the screen.
#include "window/frmBoard.h"

#include "window/BoardLabel.h"
#include "window/CommandButton.h"
#include "window/QtClockTimer.h"
#include "window/TilePicture.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace tessaron {

namespace {
constexpr const char* BoardObject = "frmBoard";
constexpr int ClientWidth = 580;
constexpr int ClientHeight = 474;

// The background picture; a click on it (or on a label or banner above it) stops the sound.
class BoardSurface final : public QWidget {
public:
    BoardSurface(const QPixmap& background, std::function<void()> clicked, QWidget* parent)
        : QWidget(parent), background_(background), clicked_(std::move(clicked))
    {
        setObjectName(QStringLiteral("BoardSurface"));
        setFixedSize(ClientWidth, ClientHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (background_.isNull())
            painter.fillRect(rect(), QColor(0, 64, 32));
        else
            painter.drawPixmap(0, 0, background_);
    }
    void mousePressEvent(QMouseEvent*) override { clicked_(); }

private:
    QPixmap background_;
    std::function<void()> clicked_;
};

// Comic Sans MS where installed, else its free look-alike, else the default font.
QFont LabelFont()
{
    const QStringList families = QFontDatabase::families();
    QFont font;
    for (const QString& family : {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}) {
        if (families.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSize(12);
    return font;
}
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
    CreateControls();
    CreateMenus();
    Form_Load();
}

frmBoard::~frmBoard() = default;

void frmBoard::CreateControls()
{
    setWindowTitle(QString::fromStdString(services_.Program.Title));
    surface_ = new BoardSurface(pictures_.Background, [this] { SoundStop(); }, this);
    setCentralWidget(surface_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        imgTile_[tile] = new TilePicture(tile, surface_);
        connect(imgTile_[tile], &TilePicture::Clicked, this, &frmBoard::imgTile_Click);
        connect(imgTile_[tile], &TilePicture::DoubleClicked, this, &frmBoard::imgTile_DblClick);
    }
    // A smaller position always lies in front.
    for (std::int32_t tile = TileCount; tile >= 1; --tile) imgTile_[tile]->raise();

    auto button = [this](const char* name, int x, int y, int icon, void (frmBoard::*handler)()) {
        auto* created = new CommandButton(surface_);
        created->setObjectName(QString::fromLatin1(name));
        created->move(x, y);
        created->SetIcons(pictures_.ButtonIcon[icon][0], pictures_.ButtonIcon[icon][1], pictures_.ButtonIcon[icon][2]);
        connect(created, &QPushButton::clicked, this, handler);
        created->raise();
        return created;
    };
    cmdRedoNextMove_ = button("cmdRedoNextMove", 0, 0, 0, &frmBoard::cmdRedoNextMove_Click);
    cmdRemoveTiles_ = button("cmdRemoveTiles", 556, 0, 1, &frmBoard::cmdRemoveTiles_Click);
    cmdRemoveTile_ = button("cmdRemoveTile", 0, 450, 2, &frmBoard::cmdRemoveTile_Click);
    cmdUndoLastMove_ = button("cmdUndoLastMove", 556, 450, 3, &frmBoard::cmdUndoLastMove_Click);

    const QFont font = LabelFont();
    auto label = [this, &font](const char* name, BoardLabel::Anchor anchor, int x, int y, QColor colour) {
        auto* created = new BoardLabel(QString::fromLatin1(name), anchor, x, y, colour, surface_);
        created->setFont(font);
        created->raise();
        return created;
    };
    lblGameOrigin_ = label("lblGameOrigin", BoardLabel::Anchor::Centre, 270, 1, QColor(255, 224, 192));
    lblGameOrigin_->SetFixedLineHeight(23);
    lblTimeGone_ = label("lblTimeGone", BoardLabel::Anchor::Left, 29, 450, QColor(255, 255, 192));
    lblNoMovePossible_ = label("lblNoMovePossible", BoardLabel::Anchor::Centre, 270, 450, QColor(255, 128, 255));
    lblNoMovePossible_->hide();
    lblGameLost_ = label("lblGameLost", BoardLabel::Anchor::Centre, 270, 450, QColor(255, 128, 255));
    lblGameLost_->hide();
    lblTileCount_ = label("lblTileCount", BoardLabel::Anchor::Right, 551, 450, QColor(255, 255, 192));

    const std::array<QPoint, 2> bannerPlaces{QPoint(43, 166), QPoint(12, 170)};
    for (int language = 0; language < 2; ++language) {
        auto* banner = new QLabel(surface_);
        banner->setObjectName(QStringLiteral("imgGameWon_%1").arg(language));
        banner->setAttribute(Qt::WA_TranslucentBackground);
        // Its picture is set when it is first shown (ShowGameWon).
        banner->resize(resources::WonBannerWidth[language], resources::WonBannerHeight[language]);
        banner->move(bannerPlaces[language]);
        banner->hide();
        banner->raise();
        imgGameWon_[language] = banner;
    }
}

void frmBoard::Form_Load()
{
    Guarded(services_.Errors, BoardObject, "Form_Load", [&] {
        SetupLocale();
        const float tileWidth = pictures_.Dark[1].isNull() ? 36.0f : float(pictures_.Dark[1].width() - 4);
        const float tileHeight = pictures_.Dark[1].isNull() ? 52.0f : float(pictures_.Dark[1].height() - 4);
        clock_->LoadTimingActive(services_.Settings);
        geometry_.CreateTileRelations(BoardLayout, tileWidth, tileHeight);
        for (std::int32_t tile = 1; tile <= geometry_.PositionCount(); ++tile)
            imgTile_[tile]->move(geometry_.Place(tile).Left, geometry_.Place(tile).Top);
        mnuOptionLocaleSelect_[services_.Texts.GetLocale() == 1 ? 1 : 0]->setChecked(true);
        mnuOptionTimingActive_->setChecked(clock_->TimingActive());
        solver_->SetWarnLost(services_.Settings.LoadRegistryString("Board", "WarnLost", "1") != "0");
        mnuOptionWarnLost_->setChecked(solver_->WarnLost());
        EnableCommands();
    });
    // The window's size is known only now; its stored place is checked against it.
    adjustSize();
    FormLocationLoad();
}

void frmBoard::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (formActivated_) return;
    formActivated_ = true;
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

void frmBoard::FormLocationLoad()
{
    Guarded(services_.Errors, BoardObject, "FormLocationLoad", [this] {
        const double twips = TwipsPerPixel();
        const QScreen* shown = screen();
        if (!shown) return;
        const QRect desktop = shown->virtualGeometry();
        const QRect frame = frameGeometry();
        // Only a place that keeps the window at least partly on the screen is taken.
        const double left = services_.Settings.LoadRegistrySingle("Board", "Left", float(frame.x() * twips));
        if (!(-frame.width() * twips < left && left < (desktop.x() + desktop.width()) * twips)) return;
        const double top = services_.Settings.LoadRegistrySingle("Board", "Top", float(frame.y() * twips));
        if (!(-frame.height() * twips < top && top < (desktop.y() + desktop.height()) * twips)) return;
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
    });
}

void frmBoard::SoundStop()
{
    Guarded(services_.Errors, BoardObject, "SoundStop", [this] { services_.Sound.SoundStop(); });
}

} // namespace tessaron
