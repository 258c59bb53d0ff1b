#include "window/MenuMnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace tessaron {

namespace {

// A caption without its mnemonic marker ("&&" stays a literal '&').
QString WithoutMnemonic(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

// Marks the first letter that starts a word and is still free, else the first free letter.
QString WithMnemonic(const QString& caption, QSet<QChar>& used)
{
    const QString plain = WithoutMnemonic(caption);
    qsizetype chosen = -1;
    for (bool wordStartsOnly : {true, false}) {
        for (qsizetype i = 0; i < plain.size() && chosen < 0; ++i) {
            const bool wordStart = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (plain[i].isLetterOrNumber() && (wordStart || !wordStartsOnly) && !used.contains(plain[i].toLower()))
                chosen = i;
        }
    }
    QString marked = plain;
    marked.replace(u'&', QStringLiteral("&&"));
    if (chosen < 0) return marked;
    used.insert(plain[chosen].toLower());
    // Literal ampersands before the chosen letter were doubled.
    const qsizetype doubled = plain.left(chosen).count(u'&');
    return marked.insert(chosen + doubled, u'&');
}

void AssignInMenu(const QList<QAction*>& items)
{
    QSet<QChar> used;
    for (QAction* item : items) {
        if (item->isSeparator() || item->text().isEmpty()) continue;
        item->setText(WithMnemonic(item->text(), used));
        if (QMenu* submenu = item->menu()) AssignInMenu(submenu->actions());
    }
}
} // namespace

void AssignMnemonics(QMenuBar* bar) { AssignInMenu(bar->actions()); }

} // namespace tessaron
