#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstring>

namespace lumra {

namespace {

// Where Qt asks for the texts of the standard buttons, with or without a desktop theme.
bool IsButtonContext(const char* context) {
    return context != nullptr && (std::strcmp(context, "QPlatformTheme") == 0 ||
                                  std::strcmp(context, "QGnomeTheme") == 0);
}

} // namespace

void QtTranslations::Use(const std::string& languageCode, Captions captions) {
    QCoreApplication::removeTranslator(this);
    captions_ = std::move(captions);
    catalogue_.reset();
    if (languageCode != "en") {
        auto catalogue = std::make_unique<QTranslator>();
        const QLocale locale(QString::fromStdString(languageCode));
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        // "qt" holds all of Qt's texts, either itself or by naming "qtbase" and the others.
        if (catalogue->load(locale, QStringLiteral("qt"), QStringLiteral("_"), folder) ||
            catalogue->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            catalogue_ = std::move(catalogue);
        }
    }
    QCoreApplication::installTranslator(this);
}

QString QtTranslations::translate(const char* context, const char* sourceText,
                                  const char* disambiguation, int n) const {
    const bool button = IsButtonContext(context);
    if (button && sourceText != nullptr) {
        if (const auto it = captions_.find(QString::fromUtf8(sourceText)); it != captions_.end()) {
            return it->second;
        }
    }
    if (!catalogue_) {
        return {};
    }
    QString text = catalogue_->translate(context, sourceText, disambiguation, n);
    if (text.isNull() && button) {
        // Older catalogues keep the standard buttons under the button box's name.
        text = catalogue_->translate("QDialogButtonBox", sourceText, disambiguation, n);
    }
    return text;
}

} // namespace lumra
