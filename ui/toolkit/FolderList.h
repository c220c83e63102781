#pragma once
// The folder list of the export dialog: the chain of folders from the volume's root down to
// the current folder, then the current folder's subfolders, indented by depth. Double-click or
// Enter on a folder makes it the current one.

#include <QListWidget>
#include <QString>

namespace lumra {

class FolderList final : public QListWidget {
    Q_OBJECT
public:
    FolderList(QWidget* parent, const QString& objectName);

    // The current folder, absolute and clean ("/" for the root of the file system).
    QString Path() const { return path_; }
    // Shows the folder within the volume of the given root; a folder outside it (or missing)
    // shows the root.
    void SetPath(const QString& path, const QString& root);

Q_SIGNALS:
    void PathChanged();

private:
    void Item_Activated(QListWidgetItem* item);
    void Fill();

    QString root_ = QStringLiteral("/");
    QString path_ = QStringLiteral("/");
};

} // namespace lumra
