#pragma once

#include "runtime/regional_settings.h"

class QLocale;

namespace rt {

// The regional number settings of a Qt locale: separators, where grouping
// starts, the group sizes and the negative sign.
RegionalSettings RegionalSettingsOf(const QLocale& locale);

// The user's settings, as QLocale::system() reports them (on Linux it follows
// LC_ALL, LC_NUMERIC and LANG). The C and POSIX locales have no digit
// grouping, as POSIX defines them, although Qt reports a comma there.
RegionalSettings SystemRegionalSettings();

}  // namespace rt
