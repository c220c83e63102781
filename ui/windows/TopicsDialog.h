#pragma once
// TopicsDialog, the topics dialog: opens, saves and deletes topic files, clears the marks, and
// shows or copies the list of marked verses. It is loaded for each opening and shown modally.

#include <array>
#include <string>

#include "toolkit/Form.h"
#include "windows/WindowHost.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumra {

// The user's data folder for the program, for topic files when the program folder cannot be
// written (file system encoding, trailing separator; empty when the system names none).
std::string UserTopicFolder();

class TopicsDialog final : public Form {
    Q_OBJECT
public:
    // Loading lists the topic folder, applies the colours, the captions and the designed
    // layout, and sets the list options from the settings.
    static constexpr WindowRole kRole = WindowRole::Topics;

    explicit TopicsDialog(WindowHost& host);

    void ApplyColours() override;
    // Title text 145, the eight buttons and the two list options.
    void RefreshCaptions() override;
    // At the designed size times the layout scale.
    void LayOut() override;
    void SetCaption(const std::string& cp1252);
    // The name box (Windows-1252).
    void SetTopicName(const std::string& cp1252);
    // Lists the topic files of the topic folder again.
    void RefreshFileList();

    void Command1_Click(int index);
    void Check1_Click(int index);
    void File1_Click();
    // Run just before the dialog is destroyed: the main window's topic buttons follow the
    // marks that the dialog may have changed.
    void Form_Unload() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Form_Activate() override;

private:
    std::string TypedName() const;
    // The focus back in the name box, its text selected.
    void FocusName();
    void ShowTopicList();
    void CopyTopicList();

    WindowHost& host_;
    QLineEdit* Text1;
    QListWidget* File1;
    std::array<QPushButton*, 8> Command1{};
    std::array<QCheckBox*, 2> Check1{};
    QFrame* Line1;
};

} // namespace lumra
