#include "window/BoardWidgets.h"

#include "board/BoardGeometry.h"
#include "window/BoardLabel.h"
#include "window/BoardSurface.h"
#include "window/CommandButton.h"
#include "window/PictureDecoder.h"
#include "window/TilePicture.h"

#include <QLabel>

#include <algorithm>

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

// The tiles with the classic board's margins: 18 units at the sides, 26 above (the origin
// and the top buttons) and 28 below (the bottom row of labels and buttons). Never smaller
// than the classic board, so the banners, buttons and labels fit as they do there; a
// smaller layout lies in its middle.
QRectF BoardExtent(const QRect& tiles)
{
    if (tiles.isEmpty()) return QRectF(0, 0, BoardScale::BoardWidth, BoardScale::BoardHeight);
    QRect extent = tiles.adjusted(-18, -26, 18, 28);
    const int wider = std::max(0, BoardScale::BoardWidth - extent.width());
    const int taller = std::max(0, BoardScale::BoardHeight - extent.height());
    extent.adjust(-wider / 2, -taller / 2, wider - wider / 2, taller - taller / 2);
    return QRectF(extent);
}

// Where each language's win banner lies on the board, in board units.
const std::array<QRectF, resources::LanguageCount> BannerPlaces{
    QRectF(43, 166, resources::WonBannerWidth[0], resources::WonBannerHeight[0]),
    QRectF(12, 170, resources::WonBannerWidth[1], resources::WonBannerHeight[1])};
} // namespace

BoardWidgets::BoardWidgets(QWidget* window, std::function<void()> pressed, QThreadPool* workers)
{
    decoder_ = std::make_unique<PictureDecoder>(
        [this](DecodedPictures decoded, int scale) { PicturesDecoded(std::move(decoded), scale); }, workers);
    surface_ = new BoardSurface(scale_, std::move(pressed), [this] { PlaceControls(); }, window);
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) imgTile_[tile] = new TilePicture(tile, surface_);
    // A smaller position always lies in front.
    for (std::int32_t tile = TileCount; tile >= 1; --tile) imgTile_[tile]->raise();
    CreateButtons();
    CreateLabels();
    CreateBanners();
}

BoardWidgets::~BoardWidgets() = default;

void BoardWidgets::CreateButtons()
{
    // Their icons are set with the other pictures (ShowPicturesAtScale).
    auto button = [this](const char* name, int left, int top) {
        auto* created = new CommandButton(surface_);
        created->setObjectName(QString::fromLatin1(name));
        created->raise();
        places_.Add(created, QRectF(left, top, CommandButtonSide, CommandButtonSide));
        return created;
    };
    cmdRedoNextMove_ = button("cmdRedoNextMove", 0, 0);
    cmdRemoveTiles_ = button("cmdRemoveTiles", 556, 0);
    cmdRemoveTile_ = button("cmdRemoveTile", 0, 450);
    cmdUndoLastMove_ = button("cmdUndoLastMove", 556, 450);
}

void BoardWidgets::PlaceCorners(const QRect& extent)
{
    // The classic board's places, measured from the extent's corners and centre: its extent
    // (0, 0, 580, 474) gives them exactly.
    const int left = extent.x();
    const int top = extent.y();
    const int right = left + extent.width();
    const int bottom = top + extent.height();
    const int side = CommandButtonSide;
    places_.Add(cmdRedoNextMove_, QRectF(left, top, side, side));
    places_.Add(cmdRemoveTiles_, QRectF(right - side, top, side, side));
    places_.Add(cmdRemoveTile_, QRectF(left, bottom - side, side, side));
    places_.Add(cmdUndoLastMove_, QRectF(right - side, bottom - side, side, side));
    // Centred over the tiles, which lie a picture's edge left of the board's middle.
    const int centre = left + extent.width() / 2 - 20;
    lblGameOrigin_->SetAnchor(centre, top + 1);
    // A long origin ("name date (time)") is shortened in the middle before it reaches the
    // corner buttons: 4 units clear of either, on both sides of its centre.
    lblGameOrigin_->SetElideWidth(2 * (centre - left - side - 4));
    lblTimeGone_->SetAnchor(left + 29, bottom - side);
    for (BoardLabel* label : {lblNoMovePossible_, lblGameLost_, lblPeekMode_, lblPaused_})
        label->SetAnchor(centre, bottom - side);
    lblTileCount_->SetAnchor(right - 29, bottom - side);
    const QPointF moved = QRectF(extent).center() - QRectF(0, 0, BoardScale::BoardWidth, BoardScale::BoardHeight).center();
    for (int language = 0; language < resources::LanguageCount; ++language)
        places_.Add(imgGameWon_[language], BannerPlaces[language].translated(moved));
}

void BoardWidgets::CreateLabels()
{
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
    lblGameOrigin_->SetElideWidth(2 * (270 - CommandButtonSide - 4));
    lblTimeGone_ = label("lblTimeGone", BoardLabel::Anchor::Left, 29, 450, QColor(255, 255, 192));
    lblNoMovePossible_ = label("lblNoMovePossible", BoardLabel::Anchor::Centre, 270, 450, QColor(255, 128, 255));
    lblNoMovePossible_->hide();
    lblGameLost_ = label("lblGameLost", BoardLabel::Anchor::Centre, 270, 450, QColor(255, 128, 255));
    lblGameLost_->hide();
    lblPeekMode_ = label("lblPeekMode", BoardLabel::Anchor::Centre, 270, 450, QColor(255, 128, 255));
    lblPeekMode_->hide();
    lblPaused_ = label("lblPaused", BoardLabel::Anchor::Centre, 270, 450, QColor(255, 255, 192));
    lblPaused_->hide();
    lblTileCount_ = label("lblTileCount", BoardLabel::Anchor::Right, 551, 450, QColor(255, 255, 192));
}

