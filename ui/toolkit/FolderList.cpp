#include "toolkit/FolderList.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace lumra {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString Clean(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

bool IsWithin(const QString& path, const QString& root) {
    if (root == QStringLiteral("/")) {
        return path.startsWith(QLatin1Char('/'));
    }
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

} // namespace

FolderList::FolderList(QWidget* parent, const QString& objectName) : QListWidget(parent) {
    setObjectName(objectName);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this, &FolderList::Item_Activated);
}

void FolderList::SetPath(const QString& path, const QString& root) {
    root_ = Clean(root);
    const QString wanted = Clean(path);
    path_ = IsWithin(wanted, root_) && QFileInfo(wanted).isDir() ? wanted : root_;
    Fill();
    Q_EMIT PathChanged();
}

void FolderList::Item_Activated(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const QString target = item->data(kPathRole).toString();
    if (target != path_) {
        SetPath(target, root_);
    }
}

void FolderList::Fill() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain: the root, then every folder down to the current one.
    QStringList chain{root_};
    const QString below = path_.mid(root_.size());
    QString at = root_;
    for (const QString& part : below.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        at = at.endsWith(QLatin1Char('/')) ? at + part : at + QLatin1Char('/') + part;
        chain.push_back(at);
    }
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& folder : chain) {
        const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(kPathRole, folder);
        current = item;
        ++depth;
    }
    const QDir dir(path_);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subfolders) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + sub, this);
        item->setData(kPathRole, dir.filePath(sub));
    }
    setCurrentItem(current);
    scrollToItem(current);
}

} // namespace lumra
