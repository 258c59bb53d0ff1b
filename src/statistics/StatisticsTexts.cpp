#include "statistics/StatisticsTexts.h"

#include <cmath>

namespace tessaron {

QLocale GameQtLocale(const Locale& texts)
{
    return QLocale(texts.GetLocale() == 1 ? QLocale::German : QLocale::English,
                   texts.GetLocale() == 1 ? QLocale::Germany : QLocale::UnitedKingdom);
}

QString StatisticsTimeText(std::int64_t ms, const Locale& texts)
{
    if (ms <= 0) return LocaleText(texts, StatisticsText::NoTime);
    const std::int64_t seconds = (ms + 500) / 1000;
    const auto two = [](std::int64_t n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    if (seconds < 3600) return QStringLiteral("%1:%2").arg(seconds / 60).arg(two(seconds % 60));
    return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(two(seconds / 60 % 60)).arg(two(seconds % 60));
}

QString StatisticsPercentText(double share, const Locale& texts)
{
    return LocaleText(texts, StatisticsText::Percent).replace(QStringLiteral("^0"), QString::number(std::lround(share * 100)));
}

} // namespace tessaron
