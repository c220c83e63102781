#pragma once
// Qt's own texts (the standard buttons of message boxes, the context menus of text boxes) in
// the reader's language, from the translations that come with Qt. Where a standard button's
// text is one of the reader's interface texts, that text wins.

#include <QString>
#include <QTranslator>
#include <map>
#include <memory>
#include <string>

namespace lumra {

class QtTranslations final : public QTranslator {
public:
    // Qt's source text of a standard button ("OK") and the reader's caption for it.
    using Captions = std::map<QString, QString>;

    // Installs Qt's translations of a language ("en", "sv") and the captions, in place of
    // those before. English needs none: Qt's own texts are English.
    void Use(const std::string& languageCode, Captions captions);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    std::unique_ptr<QTranslator> catalogue_;
    Captions captions_;
};

} // namespace lumra
