#include "toolkit/AccessibleNames.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "platform/Cp1252Qt.h"
#include "toolkit/Chooser.h"
#include "toolkit/Form.h"

namespace lumra {

namespace {

constexpr const char* kNameTextProperty = "lumraNameText";
constexpr const char* kGroupTextProperty = "lumraGroupText";

// A caption as a reader says it: no mnemonic marks, one line.
QString Spoken(QString caption) {
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return caption.simplified();
}

QString TextOf(const QWidget& control, const char* property, const InterfaceTexts& texts) {
    const QVariant text = control.property(property);
    return text.isValid() ? Spoken(FromCp1252(texts[text.toInt()])) : QString();
}

// A drop-down list named by its caption; its value is the entry it shows.
class ChooserInterface final : public QAccessibleWidget {
public:
    explicit ChooserInterface(Chooser* chooser)
        : QAccessibleWidget(chooser, QAccessible::ComboBox), chooser_(chooser) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return chooser_->currentText();
        }
        return QAccessibleWidget::text(t);
    }

private:
    Chooser* chooser_;
};

QAccessibleInterface* WindowInterface(const QString& key, QObject* object) {
    if (auto* chooser = qobject_cast<Chooser*>(object);
        chooser != nullptr && key == QLatin1String(Chooser::staticMetaObject.className())) {
        return new ChooserInterface(chooser); // owned by the accessibility cache
    }
    auto* form = qobject_cast<Form*>(object);
    if (form == nullptr || key != QLatin1String(Form::staticMetaObject.className())) {
        return nullptr;
    }
    const QAccessible::Role role =
        form->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    // The accessibility cache owns every interface it is given.
    return new QAccessibleWidget(form, role);
}

} // namespace

void NameByText(QWidget& control, int text) {
    control.setProperty(kNameTextProperty, text);
}

void NameInGroup(QWidget& control, int text) {
    control.setProperty(kGroupTextProperty, text);
}

void NameControlsFromCaptions(QWidget& window, const InterfaceTexts& texts) {
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window) {
            continue; // a message box of the window's own names itself
        }
        QString name = TextOf(*control, kNameTextProperty, texts);
        for (const QLabel* label : labels) {
            if (name.isEmpty() && label->buddy() == control) {
                name = Spoken(label->text());
            }
        }
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const QString group = TextOf(*control, kGroupTextProperty, texts);
        if (name.isEmpty() && button != nullptr && !group.isEmpty()) {
            name = Spoken(button->text());
        }
        if (!group.isEmpty() && !name.isEmpty()) {
            name = group + QStringLiteral(": ") + name;
        }
        // Empty: the label, frame or button says its caption, as it shows it at that moment.
        control->setAccessibleName(name);
    }
}

void InstallWindowRoles() {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(&WindowInterface);
}

} // namespace lumra
