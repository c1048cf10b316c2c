#include "ui/common/file_chooser.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

namespace chromlet::ui {

ChooserSettings StoredChooserSettings() {
    ChooserSettings s;
    s.title = QCoreApplication::translate("chromlet::ui::FileChooser", "Locate q3config.cfg");
    s.fileName = QStringLiteral("q3config.cfg");
    s.filterDescription =
        QCoreApplication::translate("chromlet::ui::FileChooser", "Q3 Config file");
    s.filterPattern = QStringLiteral("q3config.cfg");
    return s;
}

QString ChooseExistingFile(const FileChooser& chooser, QWidget* parent, ChooserSettings& settings) {
    settings.fileMustExist = true;
    const QString path = chooser(parent, settings);
    if (!path.isEmpty()) {
        settings.fileName = path;
    }
    return path;
}

void SetUpChooser(QFileDialog& dialog, const ChooserSettings& settings) {
    dialog.setWindowTitle(settings.title);
    dialog.setDirectory(settings.directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(settings.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(
        QStringLiteral("%1 (%2)").arg(settings.filterDescription, settings.filterPattern));
    const QFileInfo start(settings.fileName);
    if (start.isAbsolute()) {
        dialog.setDirectory(start.absolutePath());
    }
    dialog.selectFile(start.fileName());
    // Qt's own dialog sizes its list's columns for short names: a size of a few KiB and a date
    // were cut off. Each column takes what its contents need; the name column the rest.
    if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = list->header();
        for (int column = 1; column < header->count(); ++column) {
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        const QRect screen = dialog.screen()->availableGeometry();
        dialog.resize(dialog.sizeHint().expandedTo(QSize(640, 400)).boundedTo(screen.size() * 9 / 10));
    }
}

QString DefaultFileChooser(QWidget* parent, const ChooserSettings& settings) {
    QFileDialog dialog(parent);
    SetUpChooser(dialog, settings);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace chromlet::ui
