#include "ui/common/file_chooser.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

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

QString DefaultFileChooser(QWidget* parent, const ChooserSettings& settings) {
    QFileDialog dialog(parent, settings.title, settings.directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(settings.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(
        QStringLiteral("%1 (%2)").arg(settings.filterDescription, settings.filterPattern));
    const QFileInfo start(settings.fileName);
    if (start.isAbsolute()) {
        dialog.setDirectory(start.absolutePath());
    }
    dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace chromlet::ui
