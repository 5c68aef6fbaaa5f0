#include "platform/os/DecimalSeparator.h"

#include <QLocale>
#include <QString>

#include <cstdlib>

namespace tresilva {

char DecimalSeparatorFor(std::string_view lcAll, std::string_view lcNumeric, std::string_view lang) {
    std::string_view name = !lcAll.empty() ? lcAll : !lcNumeric.empty() ? lcNumeric : lang;
    if (name.empty() || name == "C" || name == "POSIX" || name.substr(0, 2) == "C.") return ',';
    // "fr_FR.UTF-8@euro": the code set and the modifier do not change the separator.
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty()) return ',';
    const QLocale locale(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (locale.language() == QLocale::C) return ',';  // not a locale Qt can read
    const QString point = locale.decimalPoint();
    if (point == QStringLiteral(".")) return '.';
    return ',';
}

char RegionalDecimalSeparator() {
    const auto env = [](const char* name) -> std::string_view {
        const char* value = std::getenv(name);
        return value ? value : "";
    };
    return DecimalSeparatorFor(env("LC_ALL"), env("LC_NUMERIC"), env("LANG"));
}

}  // namespace tresilva
