#include "shell/QtSystemLocale.h"

#include <QLocale>
#include <QString>

namespace tessaron {

namespace {

constexpr std::uint32_t LangEnglish = 0x09;
constexpr std::uint32_t SublangDefault = 0x01;

// The Windows primary language id of a language; English for those without one here.
std::uint32_t PrimaryLanguageId(QLocale::Language language)
{
    switch (language) {
    case QLocale::Arabic: return 0x01;
    case QLocale::Bulgarian: return 0x02;
    case QLocale::Catalan: return 0x03;
    case QLocale::Chinese: return 0x04;
    case QLocale::Czech: return 0x05;
    case QLocale::Danish: return 0x06;
    case QLocale::German: return 0x07;
    case QLocale::Greek: return 0x08;
    case QLocale::English: return 0x09;
    case QLocale::Spanish: return 0x0A;
    case QLocale::Finnish: return 0x0B;
    case QLocale::French: return 0x0C;
    case QLocale::Hebrew: return 0x0D;
    case QLocale::Hungarian: return 0x0E;
    case QLocale::Icelandic: return 0x0F;
    case QLocale::Italian: return 0x10;
    case QLocale::Japanese: return 0x11;
    case QLocale::Korean: return 0x12;
    case QLocale::Dutch: return 0x13;
    case QLocale::NorwegianBokmal: return 0x14;
    case QLocale::NorwegianNynorsk: return 0x14;
    case QLocale::Polish: return 0x15;
    case QLocale::Portuguese: return 0x16;
    case QLocale::Romanian: return 0x18;
    case QLocale::Russian: return 0x19;
    case QLocale::Croatian: return 0x1A;
    case QLocale::Serbian: return 0x1A;
    case QLocale::Slovak: return 0x1B;
    case QLocale::Albanian: return 0x1C;
    case QLocale::Swedish: return 0x1D;
    case QLocale::Thai: return 0x1E;
    case QLocale::Turkish: return 0x1F;
    case QLocale::Indonesian: return 0x21;
    case QLocale::Ukrainian: return 0x22;
    case QLocale::Slovenian: return 0x24;
    case QLocale::Estonian: return 0x25;
    case QLocale::Latvian: return 0x26;
    case QLocale::Lithuanian: return 0x27;
    case QLocale::Vietnamese: return 0x2A;
    default: return LangEnglish;
    }
}

} // namespace

std::uint32_t QtSystemLocale::UserDefaultLCID() const
{
    return PrimaryLanguageId(QLocale::system().language()) | (SublangDefault << 10);
}

char QtSystemLocale::DecimalSeparator() const
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) return char(point.at(0).unicode());
    return '.';
}

} // namespace tessaron
