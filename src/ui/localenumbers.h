#pragma once
// The separators of numbers in the user's locale, as the user may type them.

#include <QLocale>

#include <string>

namespace ui {

// The decimal separator of the user's locale, which a typed number may use
// besides the point.
inline char localeDecimal()
{
    return QLocale().decimalPoint().at(0).toLatin1();
}

// The grouping separator of the user's locale, in UTF-8.
inline std::string localeGrouping()
{
    return QLocale().groupSeparator().toStdString();
}

} // namespace ui
