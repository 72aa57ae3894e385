// Holds the process's one locale object; it starts out Slovenian.
#include "platform/settings/Locale.h"

TLocale& Locale() {
    static TLocale locale = TLocale::Slovenian();
    return locale;
}
