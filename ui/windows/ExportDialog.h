#pragma once
// ExportDialog, the export dialog: a verse range, a folder, a file name and a format, and the
// Export button that writes the range. It is loaded for each opening and unloaded when it closes.

#include <array>
#include <string>

#include "toolkit/Form.h"
#include "windows/WindowHost.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumra {

class FolderList;
enum class ExportBox;

class ExportDialog final : public Form {
    Q_OBJECT
public:
    static constexpr WindowRole kRole = WindowRole::Export;

    explicit ExportDialog(WindowHost& host);

    void RefreshCaptions() override;
    // At the designed size times the layout scale.
    void LayOut() override;
    void ApplyColours() override;
    // The verse counts beside the verse boxes follow the sura boxes; with select, the whole
    // text of the focused box is selected.
    void RefreshExportRangeLabels(bool select = true);
    // Shows the dialog modally, the focus in the from sura box; returns when it closes.
    void Open();
    // The root of the volume the drive list shows, in the file system's encoding.
    std::string CurrentDrive() const;
    // The drive the dialog selects when it loads: the volume of the working folder.
    static std::string DriveOfCurrentFolder();

    void Command1_Click();
    void Command2_Click();
    void Check1_Click();
    void Drive1_Change();

protected:
    int Control_KeyDown(QObject* control, int key, int shift) override;
    int Control_KeyPress(QObject* control, int ascii) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString RootOf(const QString& folder);
    void PlaceControls();
    void FillDriveList();
    void RangeBox_Leave(ExportBox box);
    void FocusBox(ExportBox box);
    QLineEdit* RangeBox(QObject* control) const;

    WindowHost& host_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QComboBox* Drive1;
    FolderList* Dir1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QCheckBox* Check1;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace lumra