void BoardWidgets::CreateBanners()
{
    for (int language = 0; language < resources::LanguageCount; ++language) {
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

void BoardWidgets::PlaceTiles(const BoardGeometry& geometry)
{
    QRect tiles;
    for (std::int32_t tile = 1; tile <= geometry.PositionCount(); ++tile) {
        const PixelPlace& place = geometry.Place(tile);
        const QRect picture(place.Left, place.Top, resources::TileFaceWidth, resources::TileFaceHeight);
        places_.Add(imgTile_[tile], picture);
        tiles |= picture;
    }
    scale_.SetExtent(BoardExtent(tiles));
    PlaceCorners(scale_.Extent().toRect());
}

void BoardWidgets::PlaceControls()
{
    // Every control moves: one repaint of the whole board afterwards, instead of a dirty
    // region grown by two rectangles per control.
    surface_->setUpdatesEnabled(false);
    scale_.Fit(surface_->size());
    places_.PlaceAll();
    surface_->setUpdatesEnabled(true);
    wantedPictureScale_ = scale_.PictureScale(surface_->devicePixelRatioF());
    if (wantedPictureScale_ == pictureScale_) return;
    const std::vector<std::string> missing = pictures_.Missing(PicturesShown(), wantedPictureScale_);
    if (missing.empty() || pictureScale_ == 0 || !windowShown_)
        ShowPicturesAtScale(wantedPictureScale_);
    else
        decoder_->Decode(missing, wantedPictureScale_);
}

void BoardWidgets::DrawTile(std::int32_t tile, std::int32_t face, bool selected, bool visible)
{
    TilePicture* picture = imgTile_.at(tile);
    shownFaces_.at(tile) = face;
    picture->SetPicture(pictures_.Face(face, selected, pictureScale_));
    picture->SetBright(selected);
    picture->setVisible(visible);
}

void BoardWidgets::ShowGameWon(int language)
{
    for (int shown = 0; shown < resources::LanguageCount; ++shown) {
        QLabel* banner = imgGameWon_[shown];
        if (shown == language && banner->pixmap().isNull()) banner->setPixmap(pictures_.WonBanner(shown, pictureScale_));
        banner->setVisible(shown == language);
    }
}

void BoardWidgets::SetGameWonName(const QString& name)
{
    for (QLabel* banner : imgGameWon_) banner->setAccessibleName(name);
}

void BoardWidgets::HideTiles()
{
    for (std::int32_t tile = TileCount; tile >= 1; --tile) imgTile_[tile]->hide();
    surface_->repaint();
}

std::vector<std::string> BoardWidgets::PicturesShown() const
{
    std::vector<std::string> paths{resources::BackgroundPath(), resources::FeltPath()};
    for (resources::ButtonIcon icon : resources::ButtonIcons)
        for (resources::ButtonLook look : resources::ButtonLooks)
            paths.push_back(resources::ButtonIconPath(icon, look));
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (shownFaces_[tile] != 0)
            paths.push_back(resources::TileFacePath(imgTile_[tile]->Bright(), shownFaces_[tile]));
    for (int language = 0; language < resources::LanguageCount; ++language)
        if (!imgGameWon_[language]->pixmap().isNull()) paths.push_back(resources::WonBannerPath(language));
    return paths;
}

void BoardWidgets::PicturesDecoded(DecodedPictures decoded, int scale)
{
    // The window went on to another resolution meanwhile: these would only take memory.
    if (scale != wantedPictureScale_ || scale == pictureScale_) return;
    pictures_.Take(std::move(decoded), scale);
    ShowPicturesAtScale(scale);
}

void BoardWidgets::ShowPicturesAtScale(int scale)
{
    // The resolution shown before stays, so going back and forth between two sizes decodes
    // nothing again; any other is let go.
    pictures_.KeepOnly({scale, pictureScale_});
    pictureScale_ = scale;
    surface_->SetBackground(pictures_.Background(scale), pictures_.Felt(scale));
    // In the order of resources::ButtonIcons.
    const std::array<CommandButton*, 4> buttons{cmdRedoNextMove_, cmdRemoveTiles_, cmdRemoveTile_, cmdUndoLastMove_};
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const resources::ButtonIcon icon = resources::ButtonIcons[index];
        using Look = resources::ButtonLook;
        buttons[index]->SetIcons(pictures_.ButtonIcon(icon, Look::Normal, scale),
                                 pictures_.ButtonIcon(icon, Look::Pressed, scale),
                                 pictures_.ButtonIcon(icon, Look::Disabled, scale));
    }
    // Only what has been shown before: a start-up decodes nothing it does not draw.
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (shownFaces_[tile] != 0)
            imgTile_[tile]->SetPicture(pictures_.Face(shownFaces_[tile], imgTile_[tile]->Bright(), scale));
    for (int language = 0; language < resources::LanguageCount; ++language)
        if (!imgGameWon_[language]->pixmap().isNull())
            imgGameWon_[language]->setPixmap(pictures_.WonBanner(language, scale));
}

} // namespace tessaron
