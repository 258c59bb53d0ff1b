#pragma once
// The layout chooser (Game › Layout…): a grid of drawn previews, each named in the game's
// language, the option "A new layout for every new game", Play and Cancel. Enter plays the
// focused preview (or presses the focused button); a double click on a preview plays that
// preview. Escape and the close box act like Cancel. Made for one opening:
// `frmLayouts(catalog, texts).ShowAsDialog(this, currentKey, newLayoutEveryGame)`; storing
// the answer is the caller's (layouts/LayoutChoice.h).
#include "board/LayoutCatalog.h"
#include "shell/Locale.h"

#include <QDialog>

#include <optional>
#include <string>
#include <string_view>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tessaron {

inline constexpr const char* LayoutsObject = "frmLayouts";

struct LayoutChoice {
    std::string Key;
    bool NewLayoutEveryGame = false;
};

class frmLayouts : public QDialog {
    Q_OBJECT

public:
    frmLayouts(const LayoutCatalog& catalog, const Locale& texts, QWidget* parent = nullptr);

    // Shows the layouts modally over owner with currentKey's preview selected. The chosen
    // layout and option, or nothing when cancelled.
    std::optional<LayoutChoice> ShowAsDialog(QWidget* owner, std::string_view currentKey, bool newLayoutEveryGame);

    QListWidget* List() const { return lstLayouts_; }

private:
    void CreateControls();
    void SetupLocale();
    void lstLayouts_DoubleClick(QListWidgetItem* item);

    const LayoutCatalog& catalog_;
    const Locale& texts_;
    QListWidget* lstLayouts_ = nullptr;
    QCheckBox* chkNewLayoutEveryGame_ = nullptr;
    QPushButton* cmdPlay_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

} // namespace tessaron
