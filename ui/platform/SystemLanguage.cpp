#include "platform/SystemLanguage.h"

#include <QLocale>

namespace lumra {

int UserDefaultLanguageId() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::Swedish) {
        return locale.territory() == QLocale::Finland ? 2077 : 1053;
    }
    return 1033;
}

} // namespace lumra
