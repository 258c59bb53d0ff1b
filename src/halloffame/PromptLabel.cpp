#include "halloffame/PromptLabel.h"

#include <algorithm>

namespace tessaron {

QLabel* CreatePromptLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFixedWidth(PromptWidth);
    label->setFixedHeight(label->fontMetrics().lineSpacing());
    return label;
}

void SetPromptText(QLabel* label, const QString& text)
{
    label->setText(text);
    const int oneLine = label->fontMetrics().lineSpacing();
    label->setFixedHeight(std::max(oneLine, label->heightForWidth(label->width())));
}

} // namespace tessaron
