#include "ui/file_chooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace chromlet::ui {

QString InitialConfigFolder() {
    QStringList candidates;
#ifdef Q_OS_WIN
    candidates << QStringLiteral("c:\\q3test");
#endif
    const QString home = QDir::homePath();
#if defined(Q_OS_MACOS)
    candidates << home + QStringLiteral("/Library/Application Support/Quake3/baseq3");
#elif !defined(Q_OS_WIN)
    candidates << home + QStringLiteral("/.q3a/baseq3");
#endif
    for (const QString& folder : candidates) {
        if (QFileInfo(folder).isDir()) {
            return QDir::toNativeSeparators(folder);
        }
    }
    return QDir::toNativeSeparators(home);
}

ChooserSettings StoredChooserSettings() {
    ChooserSettings s;
    s.title = QCoreApplication::translate("chromlet::ui::FileChooser", "Locate q3config.cfg");
    s.fileName = QStringLiteral("q3config.cfg");
    s.filterDescription =
        QCoreApplication::translate("chromlet::ui::FileChooser", "Q3 Config file");
    s.filterPattern = QStringLiteral("q3config.cfg");
    s.directory = InitialConfigFolder();
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
