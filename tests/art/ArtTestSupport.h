#pragma once
#include <QImage>
#include <QString>

#include <string>

namespace tessaron::resources::testing {

inline QImage LoadCarried(const std::string& resourcePath)
{
    return QImage(QString::fromStdString(resourcePath)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace tessaron::resources::testing
